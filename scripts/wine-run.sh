#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Runs a Windows program under Wine: the cross-built tests' emulator (CMAKE_CROSSCOMPILING_EMULATOR)
# and the end-to-end tests' way to start bexalo.exe. The prefix is $WINEPREFIX (the Windows
# build's configure hands it to the emulator), by default the unit tests' prefix of
# $BEXALO_WINDOWS_BUILD (build-windows), made on first use (scripts/wine.sh).
#   scripts/wine-run.sh PROGRAM.exe ARGS...
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/wine.sh"
export WINEPREFIX=${WINEPREFIX:-$(bexalo_wine_unit_prefix "${BEXALO_WINDOWS_BUILD:-$root/build-windows}")}
bexalo_wine_prefix "$WINEPREFIX"
exec "$(bexalo_wine_binary)" "$@"
