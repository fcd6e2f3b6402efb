#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
"""The licence notices of what a statically linked bexalo carries, made from the linker's trace
of the files and archive members it took in (cmake/link-trace.sh).

Every file the linker took in is accounted for, or the notices are not made:
- bexalo's own objects and libraries (under the build folder);
- Qt's (under Qt's prefix): Qt's licence, and each third-party part of Qt's source whose code
  was linked in. A part is found by its object files in Qt's archives (freetype's ftbase.c in
  libQt6BundledFreetype.a, md4c.c in libQt6Gui.a) or by the Qt source file that includes it
  (sha1.cpp included by qcryptographichash.cpp); its name, copyright and licence come from its
  qt_attribution.json;
- anything else through packaging/third-party.txt, which names its notice or why it needs none.
Data that goes in whole (fonts, colour profiles) is found by its bytes in the program.

Usage: notices.py --linked LIST --program FILE --build DIR --qt-prefix DIR --qt-source DIR
                  --rules FILE --licence-name NAME --out FILE
"""
import argparse
import fnmatch
import json
import os
import re
import string
import sys

SOURCE_EXTENSIONS = (".c", ".cc", ".cpp", ".cxx")
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]', re.MULTILINE)
# An archive member as wasm-ld traces it, "libQt6Core.a(qcryptographichash.cpp.o)", and as GNU
# ld does, "(libQt6Core.a)qcryptographichash.cpp.obj"; a line each.
MEMBER = re.compile(r"([^\s()]+\.a)\(([^()\s]+)\)")
GNU_MEMBER = re.compile(r"\(([^\s()]+\.a)\)([^()\s]+)")
OBJECT = re.compile(r"(?:^|\s)([^\s()*]+\.(?:o|obj|res))(?=[\s:]|$)", re.MULTILINE)
RESOURCE_FILES = re.compile(r"set\((\w+)_resource_files\b([^)]*)\)")
QRC_FILE = re.compile(r">([^<]+)</file>")
RULE_LINE = "-" * 70


class NoticeError(Exception):
    pass


def linked_inputs(linked_text, build):
    """The archive members and the plain object files the list names; a relative path is the
    build folder's, where the linker ran."""
    def where(path):
        return os.path.normpath(os.path.join(build, path))
    members = {(where(a), m) for a, m in MEMBER.findall(linked_text) + GNU_MEMBER.findall(linked_text)}
    objects = {where(o) for o in OBJECT.findall(linked_text)}
    return members, objects


def object_source(member):
    """qcryptographichash.cpp.obj -> qcryptographichash.cpp"""
    for suffix in (".obj", ".o"):
        if member.endswith(suffix):
            return member[: -len(suffix)]
    return member


def load_attribution(folder):
    with open(os.path.join(folder, "qt_attribution.json"), encoding="utf-8") as f:
        entries = json.loads(f.read(), strict=False)
    return entries if isinstance(entries, list) else [entries]


