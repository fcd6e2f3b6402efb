# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
"""The licence notices made from a linker's trace of its inputs (scripts/notices.py), on a tiny
Qt source tree and traces in both linkers' forms: what is linked gets its notice, what is not gets none, and a
linked file nobody accounts for stops the release."""
import json
import os
import subprocess
import sys
import tempfile
import textwrap
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPT = os.path.join(HERE, "..", "..", "scripts", "notices.py")
FONT = bytes(range(256)) * 8  # a third-party data file, 2 KB


def write(path, content):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb" if isinstance(content, bytes) else "w") as f:
        f.write(content)


class Notices(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        t = self.tmp.name
        self.qt_source = os.path.join(t, "qtbase")
        third = os.path.join(self.qt_source, "src", "3rdparty")

        def part(name, files, licence="LICENSE"):
            write(os.path.join(third, name, "qt_attribution.json"), json.dumps(
                {"Id": name, "Name": name.capitalize() + " Library", "Version": "1.0", "License": "MIT",
                 "LicenseFile": licence, "Copyright": "Copyright (c) the " + name + " authors"}))
            write(os.path.join(third, name, licence), f"The {name} licence text.\n")
            for f, content in files.items():
                write(os.path.join(third, name, f), content)

        part("zlib", {"deflate.c": "int d;", "zlib.h": "int z;"})  # a bundled library
        part("sha1", {"sha1.cpp": "int s;"})  # included by a Qt source file
        part("md4c", {"src/md4c.c": "int m;"})  # compiled into a Qt module
        part("jpeg", {"jdapimin.c": "int j;"})  # present in Qt, never linked
        part("fonts", {"Vera.ttf": FONT})  # data, held as it is
        part("icc", {"sRGB.icc": FONT[::-1]})  # data in one of Qt's resources, compressed there
        write(os.path.join(self.qt_source, "src", "gui", "CMakeLists.txt"),
              'set(qpdf_resource_files\n    "../3rdparty/icc/sRGB.icc"\n)\nqt_internal_add_resource(Gui "qpdf")\n')
        write(os.path.join(self.qt_source, "src", "corelib", "tools", "qcryptographichash.cpp"),
              '#include "qcryptographichash.h"\n#include "../../3rdparty/sha1/sha1.cpp"\n')
        write(os.path.join(self.qt_source, "LICENSES", "LGPL-3.0-only.txt"), "LGPL 3 text.\n")
        self.prefix = os.path.join(t, "qt")
        self.build = os.path.join(t, "build")
        self.rules = os.path.join(t, "third-party.txt")
        write(self.rules, "# comment\n/opt/runtime/*\tThe runtime\t" + os.path.join(t, "runtime-copyright")
              + "\n/opt/gcc/*\tGCC runtime\tnone: runtime exception\n"
              + "data:${FONT_DIR}/*.ttf\tOur fonts\t${FONT_DIR}/COPYRIGHT\n")
        # Where the fonts are, the build found (as CMake finds the system's Liberation fonts).
        write(os.path.join(t, "build", "CMakeCache.txt"), f"//Where the fonts are\nFONT_DIR:PATH={t}/fonts\n")
        # The build's own resource of fonts (compressed by rcc, so not found by their bytes).
        write(os.path.join(t, "fonts", "Sans.ttf"), FONT[1:] + b"x")
        write(os.path.join(t, "fonts", "COPYRIGHT"), "Our fonts' copyright.\n")
        write(os.path.join(t, "build", ".rcc", "webfonts.qrc"),
              f'<RCC><qresource prefix="/f"><file alias="Sans.ttf">{t}/fonts/Sans.ttf</file></qresource></RCC>\n')
        write(os.path.join(t, "runtime-copyright"), "Runtime copyright text.\n")
        self.program = os.path.join(self.build, "bexalo.exe")
        write(self.program, b"code" + FONT + b"more")
        self.out = os.path.join(t, "NOTICES.txt")

    def tearDown(self):
        self.tmp.cleanup()

    def run_notices(self, linked):
        linked_file = os.path.join(self.tmp.name, "bexalo.linked.txt")
        write(linked_file, textwrap.dedent(linked).format(qt=self.prefix, build=self.build))
        return subprocess.run(
            [sys.executable, SCRIPT, "--linked", linked_file, "--program", self.program, "--build", self.build,
             "--qt-prefix", self.prefix, "--qt-source", self.qt_source, "--rules", self.rules,
             "--licence-name", "LICENSE.txt", "--qt-version", "6.4.2", "--out", self.out],
            capture_output=True, text=True)

    def notices(self):
        with open(self.out, encoding="utf-8") as f:
            return f.read()

    # The same link as GNU ld (MinGW) and wasm-ld (emscripten) trace it, with relative paths
    # where the build gives them.
    TRACES = {
        "GNU ld": """
            /opt/runtime/lib/../lib/crt2.o
            /opt/gcc/12/crtbegin.o
            CMakeFiles/bexalo.dir/src/main.cpp.obj
            CMakeFiles/bexalo.dir/packaging/bexalo.rc.res
            {qt}/lib/libQt6Core.a
            ({qt}/lib/libQt6Core.a)qcryptographichash.cpp.obj
            (libbexalo_core.a)Esercizio.cpp.obj
            ({qt}/lib/libQt6BundledZLIB.a)deflate.c.obj
            ({qt}/lib/libQt6Gui.a)md4c.c.obj
            (/opt/gcc/12/../12/libstdc++.a)string.o
            {qt}/lib/objects-Release/Gui_resources_1/.rcc/qrc_qpdf.cpp.obj
            CMakeFiles/bexalo.dir/bexalo_autogen/.rcc/qrc_webfonts.cpp.obj
            """,
        "wasm-ld": """
            {build}/CMakeFiles/bexalo.dir/src/main.cpp.o
            {qt}/lib/libQt6BundledZLIB.a(deflate.c.o)
            {qt}/lib/libQt6Core.a(qcryptographichash.cpp.o)
            {qt}/lib/libQt6Gui.a(md4c.c.o)
            /opt/gcc/libstdc++.a(string.o)
            /opt/runtime/sysroot/libc.a(malloc.o)
            {qt}/lib/objects-MinSizeRel/Gui_resources_1/.rcc/qrc_qpdf.cpp.o
            {build}/CMakeFiles/bexalo.dir/bexalo_autogen/.rcc/qrc_webfonts.cpp.o
            """,
    }

    def test_what_is_linked_gets_its_notice_and_nothing_else(self):
        for form, linked in self.TRACES.items():
            with self.subTest(form):
                result = self.run_notices(linked)
                self.assertEqual(result.returncode, 0, result.stderr)
                text = self.notices()
                for linked in ("Zlib Library", "The zlib licence text.", "Sha1 Library", "Md4c Library",
                               "The md4c licence text.", "Fonts Library", "The runtime", "Runtime copyright text.",
                               "GCC runtime", "No notice needed: runtime exception", "LGPL 3 text.",
                               "Icc Library", "The icc licence text.", "Our fonts", "Our fonts' copyright.",
                               "(LICENSE.txt)", "qtbase 6.4.2"):
                    self.assertIn(linked, text)
                self.assertNotIn("Jpeg", text, "a part of Qt that was not linked has no notice")

    def test_a_linked_file_with_no_notice_stops_the_release(self):
        result = self.run_notices("""
            {qt}/lib/libQt6Core.a(qcryptographichash.cpp.obj)
            (/usr/lib/somewhere/libunknown.a)thing.o
            /opt/elsewhere/start.o
            """)
        self.assertNotEqual(result.returncode, 0)
        self.assertIn("/usr/lib/somewhere/libunknown.a", result.stderr)
        self.assertIn("/opt/elsewhere/start.o", result.stderr)
        self.assertFalse(os.path.exists(self.out), "no notices written")

    def test_data_is_noticed_only_when_the_program_holds_it(self):
        write(self.program, b"code without the font")
        result = self.run_notices("{qt}/lib/libQt6Core.a(qcryptographichash.cpp.obj)\n")
        self.assertEqual(result.returncode, 0, result.stderr)
        text = self.notices()
        self.assertIn("Sha1 Library", text)
        for absent in ("Fonts Library", "Icc Library", "Our fonts"):
            self.assertNotIn(absent, text, "no resource or bytes of it linked")


if __name__ == "__main__":
    unittest.main()
