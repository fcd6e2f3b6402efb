#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
"""Serves a folder as a plain static web server on 127.0.0.1 and prints its address.

    serve-web.py FOLDER [PORT] [--gzip-only]
        PORT 0 (the default 8080 otherwise) takes any free port; --gzip-only never sends the
        brotli files, as hosts that know only gzip do

Nothing but files: no server code, no cookies. The first line printed is the address. Every
answer carries the site's Content-Security-Policy (scripts/webpolicy.py), which lets the page
load and fetch from this server's own origin only.

Where a file has a precompressed twin beside it (NAME.br, NAME.gz, made by ./package-web) that
is not older than it, and the request accepts that encoding, the twin is sent as the file with
its Content-Encoding, as a static server set up for such files does; the plain file otherwise.
"""
import functools
import http.server
import os
import sys
import urllib.parse

import webpolicy

ENCODINGS = [("br", ".br"), ("gzip", ".gz")]


def accepted(header):
    """The content codings an Accept-Encoding header allows (q=0 refuses one)."""
    codings = set()
    for part in (header or "").split(","):
        name, *params = [p.strip() for p in part.split(";")]
        q = 1.0
        for param in params:
            key, _, value = param.partition("=")
            if key.strip().lower() == "q":
                try:
                    q = float(value)
                except ValueError:
                    q = 0.0
        if name and q > 0:
            codings.add(name.lower())
    return codings


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript", ".ico": "image/x-icon",
                      ".wav": "audio/wav", ".txt": "text/plain; charset=utf-8"}
    encodings = ENCODINGS

    def log_message(self, *args):
        pass

    def end_headers(self):
        self.send_header("Content-Security-Policy", webpolicy.SITE)
        super().end_headers()

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path) and urllib.parse.urlsplit(self.path).path.endswith("/"):
            path = os.path.join(path, "index.html")
        if not os.path.isfile(path):
            return super().send_head()
        # A twin older than its file is stale (tools that keep a file's time keep whole seconds).
        twins = [(coding, path + suffix) for coding, suffix in self.encodings
                 if os.path.isfile(path + suffix) and int(os.path.getmtime(path + suffix)) >= int(os.path.getmtime(path))]
        wanted = accepted(self.headers.get("Accept-Encoding"))
        for coding, twin in twins:
            if coding in wanted:
                return self.send_file(twin, self.guess_type(path), coding)
        if twins:
            return self.send_file(path, self.guess_type(path), None)
        return super().send_head()

    def send_file(self, path, content_type, coding):
        f = open(path, "rb")
        try:
            stat = os.fstat(f.fileno())
            self.send_response(200)
            self.send_header("Content-Type", content_type)
            if coding:
                self.send_header("Content-Encoding", coding)
            self.send_header("Vary", "Accept-Encoding")
            self.send_header("Content-Length", str(stat.st_size))
            self.send_header("Last-Modified", self.date_time_string(stat.st_mtime))
            self.end_headers()
            return f
        except Exception:
            f.close()
            raise


def main():
    args = [a for a in sys.argv[1:] if a != "--gzip-only"]
    folder = args[0]
    port = int(args[1]) if len(args) > 1 else 8080
    handler = Handler
    if "--gzip-only" in sys.argv[1:]:
        handler = type("GzipOnlyHandler", (Handler,), {"encodings": [e for e in ENCODINGS if e[0] == "gzip"]})
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(handler, directory=folder))
    print("http://127.0.0.1:%d/" % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
