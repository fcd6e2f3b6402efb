#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# A pupil starts bexalo, chooses "Dall'abaco al grafico", level "da    u" and "Vai" with the
# keyboard (Shift held down), sees the exercise window, then clicks "Esci": the program ends cleanly.
source "$(dirname "$0")/lib.sh"

e2e_start_x
e2e_start_app
start=$(e2e_wait_window "ORVENTA")
e2e_wait_curtains_open "$start"
e2e_shot_window start-window "$start"

# Focus starts on "Dall'abaco al grafico": "2" keeps it there, Enter chooses it; "1" then
# chooses the level "da    u" and Enter on "Vai" opens the window. Every key with Shift held
# down, which changes the symbol ("@", "!") but not the key.
e2e_keys shift+2 shift+Return shift+1 shift+Return
e2e_wait_window "DALL'ABACO ALLA RAPPRESENTAZIONE" >/dev/null
e2e_shot after-vai

e2e_activate "$start"
e2e_click_on "$start" FrmInizio "Option3(2)"   # "Esci"
if ! e2e_wait_exit; then
    e2e_fail "bexalo did not exit with status 0"
fi
echo "e2e_start: passed"
