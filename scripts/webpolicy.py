# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
"""The Content-Security-Policy of the web edition: the browser itself forbids the page any
connection. One rule for both forms, and the teacher's guide, written here once:

- the site (scripts/serve-web.py sends it as a header; the README's Apache and nginx lines
  carry the same text): scripts, styles, the icon and the program's own fetches (bexalo.wasm,
  positivo.wav) from the site's own origin only;
- the one file (scripts/web-onefile.py puts it first in the page's head): no address at all but
  its inline scripts and style, each named by its hash, the icon as a data: address and the
  chime as a blob: address of its own bytes;
- the teacher's guide (scripts/guide.py puts it in the page's head, and the site, which carries
  the guide, allows the same): its one inline style, named by its hash, and its pictures as
  data: addresses; no script, no address at all.

Both allow WebAssembly ('wasm-unsafe-eval') and nothing else built at run time: no
'unsafe-eval' (the program is linked with -sDYNAMIC_EXECUTION=0), no inline script or style
that is not the page's own.

    webpolicy.py      prints the site's policy
"""
import base64
import hashlib
import os


def source_hash(text):
    """The CSP source that allows one inline script or style element whose text is TEXT."""
    return "'sha256-%s'" % base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode("ascii")


def policy(scripts, styles, images, connections):
    return "; ".join([
        "default-src 'none'",
        "script-src %s 'wasm-unsafe-eval'" % " ".join(scripts),
        "style-src " + " ".join(styles),
        "img-src " + " ".join(images),
        "connect-src " + " ".join(connections),
        "base-uri 'none'",
        "form-action 'none'",
    ])


# The guide's style, the one inline element the guide carries.
GUIDE_STYLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "packaging", "guida.css")


def guide_style_hash():
    with open(GUIDE_STYLE, encoding="utf-8") as f:
        return source_hash(f.read())


def guide(style_text):
    return "; ".join([
        "default-src 'none'",
        "style-src " + source_hash(style_text),
        "img-src data:",
        "base-uri 'none'",
        "form-action 'none'",
    ])


SITE = policy(["'self'"], ["'self'", guide_style_hash()], ["'self'", "data:"], ["'self'"])


def one_file(script_texts, style_texts):
    return policy([source_hash(t) for t in script_texts], [source_hash(t) for t in style_texts],
                  ["data:"], ["blob:"])


if __name__ == "__main__":
    print(SITE)
