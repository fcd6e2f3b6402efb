#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Makes the pictures of docs/ from the real program: plays the end-to-end sessions
# (tests/e2e/e2e_start.sh, e2e_exercises.sh) under Xvfb, keeps the windows they shoot, and
# shoots the web edition from build-web/site/ (./package-web makes it) in headless Chromium.
# Usage: tools/screenshots.sh [path to the built bexalo, default build/bexalo]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
program=$(readlink -f "${1:-$root/build/bexalo}")
[ -x "$program" ] || { echo "no program at $program: build it first (cmake --build build --target bexalo)" >&2; exit 1; }
docs=$root/docs
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT

if ! command -v optipng >/dev/null; then
    if [ "$(id -u)" -eq 0 ]; then apt-get install -y optipng; else sudo apt-get install -y optipng; fi
fi

bash "$root/tests/e2e/e2e_start.sh" "$program" "$shots"
bash "$root/tests/e2e/e2e_exercises.sh" "$program" "$shots"

# picture in docs/ <- screenshot of the sessions
pictures=(
    "finestra-iniziale:start-window"
    "dal-grafico-all-abaco:op1-exercise"
    "dall-abaco-al-grafico:op2-exercise"
    "esatto:op1-esatto"
    "errato-aiuto:op1-errato-1"
    "terzo-no:message-box"
)
for p in "${pictures[@]}"; do
    [ -f "$shots/${p#*:}.png" ] || { echo "the sessions left no ${p#*:}.png" >&2; exit 1; }
    convert "$shots/${p#*:}.png" -strip "$docs/${p%%:*}.png"
done

# The web edition, as the browser tests see it: the site from scripts/serve-web.py (its address
# once it listens), the start window shot once its curtains have opened and stopped. Without a
# built site docs/browser.png would be left as it was, older than the rest: that fails.
site=$root/build-web/site
if [ ! -f "$site/index.html" ] || [ ! -f "$site/bexalo.wasm" ]; then
    echo "no built site in build-web/site: run ./package-web first (docs/browser.png is not made)" >&2
    exit 1
fi
# shellcheck source=../scripts/web.sh
source "$root/scripts/web.sh"
bexalo_web_browsers
bexalo_web_node_modules
BEXALO_SHOT=$shots/web.png node --input-type=module -e "
import { writeFileSync } from 'node:fs';
import { serve, launch, Session } from '$root/tests/web/lib.mjs';
import { startWindow } from '$root/tests/web/play.mjs';
const server = await serve();
const browser = await launch('chromium');
try {
  const s = await Session.open(browser.browser, server.url, { view: { width: 1000, height: 700 } });
  await startWindow(s);
  writeFileSync(process.env.BEXALO_SHOT, (await s.shot()).raw);
  await s.close();
} finally {
  await browser.close();
  server.close();
}
"
convert "$shots/web.png" -strip "$docs/browser.png"

optipng -quiet -o5 "$docs"/*.png
du -ch "$docs"/*.png | tail -n1
