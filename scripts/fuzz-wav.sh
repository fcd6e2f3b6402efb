#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Fuzzes the WAV header check (tests/fuzz) with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer for SECONDS (60 by default), starting from a seed corpus made of
# the shipped chime and the players' table of bad files, and keeping what it learns in
# build-fuzz/corpus for the next run. A finding fails the script and lands in
# build-fuzz/findings/; replay it with build-fuzz/fuzz_wavcheck FILE.
#   scripts/fuzz-wav.sh [SECONDS]
set -euo pipefail
source "$(dirname "$0")/setup.sh"
seconds=${1:-60}
bexalo_install_packages "${bexalo_build_packages[@]}" clang libclang-rt-dev
build=${BEXALO_FUZZ_BUILD:-$BEXALO_ROOT/build-fuzz}
bexalo_configure "$build" clang cmake -S "$BEXALO_ROOT/tests/fuzz" -B "$build" -G Ninja \
    -DCMAKE_CXX_COMPILER=clang++
cmake --build "$build" -j"$(nproc)"
rm -rf "$build/seed"
"$build/make_wav_corpus" "$BEXALO_ROOT/src/assets/positivo.wav" "$build/seed"
mkdir -p "$build/corpus" "$build/findings"
echo "Fuzzing the WAV header check for $seconds s"
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$build/fuzz_wavcheck" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
    -artifact_prefix="$build/findings/" "$build/corpus" "$build/seed" 2>"$build/fuzz.log" ||
    { tail -n 40 "$build/fuzz.log" >&2; bexalo_fail "the fuzzer found a fault: see $build/findings/"; }
grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^#[0-9]+.*DONE' "$build/fuzz.log" || true
echo "Corpus: $(find "$build/corpus" -type f | wc -l) files; no finding"
