#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The web figures, measured and printed, never asserted: the transfer size of the site (raw,
# gzipped and brotli-compressed, as a web server would send it) and the time from navigation to
# the first frame in headless Chromium, both beside an empty Qt-for-WebAssembly window of the
# start window's size built with the same Qt and flags (bench/BaselineWindow.cpp).
#
# First frame: the page counts from navigation start (performance.now()) to the first WebGL
# draw call, the first picture Qt puts on the canvas; median of BEXALO_WEB_RUNS loads (9 by
# default), the two pages taking turns, each load in a fresh browser context. Three rounds:
# from scripts/serve-web.py as it is, then over an emulated school connection (DevTools: 10
# Mbit/s down, 40 ms latency, no cache) from a server that sends gzip only and from one that
# sends brotli.
#
# Usage: bench/web-bench.sh   (builds the site first when the program has changed, and the
# baseline in a build folder of its own, build-web/baseline/)
set -euo pipefail
shopt -s inherit_errexit # a failing step inside $(...) fails the script too
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/web.sh"
source "$root/bench/lib.sh"
# The site step is cheap when nothing changed, and the site measured is never older than the
# program.
bexalo_web_build
bexalo_web_configure "$BEXALO_WEB_BUILD/baseline" -DBEXALO_BUILD_BENCH=ON
cmake --build "$BEXALO_WEB_BUILD/baseline" --target bexalo_baseline -j"$(nproc)"

baseline=$BEXALO_WEB_BUILD/baseline-site
rm -rf "$baseline"
mkdir -p "$baseline"
cp "$BEXALO_WEB_BUILD/baseline/bexalo_baseline.js" "$BEXALO_WEB_BUILD/baseline/bexalo_baseline.wasm" \
    "$BEXALO_WEB_SITE/loader.js" "$BEXALO_WEB_SITE/favicon.ico" "$baseline/"
# The page names its program in the loader's data-program attribute.
sed 's/data-program="bexalo"/data-program="bexalo_baseline"/' \
    "$root/packaging/web/index.html" > "$baseline/index.html"
grep -q 'data-program="bexalo_baseline"' "$baseline/index.html" ||
    bexalo_fail "the page no longer loads its program the way this script expects"
bexalo_web_precompress "$baseline"

# The bytes of one file as sent: its precompressed twin when there is one, else compressed here.
packed() { # file suffix command...
    local f=$1 suffix=$2
    shift 2
    if [ -f "$f$suffix" ]; then
        stat -c %s "$f$suffix"
    else
        "$@" < "$f" | wc -c
    fi
}
sizes() { # folder -> "raw gzipped brotli" bytes of every file but the twins
    local raw=0 gz=0 br=0 f
    for f in "$1"/*; do
        case $f in *.gz | *.br) continue ;; esac
        raw=$((raw + $(stat -c %s "$f")))
        gz=$((gz + $(packed "$f" .gz gzip -9 -n -c)))
        br=$((br + $(packed "$f" .br brotli -q 11 -c)))
    done
    echo "$raw $gz $br"
}
mb() { awk -v b="$1" 'BEGIN { printf "%.2f MB", b / 1e6 }'; }
site_sizes=$(sizes "$BEXALO_WEB_SITE")
base_sizes=$(sizes "$baseline")
read -r site_raw site_gz site_br <<<"$site_sizes"
read -r base_raw base_gz base_br <<<"$base_sizes"
wasm=$BEXALO_WEB_SITE/bexalo.wasm
echo "site:      $(mb "$site_raw") raw, $(mb "$site_gz") gzipped, $(mb "$site_br") brotli" \
    "  (goal: at most 3.8 MB gzipped, 3.2 MB brotli)"
echo "  bexalo.wasm $(mb "$(stat -c %s "$wasm")") raw, $(mb "$(packed "$wasm" .gz gzip -9 -n -c)") gzipped," \
    "$(mb "$(packed "$wasm" .br brotli -q 11 -c)") brotli"
echo "baseline:  $(mb "$base_raw") raw, $(mb "$base_gz") gzipped, $(mb "$base_br") brotli"

cd "$root/tests/web"
[ -d node_modules ] || npm ci --no-audit --no-fund --ignore-scripts
runs=${BEXALO_WEB_RUNS:-9}
node "$root/bench/web-bench.mjs" "$BEXALO_WEB_SITE" "$baseline" "$runs" |
    while IFS=$'\t' read -r label encodings times_b times_0; do
        b=$(tr ' ' '\n' <<<"$times_b" | median)
        e=$(tr ' ' '\n' <<<"$times_0" | median)
        echo "first frame, $label (.wasm sent as $encodings): bexalo $b ms, empty Qt window $e ms," \
            "ratio $(ratio "$b" "$e") (median of $runs)"
        echo "  all runs: bexalo $times_b; baseline $times_0"
    done
