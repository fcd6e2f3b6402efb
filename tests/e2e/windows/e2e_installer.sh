#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The Windows installer as a technician uses it: a silent install (/S) into a fresh Wine prefix
# puts the program, its sound and the uninstaller under Program Files, adds "Bexalo" to the
# Start menu for all users and registers the uninstaller; the installed program starts and ends
# with "Esci"; a silent uninstall leaves nothing of ours behind.
#   e2e_installer.sh bexalo-<version>-setup-x64.exe ARTIFACTS
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../../../scripts/wine.sh"
setup=$E2E_PROGRAM

export WINEPREFIX=$E2E_ARTIFACTS/installer-prefix
rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"
bexalo_wine_prefix "$WINEPREFIX"
trap 'bexalo_wineserver -k 2>/dev/null || true; e2e_cleanup; rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"' EXIT

dir="$WINEPREFIX/drive_c/Program Files/Bexalo"
link="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Bexalo.lnk"
uninstall_key='[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Bexalo]'

bexalo_wine "$setup" /S || e2e_fail "the silent install failed ($?)"
bexalo_wineserver -w
for f in bexalo.exe positivo.wav uninstall.exe LEGGIMI.txt LICENSE.txt licenze/Qt-LGPL-3.0-only.txt; do
    [ -f "$dir/$f" ] || e2e_fail "not installed: Program Files/Bexalo/$f (there: $(ls "$dir" 2>&1))"
done
cmp -s "$dir/positivo.wav" "$(dirname "$0")/../../../src/assets/positivo.wav" || e2e_fail "positivo.wav differs"
[ -f "$link" ] || e2e_fail "no Start-menu entry Bexalo.lnk for all users"
registry=$(grep -F -A 20 "$uninstall_key" "$WINEPREFIX/system.reg" || true)
grep -q '^"DisplayName"="Bexalo"' <<<"$registry" || e2e_fail "uninstaller not registered: $registry"
grep -q '^"UninstallString"=.*uninstall.exe' <<<"$registry" || e2e_fail "no UninstallString: $registry"
grep -q '^"QuietUninstallString"=.*uninstall.exe.* /S' <<<"$registry" || e2e_fail "no QuietUninstallString"

# The installed program, started from where the Start-menu entry points.
runner=$E2E_ARTIFACTS/installed-bexalo
printf '#!/bin/sh\nexec "%s" "C:\\\\Program Files\\\\Bexalo\\\\bexalo.exe"\n' "$(bexalo_wine_binary)" >"$runner"
chmod +x "$runner"
E2E_PROGRAM=$runner
e2e_start_x
e2e_start_app
start=$(e2e_wait_window "ORVENTA")
e2e_wait_curtains_open "$start"
e2e_shot_window installed-start "$start"
e2e_click "$start" 627 410   # "Esci"
e2e_wait_exit || e2e_fail "the installed program did not end with status 0"
bexalo_wineserver -w

bexalo_wine "$dir/uninstall.exe" /S || e2e_fail "the silent uninstall failed ($?)"
# The uninstaller runs on from a copy of itself in the temporary folder.
bexalo_wineserver -w
[ ! -e "$dir" ] || e2e_fail "left behind: $(find "$dir")"
[ ! -e "$link" ] || e2e_fail "the Start-menu entry is left behind"
! grep -qF "$uninstall_key" "$WINEPREFIX/system.reg" || e2e_fail "the uninstaller is still registered"
if grep -rIil 'bexalo' "$WINEPREFIX"/*.reg "$WINEPREFIX/drive_c/ProgramData" "$WINEPREFIX/drive_c/Program Files" 2>/dev/null; then
    e2e_fail "something named bexalo is left in the prefix"
fi
echo "e2e_installer: passed"
