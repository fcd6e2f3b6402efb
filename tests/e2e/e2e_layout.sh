#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Windows in proportion at any size, and the start window's curtains: closed right after the
# start, open about a second later, and open for good: a later maximise or restore lays the
# window out and leaves its options usable.
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
op1=$(e2e_open_first_exercise "$start" op1-design)
e2e_design frmOperativo1
op1_width=$(e2e_px "${E2E_TWIPS[0]}") op1_height=$(e2e_px "${E2E_TWIPS[1]}")
# The yellow band under the abacus: a point inside it at the design size, and the same point
# scaled to the new client size.
e2e_band_point
wmctrl -i -r "$op1" -b add,maximized_vert,maximized_horz
e2e_wait_for "frmOperativo1 did not grow past 900 x 700 when maximised" grown "$op1"
read -r width height <<<"$(client_size "$op1")"
x=$(( E2E_BAND[0] * width / op1_width )); y=$(( E2E_BAND[1] * height / op1_height ))
e2e_wait_pixel op1-maximised "$op1" "$x" "$y" "#FFFF00" "the abacus band is not at ($x, $y) in the maximised window"
[ "$(e2e_pixel op1-maximised "${E2E_BAND[@]}")" != "#FFFF00" ] || e2e_fail "the abacus band stayed at its design place"
# The statistics frame's value of "Oper" is still drawn in its frame, scaled.
e2e_box frmOperativo1 LblOperazione
e2e_has_colour op1-maximised 0000FF $(( E2E_BOX[0] * width / op1_width )) $(( E2E_BOX[1] * height / op1_height )) 60 60 \
    || e2e_fail "the exercise number is not where the statistics frame went"

# The start window maximised after its curtains have opened: laid out for the new size, with
# the curtains still open and every option on screen where the layout put it.
e2e_design FrmInizio
start_width=$(e2e_px "${E2E_TWIPS[0]}") start_height=$(e2e_px "${E2E_TWIPS[1]}")
options=()
for name in "Option1(0)" "Option1(1)" "Option2(0)" "Option2(1)" "Option3(0)"; do
    e2e_box FrmInizio "$name"
    options+=("${E2E_CENTRE[*]}")
done
options_on_screen() { # shot width height: every option where the layout puts it, curtains open
    local option x y
    for option in "${options[@]}"; do
        read -r x y <<<"$option"
        x=$(( x * $2 / start_width )); y=$(( y * $3 / start_height ))
        e2e_has_colour "$1" FFE0C0 $(( x - 30 )) $(( y - 4 )) 60 8 || e2e_has_colour "$1" FFC080 $(( x - 30 )) $(( y - 4 )) 60 8 \
            || return 1
    done
    [ "$(e2e_pixel "$1" 10 $(( $3 / 2 )))" = "#FFC0FF" ] && [ "$(e2e_pixel "$1" $(( $2 - 10 )) $(( $3 / 2 )))" = "#FFC0FF" ]
}
shot_shows_options() { # shot window
    local width height
    read -r width height <<<"$(client_size "$2")"
    e2e_shot_window "$1" "$2" && options_on_screen "$1" "$width" "$height"
}
design_size() { # window id: back at the design size
    [ "$(client_size "$1")" = "$design_width $design_height" ]
}
e2e_activate "$start"
read -r design_width design_height <<<"$(client_size "$start")"
wmctrl -i -r "$start" -b add,maximized_vert,maximized_horz
e2e_wait_for "the start window did not grow past 900 x 700 when maximised" grown "$start"
e2e_wait_for "maximised, the options are not all on screen or a curtain closed again" \
    shot_shows_options start-maximised "$start"

# Restored: the options are back at their design places, and the mouse still chooses.
wmctrl -i -r "$start" -b remove,maximized_vert,maximized_horz
e2e_wait_for "the start window did not come back to $design_width x $design_height" design_size "$start"
e2e_wait_for "restored, the options are not all on screen or a curtain closed again" \
    shot_shows_options start-restored "$start"
e2e_click_on "$start" FrmInizio "Option1(1)"   # "Dall'abaco al grafico"
e2e_click_on "$start" FrmInizio "Option2(0)"   # "da    u"
e2e_click_on "$start" FrmInizio "Option3(0)"   # "Vai"
e2e_wait_window "DALL'ABACO ALLA RAPPRESENTAZIONE" >/dev/null

kill "$E2E_APP_PID"
echo "e2e_layout: passed"
