#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# A pupil plays both directions with the mouse, reading the number from the screen: one
# exercise of each direction to "Esatto", and one answered wrong, with help refused three
# times and the message closed with Enter.
source "$(dirname "$0")/lib.sh"

# Beads on each rod of FrmOperativo2's abacus (Picture21, Picture11 and Picture1, element 1 the
# lowest), each probed a little right of its left edge, half-way down.
read_beads_op2() {
    local shot=$1 n rod beads colour counts=() count x y
    for rod in "Picture21 #0000C0" "Picture11 #FF0000" "Picture1 #80FFFF"; do
        read -r beads colour <<<"$rod"
        count=0
        for n in $(seq 1 9); do
            e2e_design "FrmOperativo2.$beads($n)"
            x=$(e2e_px $((E2E_TWIPS[0] + 60)))
            y=$(e2e_px $((E2E_TWIPS[1] + E2E_TWIPS[3] / 2)))
            [ "$(e2e_pixel "$shot" "$x" "$y")" = "$colour" ] && count=$((count + 1))
        done
        counts+=("$count")
    done
    echo "${counts[*]}"
}

# The beads on one rod of FrmOperativo2 as a pupil counts them: the separate runs of the bead
# colour along a line beside the rod (through its lowest bead), from the top of the abacus to
# the lowest bead.
bead_runs_op2() { # shot rod colour
    local x top bottom
    e2e_design "FrmOperativo2.$2(1)"
    x=$(e2e_px $((E2E_TWIPS[0] + 60)))
    bottom=$((E2E_TWIPS[1] + E2E_TWIPS[3]))
    e2e_design FrmOperativo2.Frame3
    top=${E2E_TWIPS[1]}
    convert "$E2E_ARTIFACTS/$1.png" -crop "1x$(e2e_px $((bottom - top)))+$x+$(e2e_px "$top")" +repage txt:- \
        | awk -v c="#$3" 'NR == 1 { next } { here = (toupper($3) == c) } here && !was { n++ } { was = here } END { print n + 0 }'
}

e2e_start_x
e2e_start_app
start=$(e2e_wait_window "ORVENTA")
e2e_wait_curtains_open "$start"

# --- From picture to abacus, level "da    u": read the pictures, build them on the abacus.
op1=$(e2e_open_first_exercise "$start" op1-exercise)
e2e_answer_op1_right "$op1" op1-exercise op1-esatto
e2e_box frmOperativo1 lblRisEsatte
e2e_has_colour op1-esatto 0000FF "${E2E_BOX[@]}" || e2e_fail "no right-answer count shown"
e2e_box frmOperativo1 LblAiuto
help=("${E2E_BOX[@]}")
e2e_has_colour op1-esatto FFFF80 "${help[@]}" && e2e_fail "help offered after a right answer"

# --- The same window, next exercise answered wrong: help refused three times.
e2e_click_on "$op1" frmOperativo1 CmdOperazione   # "A V A N T I", where the verify button was
e2e_box frmOperativo1 Label8
e2e_wait_colour op1-next "$op1" no C04000 "${E2E_BOX[@]}" "CORRETTO still shown in the next exercise"
read -r tens units <<<"$(e2e_read_pictures_op1 op1-next)"
for attempt in 1 2 3; do
    e2e_click_on "$op1" frmOperativo1 CmdContaUp $((units + 1))   # one unit too many: always wrong
    e2e_click_on "$op1" frmOperativo1 CmdVerifica
    e2e_wait_colour "op1-errato-$attempt" "$op1" yes FFFF80 "${help[@]}" "no help offer after a wrong answer ($attempt)"
    e2e_click_on "$op1" frmOperativo1 Cmdno
    [ "$attempt" -eq 3 ] || e2e_wait_colour "op1-no-$attempt" "$op1" no FFFF80 "${help[@]}" "the help offer stayed after No ($attempt)"
done
box=$(e2e_wait_window "Attenzione")
e2e_shot_window message-box "$box"
e2e_activate "$box"
xdotool key Return
e2e_wait_for "Enter did not close the message" e2e_window_absent "Attenzione"
# "A V A N T I" shows its face, a square inside its top-left corner.
e2e_box frmOperativo1 CmdOperazione
e2e_wait_colour op1-intervengo "$op1" yes FFC080 $((E2E_BOX[0] + 6)) $((E2E_BOX[1] + 6)) 20 20 "'A V A N T I' not shown after the third No"
e2e_has_colour op1-intervengo FFFF80 "${help[@]}" && e2e_fail "help offer still shown after the third No"

# --- From abacus to picture, level "h   da   u": read the beads, build the pictures.
e2e_activate "$start"
e2e_click_on "$start" FrmInizio "Option1(1)"   # "Dall'abaco al grafico"
e2e_click_on "$start" FrmInizio "Option2(1)"   # "h   da   u"
e2e_click_on "$start" FrmInizio "Option3(0)"   # "Vai"
op2=$(e2e_wait_window "DALL'ABACO ALLA RAPPRESENTAZIONE")
e2e_box FrmOperativo2 CmdContaHp   # its yellow "+" of the hundreds
e2e_wait_colour op2-exercise "$op2" yes FFFF00 $((E2E_BOX[0] + 10)) $((E2E_BOX[1] + 4)) 20 20 "FrmOperativo2 was not drawn"
read -r h da u <<<"$(read_beads_op2 op2-exercise)"
echo "FrmOperativo2 shows $h hundreds, $da tens and $u units"
[ "$h" -ge 1 ] && [ "$da" -ge 1 ] && [ "$u" -ge 1 ] || e2e_fail "FrmOperativo2 digits run 1 to 9"
for rod in "$h Picture21 0000C0 hundreds" "$da Picture11 FF0000 tens" "$u Picture1 80FFFF units"; do
    read -r n beads colour place <<<"$rod"
    runs=$(bead_runs_op2 op2-exercise "$beads" "$colour")
    [ "$runs" -eq "$n" ] || e2e_fail "$n $place beads on screen, but they can be told apart as $runs"
done
e2e_click_on "$op2" FrmOperativo2 CmdContaHp "$h"
e2e_click_on "$op2" FrmOperativo2 CmdContaDap "$da"
e2e_click_on "$op2" FrmOperativo2 CmdContaUp "$u"
e2e_click_on "$op2" FrmOperativo2 CmdVerifica   # "VERIFICA"
e2e_box FrmOperativo2 lblRisEsatte
e2e_wait_colour op2-esatto "$op2" yes 0000FF "${E2E_BOX[@]}" "no right-answer count shown in FrmOperativo2"
e2e_box FrmOperativo2 LblAiuto
e2e_has_colour op2-esatto FFFF80 "${E2E_BOX[@]}" && e2e_fail "help offered after a right answer in FrmOperativo2"

e2e_activate "$start"
e2e_click_on "$start" FrmInizio "Option3(2)"   # "Esci"
e2e_wait_exit || e2e_fail "bexalo did not end with status 0"
echo "e2e_exercises: passed"
