#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The web figures, measured and printed, never asserted: the transfer size of the site (raw,
# and gzipped as a web server would send it) and the time from navigation to the first frame
# in headless Chromium, both beside an empty Qt-for-WebAssembly window of the start window's
# size built with the same Qt and flags (bench/BaselineWindow.cpp).
#
# First frame: the page counts from navigation start (performance.now()) to the first WebGL
# draw call, the first picture Qt puts on the canvas; median of BEXALO_WEB_RUNS loads (9 by
# default), the two pages taking turns, each load in a fresh browser context.
#
# Usage: bench/web-bench.sh   (after ./package-web; builds the baseline into build-web/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/web.sh"
bexalo_web_program
# The baseline is built beside the program, then left out again so that ./package-web does not
# link it every time.
cmake -S "$root" -B "$BEXALO_WEB_BUILD/program" -DBEXALO_BUILD_BENCH=ON > /dev/null
cmake --build "$BEXALO_WEB_BUILD/program" --target bexalo_baseline -j"$(nproc)"
cmake -S "$root" -B "$BEXALO_WEB_BUILD/program" -DBEXALO_BUILD_BENCH=OFF > /dev/null
[ -f "$BEXALO_WEB_SITE/bexalo.wasm" ] || bexalo_web_build

baseline=$BEXALO_WEB_BUILD/baseline-site
rm -rf "$baseline"
mkdir -p "$baseline"
cp "$BEXALO_WEB_BUILD/program/bexalo_baseline.js" "$BEXALO_WEB_BUILD/program/bexalo_baseline.wasm" \
    "$BEXALO_WEB_BUILD/program/qtloader.js" "$BEXALO_WEB_SITE/favicon.ico" "$baseline/"
sed 's/loadEmscriptenModule("bexalo")/loadEmscriptenModule("bexalo_baseline")/' \
    "$root/packaging/web/index.html" > "$baseline/index.html"

sizes() { # folder -> "raw gzipped" bytes of every file
    local raw=0 gz=0 f
    for f in "$1"/*; do
        raw=$((raw + $(stat -c %s "$f")))
        gz=$((gz + $(gzip -9 -c "$f" | wc -c)))
    done
    echo "$raw $gz"
}
read -r site_raw site_gz <<<"$(sizes "$BEXALO_WEB_SITE")"
read -r base_raw base_gz <<<"$(sizes "$baseline")"
wasm_raw=$(stat -c %s "$BEXALO_WEB_SITE/bexalo.wasm")
wasm_gz=$(gzip -9 -c "$BEXALO_WEB_SITE/bexalo.wasm" | wc -c)
mb() { awk -v b="$1" 'BEGIN { printf "%.2f MB", b / 1e6 }'; }
echo "site:      $(mb "$site_raw") raw, $(mb "$site_gz") gzipped   (goal: under 4 MB gzipped)"
echo "  bexalo.wasm $(mb "$wasm_raw") raw, $(mb "$wasm_gz") gzipped"
echo "baseline:  $(mb "$base_raw") raw, $(mb "$base_gz") gzipped"

cd "$root/tests/web"
[ -d node_modules ] || npm ci --no-audit --no-fund --ignore-scripts
node "$root/bench/web-bench.mjs" "$BEXALO_WEB_SITE" "$baseline" "${BEXALO_WEB_RUNS:-9}"
