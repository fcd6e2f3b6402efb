#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The web part of ./test: builds the site with ./package-web, then plays it in Debian's
# Chromium (through its DevTools protocol) and in Debian's Firefox ESR (through WebDriver BiDi,
# on an Xvfb of its own for WebGL), each driven by puppeteer-core (pinned in
# tests/web/package-lock.json), from a plain static server on 127.0.0.1. The test file runs
# once per browser, which BEXALO_BROWSER names.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/package-web"
source "$root/scripts/setup.sh"
bexalo_install_packages chromium firefox-esr xvfb
command -v npm > /dev/null || bexalo_install_packages npm

cd "$root/tests/web"
# The packages are installed again only when the lock file changes.
if [ ! -f node_modules/.bexalo-lock ] || ! cmp -s package-lock.json node_modules/.bexalo-lock; then
    npm ci --no-audit --no-fund --ignore-scripts
    cp package-lock.json node_modules/.bexalo-lock
fi
for browser in chromium firefox; do
    started=$(date +%s)
    BEXALO_BROWSER=$browser node --test --test-concurrency=1 web.test.mjs
    echo "Browser tests in $browser took $(( $(date +%s) - started )) s"
done
