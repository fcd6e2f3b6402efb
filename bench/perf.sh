#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Prints bexalo's performance figures beside those of a baseline program (one empty Qt Widgets
# window of the start window's size, built with the same Qt and flags) and beside their goals.
# Nothing here is a test: the figures are measured, printed and never asserted.
#
# Method. Both programs run unchanged under Xvfb (no window manager), each with the probe
# bench/FirstFrameProbe.cpp preloaded, which measures both the same way from inside:
#   first frame  from just before the shell starts the program to the first event-loop turn
#                after the first Paint event, when that frame has gone to the X server
#                (median of BEXALO_PERF_RUNS runs, the two programs taking turns);
#   peak memory  VmHWM one second after bexalo's "Vai" has opened both exercise windows (the
#                baseline: one second after its first frame), median of 5 runs;
#   idle CPU     CPU time used over 10 seconds, starting 3 seconds after the first frame (the
#                curtains are open by then); the probe's own waiting thread costs about a
#                millisecond of it. Without the probe, strace then counts the system calls the
#                idle program makes over 10 seconds: a timer left running would show there.
# The in-process timings come from bench/bench_exercise.cpp (median of several samples).
#
# Usage: bench/perf.sh            (BEXALO_PERF_RUNS=21 by default; build dir build-bench)
set -euo pipefail

BENCH_DIR=$(cd "$(dirname "$0")" && pwd)
source "$BENCH_DIR/../scripts/setup.sh"
source "$BENCH_DIR/lib.sh"
bexalo_install_packages "${bexalo_build_packages[@]}" xvfb xauth strace
BUILD=${BEXALO_BENCH_BUILD:-$BEXALO_ROOT/build-bench}
RUNS=${BEXALO_PERF_RUNS:-21}

bexalo_configure "$BUILD" host cmake -S "$BEXALO_ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBEXALO_BUILD_BENCH=ON -DBEXALO_BUILD_TESTS=OFF
cmake --build "$BUILD" -j2 --target bexalo bexalo_baseline bexalo_probe bench_exercise >/dev/null

# A private X server on a free display.
WORK=$(mktemp -d)
trap 'kill ${BEXALO_XVFB_PID:-} 2>/dev/null || true; rm -rf "$WORK"' EXIT
bexalo_start_xvfb
export XDG_RUNTIME_DIR=$WORK
unset QT_QPA_PLATFORM

# probe PROGRAM MODE: one run, prints the probe's value; a run that gives none stops the
# benchmark, as a figure without it would be no figure.
probe() {
    local out=$WORK/probe.out value
    rm -f "$out"
    BEXALO_PROBE_MODE=$2 BEXALO_PROBE_OUT=$out BEXALO_PROBE_T0=$(date +%s%N) \
        LD_PRELOAD=$BUILD/libbexalo_probe.so timeout 60 "$1" >/dev/null 2>&1 || true
    value=$(cut -d= -f2 "$out" 2>/dev/null || true)
    [[ $value =~ ^[0-9]+(\.[0-9]+)?$ ]] ||
        bexalo_fail "$(basename "$1") gave no $2 figure (probe: \"$value\"): no figure is made without it"
    echo "$value"
}


# runs COUNT MODE: the two programs in turn, COUNT times each; fills $WORK/{bexalo,baseline}.MODE
runs() {
    : >"$WORK/bexalo.$2"
    : >"$WORK/baseline.$2"
    for _ in $(seq 1 "$1"); do
        probe "$BUILD/bexalo" "$2" >>"$WORK/bexalo.$2"
        probe "$BUILD/bexalo_baseline" "$2" >>"$WORK/baseline.$2"
    done
}

echo "Measuring on $(nproc) cores, Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6), display $DISPLAY ..." >&2
probe "$BUILD/bexalo" startup >/dev/null       # warm the file cache for both
probe "$BUILD/bexalo_baseline" startup >/dev/null
runs "$RUNS" startup
runs 5 memory
runs 1 idle
"$BUILD/bench/bench_exercise" >"$WORK/exercise.txt" 2>/dev/null

# idle_calls PROGRAM: system calls over 10 seconds, 3 seconds after the start.
idle_calls() {
    "$1" >/dev/null 2>&1 &
    local pid=$!
    sleep 3
    timeout -s INT 10 strace -f -c -o "$WORK/strace.txt" -p "$pid" >/dev/null 2>&1 || true
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    awk '$NF == "total" { calls = $4 } END { print calls + 0 }' "$WORK/strace.txt"
}
calls_b=$(idle_calls "$BUILD/bexalo")
calls_0=$(idle_calls "$BUILD/bexalo_baseline")

value() { grep "^$1=" "$WORK/exercise.txt" | cut -d= -f2; }
row() { printf '%-50s %10s %10s %7s   %s\n' "$@"; }

start_b=$(median <"$WORK/bexalo.startup")
start_0=$(median <"$WORK/baseline.startup")
mem_b=$(median <"$WORK/bexalo.memory")
mem_0=$(median <"$WORK/baseline.memory")
idle_b=$(cat "$WORK/bexalo.idle")
idle_0=$(cat "$WORK/baseline.idle")

echo
row "figure" "bexalo" "baseline" "ratio" "goal"
row "start to first frame (ms, median of $RUNS)" "$start_b" "$start_0" "$(ratio "$start_b" "$start_0")" "<= 1.15x"
row "peak memory, all windows open (KiB)" "$mem_b" "$mem_0" "$(ratio "$mem_b" "$mem_0")" "<= 1.30x"
row "CPU over 10 s idle (ms, probe included)" "$idle_b" "$idle_0" "" "0"
row "system calls over 10 s idle" "$calls_b" "$calls_0" "" "0"
for w in frmOperativo1 FrmOperativo2; do
    row "load and show $w to first frame (ms)" "$(value "open_${w}_ms")" "" "" "< 16 ms"
done
row "load and show FrmInizio to first frame (ms)" "$(value open_FrmInizio_ms)" "" "" ""
for w in FrmInizio frmOperativo1 FrmOperativo2; do
    row "one layout pass, $w (ms)" "$(value "layout_${w}_ms")" "" "" "< 0.5 ms"
done
for w in frmOperativo1 FrmOperativo2; do
    row "genera, $w (ms)" "$(value "genera_${w}_ms")" "" "" ""
done
for w in frmOperativo1 FrmOperativo2; do
    row "answer, verify, next exercise, $w (ms)" "$(value "cycle_${w}_ms")" "" "" ""
done
