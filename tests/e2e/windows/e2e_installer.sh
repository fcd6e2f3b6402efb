#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The Windows installer as a technician uses it: a silent install (/S) into a fresh Wine prefix
# puts the program, its sound, the teacher's guide and the uninstaller under Program Files,
# adds "Bexalo" and "Guida per l'insegnante" to the Start menu for all users and registers the
# uninstaller; the installed guide opens in the browser; the installed program starts and ends
# with "Esci"; a silent uninstall leaves nothing of ours behind.
#   e2e_installer.sh bexalo-<version>-setup-x64.exe ARTIFACTS STAGE
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../../../scripts/wine.sh"
source "$(dirname "$0")/installed.sh"
setup=$E2E_PROGRAM
stage=$(realpath "$3")

installed_prefix installer-prefix
dir=$(installed_dir)
link=$(installed_link)
uninstall_key='[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Bexalo]'

bexalo_wine "$setup" /S || e2e_fail "the silent install failed ($?)"
bexalo_wineserver -w
# Exactly the staged folder and the uninstaller.
expected=$( (cd "$stage" && find . -type f -exec md5sum {} + && cd "$dir" && md5sum ./uninstall.exe) | LC_ALL=C sort)
installed=$( (cd "$dir" && find . -type f -exec md5sum {} +) | LC_ALL=C sort)
[ "$installed" = "$expected" ] || e2e_fail "Program Files/Bexalo is not the staged folder: $(diff <(echo "$expected") <(echo "$installed"))"
cmp -s "$dir/positivo.wav" "$(dirname "$0")/../../../src/assets/positivo.wav" || e2e_fail "positivo.wav differs"
installed_entry_leads_to "$link" bexalo.exe
installed_entry_leads_to "$(installed_link "$guide_entry")" guida.html
installed_guide_opens
registry=$(grep -F -A 20 "$uninstall_key" "$WINEPREFIX/system.reg" || true)
grep -q '^"DisplayName"="Bexalo"' <<<"$registry" || e2e_fail "uninstaller not registered: $registry"
grep -q '^"UninstallString"=.*uninstall.exe' <<<"$registry" || e2e_fail "no UninstallString: $registry"
grep -q '^"QuietUninstallString"=.*uninstall.exe.* /S' <<<"$registry" || e2e_fail "no QuietUninstallString"

installed_start_and_quit installed-start

bexalo_wine "$dir/uninstall.exe" /S || e2e_fail "the silent uninstall failed ($?)"
# The uninstaller runs on from a copy of itself in the temporary folder.
bexalo_wineserver -w
! grep -qF "$uninstall_key" "$WINEPREFIX/system.reg" || e2e_fail "the uninstaller is still registered"
installed_nothing_left
echo "e2e_installer: passed"
