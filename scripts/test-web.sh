#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The web part of ./test: builds the site and the one file with ./package-web, then plays them
# in Debian's Chromium (through its DevTools protocol) and in Debian's Firefox ESR (through
# WebDriver BiDi, on an Xvfb of its own for WebGL), each driven by puppeteer-core (pinned in
# tests/web/package-lock.json): the site from a plain static server on 127.0.0.1
# (web.test.mjs), the one file from the disk (file.test.mjs). The test files run once per
# browser, which BEXALO_BROWSER names.
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
# The bad sound file the tests serve is written by the Linux build's tool, from the unit
# tests' own table; the Linux build is configured as ./test configures it, if it is not yet.
bexalo_install_packages "${bexalo_build_packages[@]}"
bexalo_configure "$BEXALO_BUILD" host cmake -S "$root" -B "$BEXALO_BUILD" -G Ninja "${bexalo_test_build_options[@]}"
cmake --build "$BEXALO_BUILD" --target write_sound_file write_form_designs > /dev/null
export BEXALO_BUILD
for browser in chromium firefox; do
    started=$(date +%s)
    BEXALO_BROWSER=$browser node --test --test-concurrency=1 web.test.mjs file.test.mjs
    echo "Browser tests in $browser took $(( $(date +%s) - started )) s"
done
