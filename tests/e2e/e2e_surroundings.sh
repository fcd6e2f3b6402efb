#!/usr/bin/env bash
# bexalo in bad or unusual surroundings: no display at all, a display that cannot be reached,
# a session that must leave the user's folders untouched, and two copies running at once.
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
    # "Dal grafico all'abaco", "da    u" and "Vai" with the mouse, at the centres of their buttons.
    e2e_click "$start" 131 291
    e2e_click "$start" 378 289
    e2e_click "$start" 627 282
    e2e_wait_window "DALLA RAPPRESENTAZIONE ALL'ABACO 1" >/dev/null
    e2e_activate "$start"
    e2e_click "$start" 627 410
    e2e_wait_exit || e2e_fail "the session did not end with status 0"
)
written=$(find "$scratch" -mindepth 2 | head -n 20)
[ -z "$written" ] || e2e_fail "the program wrote into the user's folders: $written"

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
e2e_click "$second_window" 627 410
E2E_APP_PID=$second_pid
e2e_wait_exit || e2e_fail "the second copy did not end with status 0"
kill -0 "$first_pid" || e2e_fail "ending the second copy ended the first"
[ "$(wmctrl -l | grep -c ' ORVENTA$')" -eq 1 ] || e2e_fail "the first copy's start window is gone"
first_window=$(wmctrl -l | awk '/ ORVENTA$/ { print $1 }')
e2e_activate "$first_window"
e2e_click "$first_window" 627 410
E2E_APP_PID=$first_pid
e2e_wait_exit || e2e_fail "the first copy did not end with status 0"
echo "e2e_surroundings: passed"
