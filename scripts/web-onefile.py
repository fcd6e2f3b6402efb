#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
"""web-onefile.py SITE OUT: the site folder made into one page that needs nothing beside it.

The site's page with, in place of what it fetches, the same files in the page itself: the loader
and the program's script as scripts, the WebAssembly and every sound (*.wav) as base64 text in
script elements the loader reads, the icon as a data: address, and every licence text (*.txt)
as plain text at the end, named in a comment at the top. Opened from a disk (file://) it makes
no request at all.
"""
import base64
import html
import os
import re
import sys


def fail(message):
    sys.exit("web-onefile.py: " + message)


def read(path, mode="r"):
    with open(path, mode, **({} if "b" in mode else {"encoding": "utf-8"})) as f:
        return f.read()


def script(text, attributes=""):
    # A script element ends at the first "</script"; the HTML parser's escaped states start at
    # "<!--". Neither may be inside.
    if re.search(r"</script|<!--", text, re.IGNORECASE):
        fail("text that would end its script element early: " + text[:60].replace("\n", " "))
    return "<script%s>%s</script>\n" % (attributes, text)


def data(element_id, raw):
    return script(base64.b64encode(raw).decode("ascii"),
                  ' type="application/octet-stream" id="%s"' % html.escape(element_id))


def main():
    if len(sys.argv) != 3:
        fail("usage: web-onefile.py SITE OUT")
    site, out = sys.argv[1:]
    page = read(os.path.join(site, "index.html"))
    found = re.findall(r'<script src="([^"]+)" data-program="([^"]+)"></script>\n', page)
    if len(found) != 1:
        fail("index.html must load its program with one <script src=... data-program=...>")
    loader, program = found[0]
    names = sorted(os.listdir(site))
    licences = [n for n in names if n.endswith(".txt")]
    embedded = data("bexalo-wasm", read(os.path.join(site, program + ".wasm"), "rb"))
    for sound in (n for n in names if n.endswith(".wav")):
        embedded += data("bexalo-sound-" + sound, read(os.path.join(site, sound), "rb"))
    embedded += script(read(os.path.join(site, program + ".js")))
    embedded += script(read(os.path.join(site, loader)), ' data-program="%s"' % html.escape(program))
    page = page.replace('<script src="%s" data-program="%s"></script>\n' % found[0], embedded)

    icon = '<link rel="icon" href="favicon.ico">'
    if page.count(icon) != 1:
        fail("index.html must name its icon as " + icon)
    page = page.replace(icon, '<link rel="icon" href="data:image/x-icon;base64,%s">'
                        % base64.b64encode(read(os.path.join(site, "favicon.ico"), "rb")).decode("ascii"))

    notice = ("<!-- bexalo in one file. Its licence texts are at the end of this file: %s. -->\n"
              % ", ".join(licences))
    if not page.startswith("<!doctype html>\n"):
        fail("index.html must start with <!doctype html>")
    page = page.replace("<!doctype html>\n", "<!doctype html>\n" + notice, 1)
    texts = "".join(script(read(os.path.join(site, n)), ' type="text/plain" id="%s"' % html.escape(n))
                    for n in licences)
    if page.count("</body>") != 1:
        fail("index.html must have one </body>")
    page = page.replace("</body>", texts + "</body>")

    left = [m for m in re.findall(r'(?:src|href)="([^"]+)"', page) if not m.startswith("data:")]
    if left:
        fail("the page still fetches " + ", ".join(left))
    with open(out + ".part", "w", encoding="utf-8") as f:
        f.write(page)
    os.replace(out + ".part", out)


main()
