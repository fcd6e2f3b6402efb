#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
"""guide.py CMARK GUIDE.md STYLE.css OUT: the teacher's guide as one page that needs nothing beside it.

The Markdown is read by CMARK (Debian's cmark-gfm, GitHub's own CommonMark reader, so the page
says what the guide shows where it is written), raw HTML left out. Around it: an Italian page
(lang="it", UTF-8) with the style of STYLE.css inline, every picture as a data: address of its
own bytes, an id on each section heading and a list of the sections under the title. Its head
opens with a Content-Security-Policy that allows that one style and data: pictures and nothing
else (scripts/webpolicy.py): the page makes no request. A picture that is not beside the guide,
or a link to a file that does not travel with the page, stops the build. Nothing of the time or
the place of the build goes in: the same source gives the same bytes.
"""
import base64
import html
import os
import re
import subprocess
import sys
import unicodedata

import webpolicy

PICTURE_TYPES = {".png": "image/png", ".jpg": "image/jpeg", ".jpeg": "image/jpeg", ".svg": "image/svg+xml"}
# Links that leave the page on purpose; the browser opens them only when clicked.
OUTSIDE = re.compile(r"^(https?:|mailto:)")


def fail(message):
    sys.exit("guide.py: " + message)


def slug(text, taken):
    """A heading's id as GitHub makes it: lower case, letters, digits, '-' and '_', spaces to '-'."""
    text = unicodedata.normalize("NFC", html.unescape(re.sub(r"<[^>]+>", "", text))).lower()
    base = re.sub(r"[^\w\- ]", "", text).replace(" ", "-")
    name, n = base, 1
    while name in taken:
        name, n = "%s-%d" % (base, n), n + 1
    taken.add(name)
    return name


def main():
    if len(sys.argv) != 5:
        fail("usage: guide.py CMARK GUIDE.md STYLE.css OUT")
    cmark, source, style_file, out = sys.argv[1:]
    folder = os.path.dirname(os.path.abspath(source))
    body = subprocess.run([cmark, "--to", "html", source], check=True, capture_output=True,
                          encoding="utf-8").stdout
    with open(style_file, encoding="utf-8") as f:
        style = f.read()

    def picture(match):
        address = html.unescape(match.group(2))
        kind = PICTURE_TYPES.get(os.path.splitext(address)[1].lower())
        if re.match(r"^[a-z][a-z0-9+.-]*:|^/", address, re.IGNORECASE) or kind is None:
            fail("the picture %s is not a picture file beside the guide" % address)
        path = os.path.join(folder, address)
        if not os.path.isfile(path):
            fail("the picture %s is missing" % path)
        with open(path, "rb") as f:
            data = base64.b64encode(f.read()).decode("ascii")
        return '%s"data:%s;base64,%s"' % (match.group(1), kind, data)

    body = re.sub(r'(<img src=)"([^"]*)"', picture, body)

    for address in re.findall(r'<a href="([^"]*)"', body):
        if not address.startswith("#") and not OUTSIDE.match(html.unescape(address)):
            fail("the guide links %s, which does not travel with the page" % address)

    taken, sections = set(), []

    def heading(match):
        level, text = match.group(1), match.group(2)
        name = slug(text, taken)
        if level == "2":
            sections.append((name, text))
        return '<h%s id="%s">%s</h%s>' % (level, name, text, level)

    body = re.sub(r"<h([1-6])>(.*?)</h\1>", heading, body)
    title = re.search(r"<h1[^>]*>(.*?)</h1>", body)
    if not title:
        fail("the guide has no title (a first-level heading)")
    contents = "".join('<li><a href="#%s">%s</a></li>\n' % s for s in sections)
    nav = '<nav aria-label="Indice">\n<ul>\n%s</ul>\n</nav>\n' % contents
    body = body[:title.end()] + "\n" + nav + body[title.end():]

    page = (
        "<!doctype html>\n"
        '<html lang="it">\n<head>\n'
        '<meta charset="utf-8">\n'
        '<meta http-equiv="Content-Security-Policy" content="%s">\n'
        '<meta name="viewport" content="width=device-width, initial-scale=1">\n'
        "<title>%s</title>\n"
        "<style>%s</style>\n"
        "</head>\n<body>\n%s</body>\n</html>\n"
    ) % (webpolicy.guide(style), re.sub(r"<[^>]+>", "", title.group(1)), style, body)
    with open(out + ".part", "w", encoding="utf-8", newline="\n") as f:
        f.write(page)
    os.replace(out + ".part", out)


if __name__ == "__main__":
    main()