class QtSource:
    """Qt's third-party parts, and the object files that carry each one's code."""

    def __init__(self, root):
        self.root = root
        third = os.path.join(root, "src", "3rdparty")
        self.parts = {}
        for name in sorted(os.listdir(third)):
            folder = os.path.join(third, name)
            if os.path.isfile(os.path.join(folder, "qt_attribution.json")):
                self.parts[name] = {"folder": folder, "entries": load_attribution(folder), "carriers": set()}
        by_source = {}
        for name, part in self.parts.items():
            for dirpath, _, files in os.walk(part["folder"]):
                for f in files:
                    if f.endswith(SOURCE_EXTENSIONS):
                        part["carriers"].add(f)
                        by_source.setdefault(f, set()).add(name)
        # Qt's resources made of a part's files (qt_internal_add_resource, "set(NAME_resource_files
        # ...)") carry it whole, in the object qrc_NAME.cpp.
        for dirpath, _, files in os.walk(os.path.join(root, "src")):
            if "CMakeLists.txt" in files:
                with open(os.path.join(dirpath, "CMakeLists.txt"), encoding="utf-8", errors="replace") as f:
                    for resource, listed in RESOURCE_FILES.findall(f.read()):
                        for name in set(re.findall(r"3rdparty/([^/\s\"]+)/", listed)) & self.parts.keys():
                            self.parts[name]["carriers"].add(f"qrc_{resource}.cpp")
        # Qt's own sources that include a third-party source file carry its code too.
        for dirpath, dirs, files in os.walk(os.path.join(root, "src")):
            if os.path.relpath(dirpath, root).startswith(os.path.join("src", "3rdparty")):
                dirs[:] = []
                continue
            for f in files:
                if not f.endswith(SOURCE_EXTENSIONS):
                    continue
                with open(os.path.join(dirpath, f), encoding="utf-8", errors="replace") as src:
                    for included in INCLUDE.findall(src.read()):
                        for name in by_source.get(os.path.basename(included), ()):
                            self.parts[name]["carriers"].add(f)

    def data_files(self, name):
        """The files of a part that a program could hold whole: not code, licences or notes."""
        part = self.parts[name]
        licences = {lic.strip() for e in part["entries"] for lic in str(e.get("LicenseFile", "")).split(",")}
        for dirpath, _, files in os.walk(part["folder"]):
            for f in sorted(files):
                path = os.path.join(dirpath, f)
                rel = os.path.relpath(path, part["folder"])
                if (rel in licences or f == "qt_attribution.json" or os.path.getsize(path) < 1024
                        or re.search(r"\.(c|cc|cpp|cxx|h|hh|hpp|inc|txt|md|json|cmake|pro|pri|py|sh|patch|diff)$", f)
                        or f.upper().startswith(("LICENSE", "LICENCE", "COPYING", "README", "CHANGES", "NEWS"))):
                    continue
                yield path


def cmake_cache(build):
    """The variables of the build's CMake cache, by name."""
    variables = {}
    try:
        with open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8", errors="replace") as f:
            for line in f:
                m = re.match(r"([A-Za-z_][A-Za-z0-9_]*):[A-Z]+=(.*)$", line.rstrip("\n"))
                if m:
                    variables[m.group(1)] = m.group(2)
    except FileNotFoundError:
        pass
    return variables


def read_rules(path, variables):
    """The rules of PATH, with ${NAME} in them replaced by the build's cache variable NAME (where
    the build found a file the system keeps in a folder of its own)."""
    rules = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            try:
                line = string.Template(line).substitute(variables)
            except (KeyError, ValueError) as e:
                raise NoticeError(f"{path}:{number}: the build's CMake cache has no variable {e}") from None
            fields = line.split("\t")
            if len(fields) != 3:
                raise NoticeError(f"{path}:{number}: a rule is pattern, name and notice, apart by tabs")
            rules.append({"pattern": fields[0], "name": fields[1], "notice": fields[2]})
    return rules


def contains_file(program_bytes, path):
    with open(path, "rb") as f:
        return f.read() in program_bytes


def under(path, folder):
    return os.path.commonpath([os.path.abspath(path), os.path.abspath(folder)]) == os.path.abspath(folder)


def find_notices(linked_text, program_bytes, build, qt_prefix, qt, rules):
    """(Qt parts linked, rules that apply) for one link; fails on a file nobody accounts for."""
    members, objects = linked_inputs(linked_text, build)
    parts, applied, unknown = set(), {}, set()
    inputs = [(a, m) for a, m in members] + [(o, None) for o in objects]
    for path, member in inputs:
        if under(path, build) and not under(path, qt_prefix):
            continue
        if under(path, qt_prefix):
            source = object_source(member or os.path.basename(path))
            parts.update(n for n, p in qt.parts.items() if source in p["carriers"])
            continue
        rule = next((r for r in rules if not r["pattern"].startswith("data:")
                     and fnmatch.fnmatch(path, r["pattern"])), None)
        if rule is None:
            unknown.add(path)
        else:
            applied[rule["name"]] = rule
    if unknown:
        raise NoticeError("linked in with no notice (add a rule to the third-party list): "
                          + ", ".join(sorted(unknown)))
    for name in qt.parts:
        if name not in parts and any(contains_file(program_bytes, f) for f in qt.data_files(name)):
            parts.add(name)
    in_resources = resource_files(build, members, objects)
    for rule in rules:
        if rule["pattern"].startswith("data:"):
            files = sorted(f for f in _glob(rule["pattern"][5:]))
            if any(f in in_resources or contains_file(program_bytes, f) for f in files):
                applied[rule["name"]] = rule
    return sorted(parts), [applied[k] for k in sorted(applied)]


