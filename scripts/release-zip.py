#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
"""A zip of one folder whose bytes depend on the folder's files alone.

    release-zip.py FOLDER OUT.zip

The members are FOLDER's own name and everything under it, each folder before what it holds and
all in the byte order of their names (not in the order the file system lists them); every member
carries the time SOURCE_DATE_EPOCH, in UTC (a zip holds no time before 1980, nor a time zone),
and mode 644, or 755 for an executable file; the files are deflated at level 9. The same files
give the same zip wherever and whenever it is made.
"""
import os
import stat
import sys
import time
import zipfile

ZIP_EARLIEST = 315532800  # 1980-01-01 00:00:00 UTC


def members(folder):
    """(name in the zip, path on disk) of FOLDER and everything under it, sorted by name."""
    top = os.path.basename(os.path.normpath(folder))
    found = [(top + "/", folder)]
    for parent, dirs, files in os.walk(folder):
        relative = os.path.relpath(parent, folder)
        prefix = top + "/" if relative == "." else top + "/" + relative.replace(os.sep, "/") + "/"
        found += [(prefix + d + "/", os.path.join(parent, d)) for d in dirs]
        found += [(prefix + f, os.path.join(parent, f)) for f in files]
    return sorted(found, key=lambda member: member[0].encode())


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: release-zip.py FOLDER OUT.zip")
    folder, out = sys.argv[1:]
    if not os.path.isdir(folder):
        sys.exit(f"release-zip.py: {folder} is no folder")
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch:
        sys.exit("release-zip.py: SOURCE_DATE_EPOCH is not set")
    stamp = time.gmtime(max(int(epoch), ZIP_EARLIEST))[:6]
    with zipfile.ZipFile(out + ".part", "w") as archive:
        for name, path in members(folder):
            info = zipfile.ZipInfo(name, stamp)
            info.create_system = 3  # Unix, so that the modes below are read
            if name.endswith("/"):
                info.external_attr = (stat.S_IFDIR | 0o755) << 16 | 0x10
                archive.writestr(info, b"")
                continue
            if os.path.islink(path) or not os.path.isfile(path):
                sys.exit(f"release-zip.py: {path} is no plain file")
            mode = 0o755 if os.stat(path).st_mode & stat.S_IXUSR else 0o644
            info.external_attr = (stat.S_IFREG | mode) << 16
            with open(path, "rb") as content:
                archive.writestr(info, content.read(), zipfile.ZIP_DEFLATED, 9)
    os.replace(out + ".part", out)


if __name__ == "__main__":
    main()
