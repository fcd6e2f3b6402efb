#!/usr/bin/env bash
# Windows in proportion at any size, and the start window's curtains: closed right after the
# start, open about a second later, closed again for good by a later resize.
source "$(dirname "$0")/lib.sh"

client_size() { # window id -> "width height" of its client area
    xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }'
}

grown() { # window id: bigger than any window of the program's design
    local width height
    read -r width height <<<"$(client_size "$1")"
    [ "$width" -gt 900 ] && [ "$height" -gt 700 ]
}

e2e_start_x
e2e_start_app
start=$(e2e_wait_window "ORVENTA")
e2e_shot_window curtains-closed "$start"
[ "$(e2e_pixel curtains-closed 10 300)" = "#FF80FF" ] || e2e_fail "the curtains are not closed right after the start"
e2e_wait_curtains_open "$start"
e2e_shot_window curtains-open "$start"

# An exercise window maximised: its controls move in proportion.
e2e_click "$start" 131 291   # "Dal grafico all'abaco"
e2e_click "$start" 378 289   # "da    u"
e2e_click "$start" 627 282   # "Vai"
op1=$(e2e_wait_window "DALLA RAPPRESENTAZIONE ALL'ABACO 1")
# The yellow band under the abacus: a point inside it at the design size, and the same point
# scaled to the new client size.
e2e_wait_pixel op1-design "$op1" 571 374 "#FFFF00" "frmOperativo1 was not drawn"
wmctrl -i -r "$op1" -b add,maximized_vert,maximized_horz
e2e_wait_for "frmOperativo1 did not grow past 900 x 700 when maximised" grown "$op1"
read -r width height <<<"$(client_size "$op1")"
x=$(( 571 * width / 792 )); y=$(( 374 * height / 574 ))
e2e_wait_pixel op1-maximised "$op1" "$x" "$y" "#FFFF00" "the abacus band is not at ($x, $y) in the maximised window"
[ "$(e2e_pixel op1-maximised 571 374)" != "#FFFF00" ] || e2e_fail "the abacus band stayed at its design place"
# The statistics frame's value of "Oper" is still drawn in its frame, scaled.
e2e_has_colour op1-maximised 0000FF $(( 221 * width / 792 )) $(( 527 * height / 574 )) 60 60 \
    || e2e_fail "the exercise number is not where the statistics frame went"

# The start window resized after its curtains have opened: they close again and stay closed.
e2e_activate "$start"
wmctrl -i -r "$start" -b add,maximized_vert,maximized_horz
e2e_wait_for "the start window did not grow past 900 x 700 when maximised" grown "$start"
read -r width height <<<"$(client_size "$start")"
e2e_wait_pixel start-maximised "$start" 10 $(( height / 2 )) "#FF80FF" "the curtains did not close again"
[ "$(e2e_pixel start-maximised $(( width - 10 )) $(( height / 2 )))" = "#FF80FF" ] || e2e_fail "the right curtain is not closed"

kill "$E2E_APP_PID"
echo "e2e_layout: passed"