def resource_files(build, members, objects):
    """The files that the build's own resources (NAME.qrc, made into qrc_NAME.cpp) put into the
    program, for those resources the link took in; rcc may have compressed them."""
    linked = {object_source(os.path.basename(o)) for o in objects} | {object_source(m) for _, m in members}
    files = set()
    for dirpath, dirs, names in os.walk(build):
        for name in names:
            if name.endswith(".qrc") and f"qrc_{name[:-4]}.cpp" in linked:
                with open(os.path.join(dirpath, name), encoding="utf-8", errors="replace") as f:
                    files.update(os.path.normpath(os.path.join(dirpath, p.strip())) for p in QRC_FILE.findall(f.read()))
    return files


def _glob(pattern):
    folder = os.path.dirname(pattern)
    if not os.path.isdir(folder):
        return []
    return [os.path.join(folder, f) for f in os.listdir(folder) if fnmatch.fnmatch(f, os.path.basename(pattern))]


def read_text(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return f.read().rstrip() + "\n"


def write_notices(out, parts, applied, qt, qt_version, licence_name):
    lines = ["Licence notices of what bexalo carries",
             "=======================================",
             "",
             f"bexalo itself: GNU General Public License version 3 or later ({licence_name}).",
             "",
             f"Qt 6 (qtbase {qt_version}), linked in statically: GNU Lesser General Public License",
             "version 3 (at the end of this file); Copyright (C) The Qt Company Ltd and other",
             "contributors. Its source: https://download.qt.io/ and Debian's qt6-base source package.",
             "",
             "Third-party code and data in this build:"]
    for name in parts:
        lines += ["  - " + ", ".join(e.get("Name", name) for e in qt.parts[name]["entries"]) + " (in Qt)"]
    for rule in applied:
        lines += ["  - " + rule["name"]]
    text = "\n".join(lines) + "\n"
    for name in parts:
        part = qt.parts[name]
        for e in part["entries"]:
            text += f"\n{RULE_LINE}\n{e.get('Name', name)} {e.get('Version', '')} ({e.get('License', '')})\n"
            text += str(e.get("Copyright", "")).strip() + "\n\n"
            for lic in str(e.get("LicenseFile", "")).split(","):
                path = os.path.join(part["folder"], lic.strip())
                if lic.strip() and os.path.isfile(path):
                    text += read_text(path)
    for rule in applied:
        text += f"\n{RULE_LINE}\n{rule['name']}\n\n"
        if rule["notice"].startswith("none:"):
            text += "No notice needed: " + rule["notice"][5:].strip() + "\n"
        else:
            text += read_text(rule["notice"])
    text += f"\n{RULE_LINE}\nGNU Lesser General Public License version 3 (Qt)\n\n"
    text += read_text(os.path.join(qt.root, "LICENSES", "LGPL-3.0-only.txt"))
    with open(out, "w", encoding="utf-8") as f:
        f.write(text)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for option in ("linked", "program", "build", "qt-prefix", "qt-source", "rules", "licence-name", "out"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("--qt-version", default="")
    args = parser.parse_args(argv)
    try:
        with open(args.linked, encoding="utf-8", errors="replace") as f:
            linked_text = f.read()
        with open(args.program, "rb") as f:
            program = f.read()
        qt = QtSource(args.qt_source)
        parts, applied = find_notices(linked_text, program, args.build, args.qt_prefix, qt, read_rules(args.rules, cmake_cache(args.build)))
        write_notices(args.out, parts, applied, qt, args.qt_version, args.licence_name)
    except (NoticeError, OSError) as e:
        print("notices: " + str(e), file=sys.stderr)
        return 1
    print(f"notices: {len(parts)} parts of Qt and {len(applied)} other notices in {args.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
