#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
"""A text file as Windows' Notepad reads it best: a UTF-8 byte-order mark and CRLF line ends.

    windows-text.py IN OUT

Every line of IN, whatever its end (LF or CRLF), ends with CRLF in OUT, the last one too.
The Windows build's install rules (packaging/Windows.cmake) and scripts/windows.sh make the
texts that lie beside bexalo.exe with it.
"""
import sys


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: windows-text.py IN OUT")
    with open(sys.argv[1], "rb") as source:
        data = source.read()
    lines = data.split(b"\n")
    if lines[-1] == b"":
        lines.pop()
    text = b"".join(line.rstrip(b"\r") + b"\r\n" for line in lines)
    with open(sys.argv[2], "wb") as out:
        out.write(b"\xef\xbb\xbf" + text)


if __name__ == "__main__":
    main()
