#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The Windows part of ./test: builds the release as ./package-windows does (the cross Qt once,
# into the cache) and the cross-built unit suite, then runs under Wine the unit suite (through
# CMake's emulator), the pupil's end-to-end sessions, the writes-nothing check and the
# installer's silent install and uninstall, and the teacher's guide of each package in Chromium;
# then makes the release again at another path and compares the bytes (scripts/test-release.sh).
# Prints how long it took.
set -euo pipefail
source "$(dirname "$0")/windows.sh"
started=$(date +%s)

unit_prefix=$(bexalo_wine_unit_prefix "$BEXALO_WINDOWS_BUILD")
e2e_prefix=$(bexalo_wine_e2e_prefix "$BEXALO_WINDOWS_BUILD")
# Wine's servers go on every exit, a failed test's too.
stop_wine() {
    WINEPREFIX=$unit_prefix bexalo_wineserver -k 2>/dev/null || true
    WINEPREFIX=$e2e_prefix bexalo_wineserver -k 2>/dev/null || true
}
trap stop_wine EXIT

bexalo_windows_configure
bexalo_windows_package
cmake --build "$BEXALO_WINDOWS_BUILD" -j"$(nproc)"
# The prefixes of the unit tests and of the end-to-end tests, made side by side before the
# tests start (each takes some twenty seconds the first time).
bexalo_wine_prefix "$unit_prefix" &
unit_prefix_job=$!
bexalo_wine_prefix "$e2e_prefix"
wait "$unit_prefix_job"
ctest --test-dir "$BEXALO_WINDOWS_BUILD" --output-on-failure -LE e2e -j"$(nproc)"
ctest --test-dir "$BEXALO_WINDOWS_BUILD" --output-on-failure -L e2e
version=$(bexalo_build_version "$BEXALO_WINDOWS_BUILD")
# The teacher's guide of the zip; the installers' tests open the installed one.
bash "$BEXALO_ROOT/scripts/test-guide.sh" "$BEXALO_WINDOWS_BUILD/bexalo-$version-windows-x64.zip"
bash "$BEXALO_ROOT/tests/e2e/windows/e2e_installer.sh" \
    "$BEXALO_WINDOWS_BUILD/bexalo-$version-setup-x64.exe" "$BEXALO_WINDOWS_BUILD/e2e-artifacts" \
    "$BEXALO_WINDOWS_BUILD/stage/bexalo-$version-windows-x64"
bash "$BEXALO_ROOT/tests/e2e/windows/e2e_msi.sh" \
    "$BEXALO_WINDOWS_BUILD/bexalo-$version-x64.msi" "$BEXALO_WINDOWS_BUILD/e2e-artifacts" \
    "$BEXALO_WINDOWS_BUILD/stage/bexalo-$version-windows-x64" "$BEXALO_WINDOWS_BUILD/icons/bexalo.ico"
# The release made again at another path gives the same bytes.
bash "$BEXALO_ROOT/scripts/test-release.sh"

echo "Windows part: $(( $(date +%s) - started )) s"
