#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The web figures, measured and printed, never asserted:
# - the transfer size of the site (raw, gzipped and brotli-compressed, as a web server would send
#   it) beside an empty Qt-for-WebAssembly window of the start window's size built with the same
#   Qt and flags (bench/BaselineWindow.cpp), and the one file's size beside the site's;
# - in Chromium, Firefox ESR and WebKitGTK: the time from navigation to the first frame of the
#   one file opened from the disk and of the site from scripts/serve-web.py on 127.0.0.1, the two
#   taking turns, each load in a fresh browser context (in WebKit a fresh MiniBrowser);
# - in Chromium besides: the site beside the empty window, as served here and over an emulated
#   school connection (DevTools: 10 Mbit/s down, 40 ms latency, no cache) from a server that
#   sends gzip only and from one that sends brotli;
# - the program's memory after a long play (every direction and level BEXALO_WEB_HEAP_ROUNDS
#   times, 5 by default, each window opened, played to "Esatto" and closed), in Chromium.
#
# First frame: bench/web-probe.js, put first into copies of the pages (build-web/bench/), counts
# from navigation start (performance.now()) to the first WebGL draw call, the first picture Qt
# puts on the canvas; median of BEXALO_WEB_RUNS loads (9 by default). BEXALO_BROWSERS names the
# engines (all three by default); BEXALO_WEB_BASELINE=0 leaves out the empty window (its build
# and the rounds beside it).
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
baseline=
if [ "${BEXALO_WEB_BASELINE:-1}" != 0 ]; then
    bexalo_web_configure "$BEXALO_WEB_BUILD/baseline" -DBEXALO_BUILD_BENCH=ON
    cmake --build "$BEXALO_WEB_BUILD/baseline" --target bexalo_baseline -j"$(nproc)"

    baseline=$BEXALO_WEB_BUILD/baseline-site
    rm -rf "$baseline"
    mkdir -p "$baseline"
    bexalo_web_page "$baseline"
    cp "$BEXALO_WEB_BUILD/baseline/bexalo_baseline.js" "$BEXALO_WEB_BUILD/baseline/bexalo_baseline.wasm" \
        "$BEXALO_WEB_SITE/favicon.ico" "$baseline/"
    # The page names its program in the loader's data-program attribute.
    sed -i 's/data-program="bexalo"/data-program="bexalo_baseline"/' "$baseline/index.html"
    grep -q 'data-program="bexalo_baseline"' "$baseline/index.html" ||
        bexalo_fail "the page no longer loads its program the way this script expects"
    bexalo_web_precompress "$baseline"
fi

# The copies that are timed: each page with bench/web-probe.js first in its head.
probed=$BEXALO_WEB_BUILD/bench
rm -rf "$probed"
mkdir -p "$probed/site"
probe() { # PAGE OUT ELEMENT: PAGE with ELEMENT first in its head, into OUT
    python3 - "$@" <<'PY'
import sys
page, out, element = sys.argv[1:]
text = open(page, encoding="utf-8").read()
if text.count("<head>\n") != 1:
    sys.exit("web-bench.sh: %s has no <head> of its own" % page)
open(out, "w", encoding="utf-8").write(text.replace("<head>\n", "<head>\n" + element + "\n", 1))
PY
}
for pair in "$BEXALO_WEB_SITE:site" ${baseline:+"$baseline:baseline"}; do
    mkdir -p "$probed/${pair#*:}"
    for f in "${pair%%:*}"/*; do
        ln -s "$f" "$probed/${pair#*:}/"
    done
    rm "$probed/${pair#*:}/index.html"
    cp "$root/bench/web-probe.js" "$probed/${pair#*:}/"
    probe "${pair%%:*}/index.html" "$probed/${pair#*:}/index.html" '<script src="web-probe.js"></script>'
done
probe "$BEXALO_WEB_BUILD/bexalo.html" "$probed/bexalo.html" "<script>$(cat "$root/bench/web-probe.js")</script>"

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
base_sizes=0
[ -z "$baseline" ] || base_sizes=$(sizes "$baseline")
read -r site_raw site_gz site_br <<<"$site_sizes"
read -r base_raw base_gz base_br <<<"$base_sizes"
wasm=$BEXALO_WEB_SITE/bexalo.wasm
echo "site:      $(mb "$site_raw") raw, $(mb "$site_gz") gzipped, $(mb "$site_br") brotli" \
    "  (goal: at most 3.8 MB gzipped, 3.2 MB brotli)"
echo "  bexalo.wasm $(mb "$(stat -c %s "$wasm")") raw, $(mb "$(packed "$wasm" .gz gzip -9 -n -c)") gzipped," \
    "$(mb "$(packed "$wasm" .br brotli -q 11 -c)") brotli"
[ -z "$baseline" ] || echo "baseline:  $(mb "$base_raw") raw, $(mb "$base_gz") gzipped, $(mb "$base_br") brotli"

one_file=$BEXALO_WEB_BUILD/bexalo.html
echo "one file:  $(mb "$(stat -c %s "$one_file")") raw ($(ratio "$(stat -c %s "$one_file")" "$site_raw") the site's raw size;" \
    "goal: at most 5.0 MB)"

bexalo_web_browsers
bexalo_web_node_modules
bexalo_web_linux_tools
runs=${BEXALO_WEB_RUNS:-9}
node "$root/bench/web-bench.mjs" "$probed/site" "${baseline:+$probed/baseline}" "$probed/bexalo.html" "$runs" \
    "${BEXALO_WEB_HEAP_ROUNDS:-5}" |
    while IFS=$'\t' read -r kind f1 f2 f3 f4; do
        case $kind in
            start)
                b=$(tr ' ' '\n' <<<"$f2" | median)
                s=$(tr ' ' '\n' <<<"$f3" | median)
                echo "first frame in $f1: the one file $b ms, the site $s ms, ratio $(ratio "$b" "$s") (median of $runs;" \
                    "goal: at most 1500 ms and 1.2x)"
                echo "  all runs: the one file $f2; the site $f3"
                ;;
            round)
                b=$(tr ' ' '\n' <<<"$f3" | median)
                e=$(tr ' ' '\n' <<<"$f4" | median)
                echo "first frame in chromium, $f1 (.wasm sent as $f2): bexalo $b ms, empty Qt window $e ms," \
                    "ratio $(ratio "$b" "$e") (median of $runs)"
                echo "  all runs: bexalo $f3; baseline $f4"
                ;;
            heap)
                echo "heap in chromium: $(mb "$f1") at the start window, $(mb "$f2") after $f3 exercises"
                ;;
        esac
    done
