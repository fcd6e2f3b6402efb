#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# bexalo.exe writes nothing: a whole session under Wine (both exercise windows opened, by
# keyboard and by mouse, a right answer's sound, "Esci") leaves the prefix's user folders and
# its registry as they were, apart from what Wine itself keeps there.
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/../../../scripts/wine.sh"

export WINEPREFIX=${BEXALO_E2E_WINEPREFIX:-$(bexalo_wine_e2e_prefix "$(dirname "$E2E_PROGRAM")")}
bexalo_wine_prefix "$WINEPREFIX"
bexalo_wineserver -k 2>/dev/null || true
bexalo_wineserver -w 2>/dev/null || true

# Wine's own bookkeeping, which changes with any program run: the keys where Wine records its
# windows, its desktop and its devices (key times are left out below).
wine_churn='\\\\(Volatile Environment|Explorer\\\\|DeviceClasses|Enum\\\\|Hardware|Wine\\\\X11|Control\\\\Class|MountedDevices|Session Manager)'

# Everything under the user folders and ProgramData (name, size, time), and every registry line
# with its key, so a value changed in an existing key shows up too.
snapshot() {
    local out=$1
    (cd "$WINEPREFIX/drive_c" && find users ProgramData -printf '%p %s %T@\n' 2>/dev/null | sort) >"$out.files"
    local hive
    for hive in user.reg system.reg userdef.reg; do
        awk -v hive="$hive" '/^\[/ { key = $0; sub(/\] [0-9]+$/, "]", key); next }
             /^#time=/ { next }
             NF { print hive " " key " " $0 }' "$WINEPREFIX/$hive"
    done | grep -Ev "$wine_churn" | sort >"$out.registry"
}

before=$E2E_ARTIFACTS/writes-before
after=$E2E_ARTIFACTS/writes-after
snapshot "$before"

e2e_start_x
BEXALO_E2E_KEEP_WINESERVER=1 e2e_start_app
start=$(e2e_wait_window "ORVENTA")
e2e_wait_curtains_open "$start"
e2e_keys 2 Return 1 Return
e2e_wait_window "DALL'ABACO ALLA RAPPRESENTAZIONE" >/dev/null
e2e_activate "$start"
op1=$(e2e_open_first_exercise "$start" op1-exercise)
e2e_answer_op1_right "$op1" op1-exercise op1-esatto   # the chime plays
e2e_activate "$start"
e2e_click_on "$start" FrmInizio "Option3(2)"   # "Esci"
e2e_wait_exit || e2e_fail "the session did not end with status 0"
# Wine writes its registry back when the last program of the prefix has gone.
bexalo_wineserver -w

snapshot "$after"
changed_files=$(comm -13 "$before.files" "$after.files")
changed_registry=$(diff "$before.registry" "$after.registry" | grep '^[<>]' || true)
[ -z "$changed_files" ] || e2e_fail "files written or changed under the user folders: $changed_files"
[ -z "$changed_registry" ] || e2e_fail "registry changed: $changed_registry"
if grep -rIil 'bexalo\|qtproject\|trolltech' "$WINEPREFIX"/*.reg "$WINEPREFIX/drive_c/users" 2>/dev/null; then
    e2e_fail "the prefix names bexalo or Qt"
fi
echo "e2e_writes_nothing: passed"
