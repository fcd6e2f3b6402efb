#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# bexalo in bad or unusual surroundings: no display at all, a display that cannot be reached,
# a session that must leave the user's folders untouched (with no D-Bus session bus, which
# must not get launched for us), a desktop session bus with a screen reader listening, and two
# copies running at once.
source "$(dirname "$0")/lib.sh"

# No display: one clear line, status 1, no abort.
for display in "" ":97"; do
    set +e
    out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$E2E_PROGRAM" 2>&1 >/dev/null)
    status=$?
    set -e
    [ "$status" -eq 1 ] || e2e_fail "no display '$display': status $status, expected 1"
    [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || e2e_fail "no display '$display': more than one line: $out"
    printf '%s' "$out" | grep -q "needs a graphical display" || e2e_fail "no display '$display': said '$out'"
done

e2e_start_x

# A whole session, both exercise windows opened and the program ended with "Esci", in a home
# and working folder of its own: every folder stays empty.
scratch=$(mktemp -d)
mkdir -p "$scratch"/{home,config,cache,data,work}
(
    cd "$scratch/work"
    HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" \
        XDG_DATA_HOME="$scratch/data" e2e_start_app
    start=$(e2e_wait_window "ORVENTA")
    e2e_keys 2 Return 1 Return
    e2e_wait_window "DALL'ABACO ALLA RAPPRESENTAZIONE" >/dev/null
    e2e_activate "$start"
    e2e_open_first_exercise "$start" op1-scratch >/dev/null
    e2e_activate "$start"
    e2e_click_on "$start" FrmInizio "Option3(2)"   # "Esci"
    e2e_wait_exit || e2e_fail "the session did not end with status 0"
)
written=$(find "$scratch" -mindepth 2 | head -n 20)
[ -z "$written" ] || e2e_fail "the program wrote into the user's folders: $written"

# A desktop session bus with assistive technologies switched on: the windows are published to
# them. (The bus's own helpers keep their files in a home of their own.)
a11y_home=$(mktemp -d)
read -r bus_address bus_pid <<<"$(HOME="$a11y_home" XDG_CACHE_HOME="$a11y_home/cache" XDG_CONFIG_HOME="$a11y_home/config" \
    dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null | paste -sd' ')"
[ -n "$bus_pid" ] || e2e_fail "no session bus for the accessibility check"
E2E_PIDS+=("$bus_pid")
(
    export DBUS_SESSION_BUS_ADDRESS=$bus_address
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
        string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null || e2e_fail "no accessibility bus"
    a11y_bus=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress | tr -d ' ')
    # "(bus name, object path)" pairs of a GetChildren reply, one "name path" a line.
    pairs() { awk '/string "/ { s = $0; sub(/^[^"]*"/, "", s); sub(/"$/, "", s); name = s }
                   /object path "/ { s = $0; sub(/^[^"]*"/, "", s); sub(/"$/, "", s); print name, s }'; }
    children() { dbus-send --bus="$a11y_bus" --print-reply --dest="$1" "$2" org.a11y.atspi.Accessible.GetChildren | pairs; }
    # The names of the top-level windows of every application a screen reader can see.
    published_windows() {
        children org.a11y.atspi.Registry /org/a11y/atspi/accessible/root | while read -r app path; do
            children "$app" "$path" | while read -r owner window; do
                dbus-send --bus="$a11y_bus" --print-reply=literal --dest="$owner" "$window" \
                    org.freedesktop.DBus.Properties.Get string:org.a11y.atspi.Accessible string:Name
            done
        done 2>/dev/null
    }
    e2e_start_app
    e2e_wait_window "ORVENTA" >/dev/null
    for i in $(seq 1 100); do
        published_windows | grep -q "ORVENTA" && break
        sleep 0.1
    done
    published_windows | grep -q "ORVENTA" || e2e_fail "the start window is not published to assistive technologies"
    kill "$E2E_APP_PID"
    wait "$E2E_APP_PID" 2>/dev/null || true
)
kill "$bus_pid" 2>/dev/null || true

# Two copies at once: each has its own windows and ends on its own.
e2e_start_app
first_pid=$E2E_APP_PID
e2e_wait_window "ORVENTA" >/dev/null
e2e_start_app
second_pid=$E2E_APP_PID
for i in $(seq 1 100); do
    [ "$(wmctrl -l | grep -c ' ORVENTA$')" -eq 2 ] && break
    sleep 0.1
done
[ "$(wmctrl -l | grep -c ' ORVENTA$')" -eq 2 ] || e2e_fail "the second copy did not open its own start window"
second_window=$(wmctrl -lp | awk -v p="$second_pid" '$3 == p && / ORVENTA$/ { print $1 }')
[ -n "$second_window" ] || e2e_fail "no start window for the second copy"
e2e_activate "$second_window"
e2e_keys 2 Return 1 Return
e2e_wait_window "DALL'ABACO ALLA RAPPRESENTAZIONE" >/dev/null
[ "$(wmctrl -l | grep -c "DALL'ABACO ALLA RAPPRESENTAZIONE$")" -eq 1 ] || e2e_fail "more than one exercise window opened"
e2e_activate "$second_window"
e2e_click_on "$second_window" FrmInizio "Option3(2)"   # "Esci"
E2E_APP_PID=$second_pid
e2e_wait_exit || e2e_fail "the second copy did not end with status 0"
kill -0 "$first_pid" || e2e_fail "ending the second copy ended the first"
[ "$(wmctrl -l | grep -c ' ORVENTA$')" -eq 1 ] || e2e_fail "the first copy's start window is gone"
first_window=$(wmctrl -l | awk '/ ORVENTA$/ { print $1 }')
e2e_activate "$first_window"
e2e_click_on "$first_window" FrmInizio "Option3(2)"   # "Esci"
E2E_APP_PID=$first_pid
e2e_wait_exit || e2e_fail "the first copy did not end with status 0"
echo "e2e_surroundings: passed"
