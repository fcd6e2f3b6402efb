#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Starts bexalo.exe under Wine for the end-to-end tests, in a prefix of their own beside the
# build (BEXALO_E2E_WINEPREFIX chooses another). Whatever an earlier test left running there
# goes first: its X server is gone. The exit status is the program's.
#   bexalo-under-wine.sh PATH/bexalo.exe
set -euo pipefail
source "$(dirname "$0")/../../../scripts/wine.sh"
program=$1
shift
export WINEPREFIX=${BEXALO_E2E_WINEPREFIX:-$(bexalo_wine_e2e_prefix "$(dirname "$program")")}
bexalo_wine_prefix "$WINEPREFIX"
if [ -z "${BEXALO_E2E_KEEP_WINESERVER:-}" ]; then
    bexalo_wineserver -k 2>/dev/null || true
    bexalo_wineserver -w 2>/dev/null || true
fi
exec "$(bexalo_wine_binary)" "$program" "$@"
