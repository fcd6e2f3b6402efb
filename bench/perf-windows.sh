#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The Windows twin of perf.sh: bexalo.exe under Wine beside an empty Qt window cross-built the
# same way (bench/BaselineWindow.cpp, static, same Qt and flags), and the sizes of what
# ./package-windows makes. Measured and printed, never asserted.
#
# Method. Under Xvfb (no window manager), with one wineserver kept running so that every run
# finds Wine started, each program is started in turn; the time is taken from just before the
# shell starts it to the moment its window is mapped and viewable on the X server (polled every
# 10 ms with xdotool), and the program is then ended. Median of BEXALO_PERF_RUNS runs each.
# Wine's own start-up is in both figures alike.
#
# Usage: bench/perf-windows.sh     (after ./package-windows; BEXALO_PERF_RUNS=11 by default;
#                                   builds build-windows-bench/ beside build-windows/)
set -euo pipefail
BENCH_DIR=$(cd "$(dirname "$0")" && pwd)
# The release measured is the one in the Windows build folder; the programs timed are built in
# a folder of their own beside it, with the benchmark targets, so build-windows' options stay.
RELEASE=${BEXALO_WINDOWS_BUILD:-$(cd "$BENCH_DIR/.." && pwd)/build-windows}
export BEXALO_WINDOWS_BUILD=$RELEASE-bench
source "$BENCH_DIR/../scripts/windows.sh"
source "$BENCH_DIR/lib.sh"
RUNS=${BEXALO_PERF_RUNS:-11}
BUILD=$BEXALO_WINDOWS_BUILD

bexalo_windows_configure
cmake -S "$BEXALO_ROOT" -B "$BUILD" -DBEXALO_BUILD_BENCH=ON >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target bexalo bexalo_baseline >/dev/null
[ -f "$BUILD/bexalo.exe" ] && [ -f "$BUILD/bexalo_baseline.exe" ]

WORK=$(mktemp -d)
export WINEPREFIX=$BUILD/wine-bench
bexalo_wine_prefix "$WINEPREFIX"
trap 'bexalo_wineserver -k 2>/dev/null || true; kill ${BEXALO_XVFB_PID:-} 2>/dev/null || true; rm -rf "$WORK"' EXIT
bexalo_start_xvfb
unset QT_QPA_PLATFORM
bexalo_wineserver -p

# startup PROGRAM TITLE: milliseconds from the start to its window mapped; a window that does
# not appear within 30 seconds stops the benchmark.
startup() {
    local t0 t1='' pid
    t0=$(date +%s%N)
    "$(bexalo_wine_binary)" "$1" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 1 3000); do
        if xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; then
            t1=$(date +%s%N)
            break
        fi
        sleep 0.01
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    # Let the window go before the next run.
    for _ in $(seq 1 300); do
        xdotool search --name "^$2\$" >/dev/null 2>&1 || break
        sleep 0.01
    done
    [ -n "$t1" ] || bexalo_fail "$(basename "$1") showed no window \"$2\" within 30 s: no figure is made without it"
    echo $(( (t1 - t0) / 1000000 ))
}

echo "Measuring under $(bexalo_wine --version 2>/dev/null) on $(nproc) cores, display $DISPLAY ..." >&2
startup "$BUILD/bexalo.exe" ORVENTA >/dev/null # warm the file cache for both
startup "$BUILD/bexalo_baseline.exe" baseline >/dev/null
: >"$WORK/bexalo"
: >"$WORK/baseline"
for _ in $(seq 1 "$RUNS"); do
    startup "$BUILD/bexalo.exe" ORVENTA >>"$WORK/bexalo"
    startup "$BUILD/bexalo_baseline.exe" baseline >>"$WORK/baseline"
done
start_b=$(median <"$WORK/bexalo")
start_0=$(median <"$WORK/baseline")

version=$(bexalo_build_version "$RELEASE")
size() { if [ -f "$1" ]; then stat -c %s "$1"; else echo "(none: run ./package-windows)"; fi; }
row() { printf '%-46s %12s %12s %7s   %s\n' "$@"; }
echo
row "figure" "bexalo" "baseline" "ratio" "goal"
row "start to window shown (ms, median of $RUNS)" "$start_b" "$start_0" \
    "$(ratio "$start_b" "$start_0")" "<= 1.15x"
row "bexalo.exe, stripped (bytes)" "$(size "$RELEASE/stage/bexalo-$version-windows-x64/bexalo.exe")" \
    "$(size "$BUILD/bexalo_baseline.exe")" "" ""
row "zip (bytes)" "$(size "$RELEASE/bexalo-$version-windows-x64.zip")" "" "" "< 10 MB"
row "installer (bytes)" "$(size "$RELEASE/bexalo-$version-setup-x64.exe")" "" "" ""
row "MSI (bytes)" "$(size "$RELEASE/bexalo-$version-x64.msi")" "" "" ""
echo "runs (ms): bexalo $(tr '\n' ' ' <"$WORK/bexalo"); baseline $(tr '\n' ' ' <"$WORK/baseline")"
