#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# A pupil plays both directions with the mouse, reading the number from the screen: one
# exercise of each direction to "Esatto", and one answered wrong, with help refused three
# times and the message closed with Enter.
source "$(dirname "$0")/lib.sh"

# Beads on each rod of FrmOperativo2's abacus (frame at 8505,435), probed beside the red rods.
read_beads_op2() {
    local shot=$1 n h=0 da=0 u=0
    local H_T=(4455 3960 3480 2985 2505 2025 1530 1035 555)
    local DA_T=(4455 3960 3450 2985 2490 2010 1530 1035 555)
    local U_T=(4440 3945 3465 2970 2490 2010 1515 1020 540)
    for n in $(seq 0 8); do
        [ "$(e2e_pixel "$shot" "$(e2e_px $((8505 + 180 + 60)))" "$(e2e_px $((435 + H_T[n] + 247)))")" = "#0000C0" ] && h=$((h + 1))
        [ "$(e2e_pixel "$shot" "$(e2e_px $((8505 + 720 + 60)))" "$(e2e_px $((435 + DA_T[n] + 247)))")" = "#FF0000" ] && da=$((da + 1))
        [ "$(e2e_pixel "$shot" "$(e2e_px $((8505 + 1290 + 60)))" "$(e2e_px $((435 + U_T[n] + 247)))")" = "#80FFFF" ] && u=$((u + 1))
    done
    echo "$h $da $u"
}

# The beads on one rod of FrmOperativo2 as a pupil counts them: the separate runs of the bead
# colour along a line beside the rod, from the top of the abacus to the lowest bead.
bead_runs_op2() { # shot bead-left colour
    convert "$E2E_ARTIFACTS/$1.png" -crop "1x$(e2e_px 4950)+$(e2e_px $((8505 + $2 + 60)))+$(e2e_px 435)" +repage txt:- \
        | awk -v c="#$3" 'NR == 1 { next } { here = (toupper($3) == c) } here && !was { n++ } { was = here } END { print n + 0 }'
}

e2e_start_x
e2e_start_app
start=$(e2e_wait_window "ORVENTA")
e2e_wait_curtains_open "$start"

# --- From picture to abacus, level "da    u": read the pictures, build them on the abacus.
e2e_click "$start" 131 291   # "Dal grafico all'abaco"
e2e_click "$start" 378 289   # "da    u"
e2e_click "$start" 627 282   # "Vai"
op1=$(e2e_wait_window "DALLA RAPPRESENTAZIONE ALL'ABACO 1")
e2e_wait_pixel op1-exercise "$op1" 571 374 "#FFFF00" "frmOperativo1 was not drawn"
e2e_answer_op1_right "$op1" op1-exercise op1-esatto
e2e_has_colour op1-esatto 0000FF 283 527 54 32 || e2e_fail "no right-answer count shown"
e2e_has_colour op1-esatto FFFF80 558 476 222 37 && e2e_fail "help offered after a right answer"

# --- The same window, next exercise answered wrong: help refused three times.
e2e_click "$op1" 669 513        # "A V A N T I" where the verify button was
e2e_wait_colour op1-next "$op1" no C04000 699 329 91 19 "CORRETTO still shown in the next exercise"
read -r tens units <<<"$(e2e_read_pictures_op1 op1-next)"
for attempt in 1 2 3; do
    e2e_press "$op1" 668 403 $((units + 1))   # one unit too many: always wrong
    e2e_click "$op1" 669 513
    e2e_wait_colour "op1-errato-$attempt" "$op1" yes FFFF80 558 476 222 37 "no help offer after a wrong answer ($attempt)"
    e2e_click "$op1" 614 535          # "No"
    [ "$attempt" -eq 3 ] || e2e_wait_colour "op1-no-$attempt" "$op1" no FFFF80 558 476 222 37 "the help offer stayed after No ($attempt)"
done
box=$(e2e_wait_window "Attenzione")
e2e_shot_window message-box "$box"
e2e_activate "$box"
xdotool key Return
e2e_wait_for "Enter did not close the message" e2e_window_absent "Attenzione"
e2e_wait_colour op1-intervengo "$op1" yes FFC080 557 471 20 20 "'A V A N T I' not shown after the third No"
e2e_has_colour op1-intervengo FFFF80 558 476 222 37 && e2e_fail "help offer still shown after the third No"

# --- From abacus to picture, level "h   da   u": read the beads, build the pictures.
e2e_activate "$start"
e2e_click "$start" 131 385   # "Dall'abaco al grafico"
e2e_click "$start" 378 384   # "h   da   u"
e2e_click "$start" 627 282   # "Vai"
op2=$(e2e_wait_window "DALL'ABACO ALLA RAPPRESENTAZIONE")
e2e_wait_colour op2-exercise "$op2" yes FFFF00 581 390 20 20 "FrmOperativo2 was not drawn"  # its yellow "+" of the hundreds
read -r h da u <<<"$(read_beads_op2 op2-exercise)"
echo "FrmOperativo2 shows $h hundreds, $da tens and $u units"
[ "$h" -ge 1 ] && [ "$da" -ge 1 ] && [ "$u" -ge 1 ] || e2e_fail "FrmOperativo2 digits run 1 to 9"
for rod in "$h 180 0000C0 hundreds" "$da 720 FF0000 tens" "$u 1290 80FFFF units"; do
    read -r n left colour place <<<"$rod"
    runs=$(bead_runs_op2 op2-exercise "$left" "$colour")
    [ "$runs" -eq "$n" ] || e2e_fail "$n $place beads on screen, but they can be told apart as $runs"
done
e2e_press "$op2" 591 400 "$h"
e2e_press "$op2" 633 400 "$da"
e2e_press "$op2" 675 400 "$u"
e2e_click "$op2" 670 504     # "VERIFICA"
e2e_wait_colour op2-esatto "$op2" yes 0000FF 288 524 54 32 "no right-answer count shown in FrmOperativo2"
e2e_has_colour op2-esatto FFFF80 556 474 222 37 && e2e_fail "help offered after a right answer in FrmOperativo2"

e2e_activate "$start"
e2e_click "$start" 627 410   # "Esci"
e2e_wait_exit || e2e_fail "bexalo did not end with status 0"
echo "e2e_exercises: passed"
