#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
"""web-onefile.py SITE OUT: the site folder made into one page that needs nothing beside it.

The site's page with, in place of what it fetches, the same files in the page itself: its
scripts (the loader, the page's own, and the program's script before the loader) and its style
sheet inline, the WebAssembly gzipped and every sound (*.wav) as base64 text in script elements
(pieces of 64 KiB) the loader reads, the icon as a data: address, and every licence text (*.txt) as plain text at
the end, named in a comment at the top. Its head opens with a Content-Security-Policy that
allows those inline scripts and that style by their hashes and no address at all
(scripts/webpolicy.py): opened from a disk (file://) it makes no request, and the browser
refuses any it were asked to make. No shipped script may build code at run time (eval, new
Function), which that policy forbids: such a script stops the build here.
"""
import base64
import gzip
import html
import os
import re
import sys

import webpolicy


def fail(message):
    sys.exit("web-onefile.py: " + message)


def read(path, mode="r"):
    with open(path, mode, **({} if "b" in mode else {"encoding": "utf-8"})) as f:
        return f.read()


# What builds code from text at run time, in a script's text.
BUILDS_CODE = re.compile(r"\beval\s*\(|\bnew\s+Function\b|(?<![\w.$])Function\s*\(")


def script(text, attributes=""):
    # A script element ends at the first "</script"; the HTML parser's escaped states start at
    # "<!--". Neither may be inside.
    if re.search(r"</script|<!--", text, re.IGNORECASE):
        fail("text that would end its script element early: " + text[:60].replace("\n", " "))
    return "<script%s>%s</script>\n" % (attributes, text)


def gzipped(path):
    """The file's bytes gzipped: its twin NAME.gz when the site has one (./package-web makes it
    with zopfli, smaller than zlib's best) and it unpacks to the file, else zlib's level 9."""
    raw = read(path, "rb")
    if os.path.isfile(path + ".gz"):
        packed = read(path + ".gz", "rb")
        if gzip.decompress(packed) == raw:
            return packed
    return gzip.compress(raw, compresslevel=9, mtime=0)


# The base64 text of an embedded file goes into pieces of this many characters, each a script
# element of its own: WebKit's HTML parser takes time that grows with the square of one element's
# text (5.5 s for the program in one element, 0.3 s in pieces of 64 KiB).
DATA_PIECE = 65536
# What follows each piece of the program but the last, and the last (packaging/web/loader.js).
PIECE_READ = ("bexaloPieceRead(false)", "bexaloPieceRead(true)")


def data(name, raw, encoding=None, read=None):
    """The pieces of NAME's bytes. With READ (the loader's calls that take a piece as soon as the
    parser has read it: one for every piece but the last, one for the last), each piece is
    followed by its call; without, the bytes are read when asked for."""
    text = base64.b64encode(raw).decode("ascii")
    attributes = (' type="application/octet-stream" data-embedded="%s"%s'
                  % (html.escape(name), ' data-encoding="%s"' % encoding if encoding else ""))
    starts = range(0, len(text), DATA_PIECE)
    return "".join(script(text[i:i + DATA_PIECE], attributes)
                   + (script(read[i + DATA_PIECE >= len(text)]) if read else "") for i in starts)


def main():
    if len(sys.argv) != 3:
        fail("usage: web-onefile.py SITE OUT")
    site, out = sys.argv[1:]
    page = read(os.path.join(site, "index.html"))
    names = sorted(os.listdir(site))
    licences = [n for n in names if n.endswith(".txt")]
    scripts, styles = [], []  # the inline texts the policy allows

    def code(name):
        text = read(os.path.join(site, name))
        found = BUILDS_CODE.search(text)
        if found:
            line = text.count("\n", 0, found.start()) + 1
            fail("%s builds code at run time (line %d: %r), which the page's policy forbids"
                 % (name, line, text[found.start():found.start() + 40]))
        scripts.append(text)
        return text

    # The loader, then the program's data, which it starts compiling as the parser reads each
    # piece, and script; then the page's other scripts.
    found = re.findall(r'<script src="([^"]+)" data-program="([^"]+)"></script>\n', page)
    if len(found) != 1:
        fail("index.html must load its program with one <script src=... data-program=...>")
    loader, program = found[0]
    embedded = script(code(loader), ' data-program="%s"' % html.escape(program))
    scripts.extend(PIECE_READ)
    embedded += data("bexalo-wasm", gzipped(os.path.join(site, program + ".wasm")), "gzip", PIECE_READ)
    for sound in (n for n in names if n.endswith(".wav")):
        embedded += data("bexalo-sound-" + sound, read(os.path.join(site, sound), "rb"))
    embedded += script(code(program + ".js"))
    page = page.replace('<script src="%s" data-program="%s"></script>\n' % found[0], embedded)
    page = re.sub(r'<script src="([^"]+)"></script>\n', lambda m: script(code(m.group(1))), page)

    def style(m):
        styles.append(read(os.path.join(site, m.group(1))))
        return "<style>%s</style>" % styles[-1]
    page = re.sub(r'<link rel="stylesheet" href="([^"]+)">', style, page)

    icon = '<link rel="icon" href="favicon.ico">'
    if page.count(icon) != 1:
        fail("index.html must name its icon as " + icon)
    page = page.replace(icon, '<link rel="icon" href="data:image/x-icon;base64,%s">'
                        % base64.b64encode(read(os.path.join(site, "favicon.ico"), "rb")).decode("ascii"))

    # The policy first in the head, so that it covers everything after it.
    if page.count("<head>\n") != 1:
        fail("index.html must have one <head>")
    policy = webpolicy.one_file(scripts, styles)
    if '"' in policy:
        fail("the policy cannot stand in a quoted attribute: " + policy)
    page = page.replace("<head>\n", '<head>\n<meta http-equiv="Content-Security-Policy" content="%s">\n'
                        % html.escape(policy, quote=False), 1)

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

    # What the page fetches; a link (<a href>) is only followed when clicked.
    left = [m for m in re.findall(r'<(?!a\b)[^<>]*\b(?:src|href)="([^"]+)"', page) if not m.startswith("data:")]
    if left:
        fail("the page still fetches " + ", ".join(left))
    if page.find('<meta charset="utf-8">') > 1000:
        fail("the page's character set must be named in its first 1024 bytes")
    with open(out + ".part", "w", encoding="utf-8") as f:
        f.write(page)
    os.replace(out + ".part", out)


main()
