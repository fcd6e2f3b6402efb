# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Sourced by the installer tests after lib.sh and scripts/wine.sh: a fresh Wine prefix of the
# test's own, the installed program started and ended with "Esci", and the check that nothing
# of ours is left behind.
#   installed_prefix                the prefix, in the artifacts folder, removed on exit
#   installed_start_and_quit SHOT   starts C:\Program Files\Bexalo\bexalo.exe, "Esci"
#   installed_entry_leads_to LINK NAME   the Start-menu entry LINK is there and leads to NAME
#   installed_guide_opens           the installed guida.html opens in the browser
#   installed_nothing_left          no program folder, no shortcut, no "bexalo" in the prefix

installed_dir() { echo "$WINEPREFIX/drive_c/Program Files/Bexalo"; }
installed_link() { echo "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/${1:-Bexalo}.lnk"; }
# The teacher's guide's Start-menu entry.
guide_entry="Guida per l'insegnante"

# A Start-menu entry LINK is there and leads to the installed file NAME; the guide there opens
# in the browser (scripts/test-guide.sh).
installed_entry_leads_to() {
    [ -f "$1" ] || e2e_fail "no Start-menu entry $(basename "$1")"
    grep -qaF "$2" "$1" || e2e_fail "the Start-menu entry $(basename "$1") does not lead to $2"
}
installed_guide_opens() {
    bash "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/test-guide.sh" "$(installed_dir)/guida.html" ||
        e2e_fail "the installed guide does not pass in the browser"
}

installed_prefix() {
    export WINEPREFIX=$E2E_ARTIFACTS/$1
    rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"
    bexalo_wine_prefix "$WINEPREFIX"
    trap 'bexalo_wineserver -k 2>/dev/null || true; e2e_cleanup; rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"' EXIT
}

# The installed program, started from where the Start-menu entry points.
installed_start_and_quit() {
    local runner=$E2E_ARTIFACTS/installed-bexalo start
    printf '#!/bin/sh\nexec "%s" "C:\\\\Program Files\\\\Bexalo\\\\bexalo.exe"\n' "$(bexalo_wine_binary)" >"$runner"
    chmod +x "$runner"
    # shellcheck disable=SC2034 # what lib.sh's e2e_start_app starts
    E2E_PROGRAM=$runner
    e2e_start_x
    e2e_start_app
    start=$(e2e_wait_window "ORVENTA")
    e2e_wait_curtains_open "$start"
    e2e_shot_window "$1" "$start"
    e2e_click_on "$start" FrmInizio "Option3(2)"   # "Esci"
    e2e_wait_exit || e2e_fail "the installed program did not end with status 0"
    bexalo_wineserver -w
}

installed_nothing_left() {
    local dir link
    dir=$(installed_dir)
    link=$(installed_link)
    [ ! -e "$dir" ] || e2e_fail "left behind: $(find "$dir")"
    [ ! -e "$link" ] || e2e_fail "the Start-menu entry is left behind"
    [ ! -e "$(installed_link "$guide_entry")" ] || e2e_fail "the guide's Start-menu entry is left behind"
    if grep -rIil 'bexalo' "$WINEPREFIX"/*.reg "$WINEPREFIX/drive_c/ProgramData" "$WINEPREFIX/drive_c/Program Files" \
        "$WINEPREFIX/drive_c/windows/Installer" 2>/dev/null; then
        e2e_fail "something named bexalo is left in the prefix"
    fi
}
