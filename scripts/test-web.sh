#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The web part of ./test: builds the site and the one file with ./package-web, then plays them
# in three engines: Debian's Chromium (through its DevTools protocol) and Firefox ESR (through
# WebDriver BiDi), both driven by puppeteer-core (pinned in tests/web/package-lock.json), and
# Debian's WebKitGTK, Safari's engine, whose WebKitWebDriver drives its MiniBrowser over W3C
# WebDriver (tests/web/webkit.mjs); Firefox and WebKit draw on an Xvfb of their own. The site
# comes from scripts/serve-web.py on 127.0.0.1 (web.test.mjs), the one file from the disk
# (file.test.mjs). The test files run once per engine, which BEXALO_BROWSER names (chromium,
# firefox, webkit); BEXALO_BROWSERS="webkit" runs only the ones named. Then the teacher's guide
# of the site, of the one file and of the .deb, in Chromium (scripts/test-guide.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/package-web"
source "$root/scripts/web.sh"
bexalo_web_browsers
bexalo_web_node_modules
bexalo_web_linux_tools
cd "$root/tests/web"
for browser in ${BEXALO_BROWSERS:-chromium firefox webkit}; do
    started=$(date +%s)
    BEXALO_BROWSER=$browser node --test --test-concurrency=1 web.test.mjs file.test.mjs
    echo "Browser tests in $browser took $(( $(date +%s) - started )) s"
done

# The teacher's guide of the site (served), beside the one file, and of the .deb, which the
# Linux build configured above makes (built in whole first: CPack installs what the build made).
cmake --build "$BEXALO_BUILD" -j"$(nproc)" > /dev/null
deb_dir=$BEXALO_BUILD/guide-deb
rm -rf "$deb_dir"
cpack --config "$BEXALO_BUILD/CPackConfig.cmake" -G DEB -B "$deb_dir" > /dev/null
bash "$root/scripts/test-guide.sh" "$BEXALO_WEB_SITE" "$BEXALO_WEB_BUILD/guida.html" "$deb_dir"/bexalo_*.deb
