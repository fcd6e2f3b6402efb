#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Makes the pictures of docs/ from the real program: plays the end-to-end sessions
# (tests/e2e/e2e_start.sh, e2e_exercises.sh) under Xvfb, keeps the windows they shoot, and
# shoots the web edition from build-web/site/ in headless Chromium when that site is built.
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

# The web edition: only when ./package-web has built the site.
site=$root/build-web/site
if [ -f "$site/index.html" ] && [ -f "$site/bexalo.wasm" ]; then
    port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    python3 -m http.server --bind 127.0.0.1 --directory "$site" "$port" >/dev/null 2>&1 &
    server=$!
    trap 'kill "$server" 2>/dev/null || true; rm -rf "$shots"' EXIT
    sleep 1
    chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1000,700 \
        --virtual-time-budget=15000 --user-data-dir="$shots/chromium" \
        --screenshot="$shots/web.png" "http://127.0.0.1:$port/" >/dev/null 2>&1
    convert "$shots/web.png" -strip "$docs/browser.png"
else
    echo "no built site in build-web/site (./package-web makes it): the web picture is skipped" >&2
fi

optipng -quiet -o5 "$docs"/*.png
du -ch "$docs"/*.png | tail -n1
