#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The MSI package as a deployment tool uses it, in a fresh Wine prefix: msiexec /i ... /qn
# installs exactly the staged folder under Program Files with "Bexalo" and "Guida per
# l'insegnante" in the Start menu for all users, the installed guide opens in the browser, and
# the installed program starts and ends with "Esci"; a package of a lower
# version (made here from the same WiX source, with a file of its own) is replaced in place by
# the current one, leaving one entry in the installed programs; that older package, run after
# the newer, refuses and changes nothing; msiexec /x ... /qn leaves nothing of ours behind.
#   e2e_msi.sh bexalo-<version>-x64.msi ARTIFACTS STAGE ICON
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../../../scripts/windows.sh"
source "$(dirname "$0")/installed.sh"
msi=$E2E_PROGRAM
stage=$(realpath "$3")
icon=$(realpath "$4")
version=$(msiinfo export "$msi" Property | tr -d '\r' | awk '$1 == "ProductVersion" { print $2 }')

installed_prefix msi-prefix
dir=$(installed_dir)
# Windows Installer puts ProgramMenuFolder in the all-users Start menu when ALLUSERS is 1, which
# the package sets; Wine's msiexec takes the user's Start menu whatever ALLUSERS says, so under
# Wine the shortcut is looked for there, and the package's own tables are checked for the rest.
menu="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
link="$menu/Bexalo.lnk"
guide_link="$menu/$guide_entry.lnk"
msiinfo export "$msi" Property | tr -d '\r' | grep -qx 'ALLUSERS	1' || e2e_fail "the package is not per machine (ALLUSERS)"
msiinfo export "$msi" Shortcut | tr -d '\r' | grep -q '^StartMenuShortcut	ProgramMenuFolder	Bexalo	' ||
    e2e_fail "no shortcut Bexalo in ProgramMenuFolder"
msiinfo export "$msi" Shortcut | tr -d '\r' | grep -qF "	ProgramMenuFolder	GUIDA|$guide_entry	Program	[INSTALLDIR]guida.html	" ||
    e2e_fail "no shortcut $guide_entry in ProgramMenuFolder to guida.html"

# What "Programs and Features" lists: the DisplayName and DisplayVersion lines under the
# uninstall keys of the machine.
entries() {
    awk '/^\[/ { key = /Uninstall\\\\/ } key && /^"Display(Name|Version)"=/' "$WINEPREFIX/system.reg" | grep -A1 '"Bexalo"' || true
}
msiexec() {
    bexalo_wine msiexec "$@"
    local status=$?
    bexalo_wineserver -w
    return "$status"
}
# Every file of the program folder with its checksum.
tree() {
    (cd "$dir" 2>/dev/null && find . -type f -exec md5sum {} + | LC_ALL=C sort) || true
}

# A lower version of the same package, its read-me changed and a file of its own added.
IFS=. read -r major minor patch <<<"$version"
if [ "$patch" -gt 0 ]; then older=$major.$minor.$((patch - 1))
elif [ "$minor" -gt 0 ]; then older=$major.$((minor - 1)).0
else older=$((major - 1)).0.0; fi
old_stage=$E2E_ARTIFACTS/msi-old-stage
rm -rf "$old_stage"
cp -r "$stage" "$old_stage"
echo "versione $older" >>"$old_stage/LEGGIMI.txt"
echo "solo nella versione $older" >"$old_stage/licenze/vecchio.txt"
old_msi=$E2E_ARTIFACTS/bexalo-$older-x64.msi
bexalo_windows_msi "$old_stage" "$older" "$icon" "$old_msi"

# The older one installed, then the current one over it.
msiexec /i "$old_msi" /qn || e2e_fail "the older package ($older) did not install ($?)"
[ -f "$dir/licenze/vecchio.txt" ] || e2e_fail "the older package did not install its own file"
msiexec /i "$msi" /qn || e2e_fail "msiexec /i $msi /qn failed ($?)"
expected=$( (cd "$stage" && find . -type f -exec md5sum {} + | LC_ALL=C sort))
[ "$(tree)" = "$expected" ] || e2e_fail "Program Files/Bexalo is not the staged folder: $(diff <(echo "$expected") <(tree))"
installed_entry_leads_to "$link" bexalo.exe
installed_entry_leads_to "$guide_link" guida.html
installed_guide_opens
listed=$(entries)
[ "$(grep -c '"DisplayName"="Bexalo"' <<<"$listed")" -eq 1 ] || e2e_fail "not one entry in the installed programs: $listed"
grep -q "^\"DisplayVersion\"=\"$version\"" <<<"$listed" || e2e_fail "the entry is not version $version: $listed"

installed_start_and_quit msi-installed-start

# The older one again: it refuses and changes nothing.
files_before=$(tree)
registry_before=$(entries)
refusal=$E2E_ARTIFACTS/msi-refusal.log
if msiexec /i "$old_msi" /qn /l "$refusal"; then
    e2e_fail "the older package replaced the newer one"
fi
# Wine's msiexec shows no message under /qn and logs none: the log shows the newer product
# found and the install stopped at the launch conditions, the package carries the message.
grep -q '^Property(S): WIX_DOWNGRADE_DETECTED = {' "$refusal" || e2e_fail "the newer product was not detected ($refusal)"
! grep -q 'Action start.*InstallFiles' "$refusal" || e2e_fail "the refused package went on to install files ($refusal)"
msiinfo export "$old_msi" LaunchCondition | grep -q '^NOT WIX_DOWNGRADE_DETECTED	Una versione più recente di Bexalo è già installata' ||
    e2e_fail "the refusal has no Italian message"
[ "$(tree)" = "$files_before" ] || e2e_fail "the refused older package changed the program folder"
[ "$(entries)" = "$registry_before" ] || e2e_fail "the refused older package changed the installed programs"

msiexec /x "$msi" /qn || e2e_fail "msiexec /x $msi /qn failed ($?)"
[ -z "$(entries)" ] || e2e_fail "still listed in the installed programs: $(entries)"
[ ! -e "$link" ] || e2e_fail "the Start-menu entry is left behind"
[ ! -e "$guide_link" ] || e2e_fail "the guide's Start-menu entry is left behind"
installed_nothing_left
rm -rf "$old_stage" "$old_msi"
echo "e2e_msi: passed"
