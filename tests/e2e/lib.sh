# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Shared by the end-to-end tests: a real X server (Xvfb) with a window manager (openbox), the
# built program started in it, and the pupil's hands (xdotool) and eyes (wmctrl, screenshots).
set -euo pipefail
# shellcheck source=../../scripts/setup.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/setup.sh"

E2E_PROGRAM=$(readlink -f "$1")
E2E_ARTIFACTS=$(mkdir -p "$2" && cd "$2" && pwd)
mkdir -p "$E2E_ARTIFACTS"
E2E_PIDS=()
E2E_APP_PID=
# The program's runtime folder, one for the whole test, removed at its end.
E2E_RUNTIME=$(mktemp -d)

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$E2E_RUNTIME"
}
trap e2e_cleanup EXIT

e2e_fail() {
    echo "FAIL: $*" >&2
    e2e_shot "failure-$(basename "$0" .sh)" || true
    exit 1
}

# Starts Xvfb on a free display, then openbox.
e2e_start_x() {
    local i name
    name=$(basename "$0" .sh)
    # The server's and openbox's own words land among the artefacts, for when they do not come up.
    BEXALO_XVFB_LOG="$E2E_ARTIFACTS/xvfb-$name.log" bexalo_start_xvfb || e2e_fail "no X server came up"
    E2E_PIDS+=("$BEXALO_XVFB_PID")
    # A minute at most: a machine busy with builds can take long to start it. One that ends at
    # once is started again, twice at most.
    local wm attempt=1
    openbox >"$E2E_ARTIFACTS/openbox-$name.log" 2>&1 &
    wm=$!
    E2E_PIDS+=("$wm")
    for i in $(seq 1 600); do
        wmctrl -m >/dev/null 2>&1 && return 0
        if ! kill -0 "$wm" 2>/dev/null; then
            [ "$attempt" -lt 3 ] ||
                e2e_fail "the window manager ended at once, three times: $(tail -n 5 "$E2E_ARTIFACTS/openbox-$name.log")" \
                    "(X server on $DISPLAY: $(tail -n 5 "$E2E_ARTIFACTS/xvfb-$name.log"))"
            attempt=$((attempt + 1))
            openbox >>"$E2E_ARTIFACTS/openbox-$name.log" 2>&1 &
            wm=$!
            E2E_PIDS+=("$wm")
        fi
        sleep 0.1
    done
    e2e_fail "no window manager came up within a minute"
}

e2e_start_app() {
    env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$E2E_RUNTIME" "$E2E_PROGRAM" "$@" &
    E2E_APP_PID=$!
    E2E_PIDS+=("$E2E_APP_PID")
}

# Waits until a window whose title is exactly $1 is mapped; prints its id.
e2e_wait_window() {
    local title=$1 i id
    for i in $(seq 1 300); do
        id=$(wmctrl -l | awk -v t="$title" '{ line=$0; sub(/^[^ ]+ +[^ ]+ +[^ ]+ +/, "", line); if (line == t) print $1 }' | head -n1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "window '$title' did not appear (open: $(wmctrl -l | cut -c 1-200))"
}

e2e_window_absent() {
    ! wmctrl -l | awk '{ line=$0; sub(/^[^ ]+ +[^ ]+ +[^ ]+ +/, "", line); print line }' | grep -qxF "$1"
}

e2e_shot() {
    import -window root "$E2E_ARTIFACTS/$1.png"
}

# Screenshot of one window's client area (id from e2e_wait_window).
e2e_shot_window() {
    import -window "$2" "$E2E_ARTIFACTS/$1.png"
}

# Retries "$@" every tenth of a second until it succeeds; after ten seconds fails with $1.
e2e_wait_for() {
    local what=$1 i
    shift
    for i in $(seq 1 100); do
        "$@" && return 0
        sleep 0.1
    done
    e2e_fail "$what"
}

# Raises window $1 and waits until it has the keyboard.
e2e_activate() {
    wmctrl -i -a "$1"
    e2e_wait_for "window $1 did not become active" e2e_is_active "$1"
}

e2e_is_active() {
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$(( $1 ))" ]
}

# Types the keys one by one, as separate strokes; the program reads them in order.
e2e_keys() {
    local k
    for k in "$@"; do
        xdotool key --clearmodifiers "$k"
        sleep 0.15
    done
}

# Clicks at client coordinates (pixels) of window $1. The program takes its input in order,
# so what a click does is waited for where it is looked at (e2e_wait_pixel, e2e_wait_colour).
e2e_click() {
    xdotool mousemove --window "$(( $1 ))" "$2" "$3" click 1
}

# The colour of one pixel of a screenshot, as #RRGGBB.
e2e_pixel() {
    convert "$E2E_ARTIFACTS/$1.png" -format "%[hex:p{$2,$3}]" info: | cut -c 1-6 | sed 's/^/#/'
}

# Shoots window $2 as $1 until its pixel ($3, $4) is $5 (#RRGGBB); $6 says what failed.
e2e_wait_pixel() {
    e2e_wait_for "$6 (pixel $3,$4 of $1 is $(e2e_pixel "$1" "$3" "$4" 2>/dev/null || echo none), not $5)" \
        e2e_shot_pixel_is "$@"
}

e2e_shot_pixel_is() {
    e2e_shot_window "$1" "$2" && [ "$(e2e_pixel "$1" "$3" "$4")" = "$5" ]
}

# Shoots window $2 as $1 until it has ($3 yes) or lacks ($3 no) any pixel of colour $4
# (RRGGBB) in the rectangle x y w h ($5..$8); $9 says what failed.
e2e_wait_colour() {
    e2e_wait_for "$9" e2e_shot_colour_is "$@"
}

e2e_shot_colour_is() {
    e2e_shot_window "$1" "$2" || return 1
    if e2e_has_colour "$1" "$4" "$5" "$6" "$7" "$8"; then
        [ "$3" = yes ]
    else
        [ "$3" = no ]
    fi
}

e2e_wait_exit() {
    local i
    for i in $(seq 1 300); do
        if ! kill -0 "$E2E_APP_PID" 2>/dev/null; then
            wait "$E2E_APP_PID"
            return $?
        fi
        sleep 0.1
    done
    e2e_fail "the program did not end"
}

# Twips of the window's design to client pixels.
e2e_px() {
    echo $(( ($1 + 7) / 15 ))
}

# Whether a screenshot has any pixel of colour $2 (RRGGBB) in the rectangle x y w h.
e2e_has_colour() {
    local colours
    colours=$(convert "$E2E_ARTIFACTS/$1.png" -crop "${5}x${6}+${3}+${4}" +repage -format %c histogram:info:-)
    grep -qi "#$2" <<<"$colours"
}

# Waits until the start window's curtains have slid open (the left edge shows the window's
# own colour rather than the curtain's).
e2e_wait_curtains_open() {
    local i
    for i in $(seq 1 150); do
        e2e_shot_window curtains "$1"
        [ "$(e2e_pixel curtains 10 300)" = "#FFC0FF" ] && return 0
        sleep 0.1
    done
    e2e_fail "the curtains did not open"
}

# ---- Where the windows put their controls ----------------------------------------------------
# The design tables of the program's windows, as the build's write_form_designs wrote them
# into the build folder, beside the program or installer under test (the test form_designs
# does, before any end-to-end test). A window is named by its design name (FrmInizio,
# frmOperativo1, FrmOperativo2), a control by its name, Name(index) for an element of a
# control array.
E2E_DESIGNS=$(dirname "$E2E_PROGRAM")/form-designs.json
declare -A E2E_DESIGN=()

# Reads the design once: "FORM.CONTROL" -> "x y width height" (twips from the window's client
# area), "FORM" -> "clientWidth clientHeight".
e2e_load_designs() {
    [ ${#E2E_DESIGN[@]} -eq 0 ] || return 0
    local file=$E2E_DESIGNS lines key box
    [ -f "$file" ] || e2e_fail "no $file: the test form_designs writes it"
    lines=$(jq -r 'to_entries[] | .key as $form | "\($form) \(.value.clientWidth) \(.value.clientHeight)",
        (.value.controls | to_entries[] | "\($form).\(.key) \(.value | "\(.x) \(.y) \(.width) \(.height)")")' \
        "$file") || e2e_fail "cannot read $file"
    while read -r key box; do
        E2E_DESIGN[$key]=$box
    done <<<"$lines"
}

# Sets E2E_TWIPS to the design's values for KEY (see e2e_load_designs).
e2e_design() { # form[.control]
    e2e_load_designs
    [ -n "${E2E_DESIGN[$1]:-}" ] || e2e_fail "the windows' design has no $1"
    read -r -a E2E_TWIPS <<<"${E2E_DESIGN[$1]}"
}

# Sets E2E_BOX to a control's x y width height in client pixels, and E2E_CENTRE to its centre.
e2e_box() { # form control
    e2e_design "$1.$2"
    local t=("${E2E_TWIPS[@]}")
    E2E_BOX=("$(e2e_px "${t[0]}")" "$(e2e_px "${t[1]}")" "$(e2e_px "${t[2]}")" "$(e2e_px "${t[3]}")")
    E2E_CENTRE=("$(e2e_px $((t[0] + t[2] / 2)))" "$(e2e_px $((t[1] + t[3] / 2)))")
}

# Clicks the centre of a control of window $1 (FORM's design) a number of times (once).
e2e_click_on() { # window form control [times]
    e2e_box "$2" "$3"
    e2e_press "$1" "${E2E_CENTRE[@]}" "${4:-1}"
}

# Sets E2E_BAND to a point of frmOperativo1's yellow band under the abacus, left of its words.
e2e_band_point() {
    e2e_box frmOperativo1 Label2
    E2E_BAND=($((E2E_BOX[0] + 7)) $((E2E_BOX[1] + E2E_BOX[3] / 2)))
}

# The first exercise, opened with the mouse on start window $1: "Dal grafico all'abaco",
# "da    u", "Vai"; waits until frmOperativo1 shows its abacus in screenshot $2 and prints its id.
e2e_open_first_exercise() { # start-window shot
    local op1
    e2e_click_on "$1" FrmInizio "Option1(0)"   # "Dal grafico all'abaco"
    e2e_click_on "$1" FrmInizio "Option2(0)"   # "da    u"
    e2e_click_on "$1" FrmInizio "Option3(0)"   # "Vai"
    op1=$(e2e_wait_window "DALLA RAPPRESENTAZIONE ALL'ABACO 1")
    e2e_band_point
    e2e_wait_pixel "$2" "$op1" "${E2E_BAND[@]}" "#FFFF00" "frmOperativo1 was not drawn"
    echo "$op1"
}

# Pictures shown in the tens and units columns of frmOperativo1: a unit is probed at its
# centre, a ten near its top-left corner.
e2e_read_pictures_op1() {
    local shot=$1 i units=0 tens=0 x y
    for i in $(seq 0 8); do
        e2e_box frmOperativo1 "ImageU($i)"
        [ "$(e2e_pixel "$shot" "${E2E_CENTRE[@]}")" = "#0080FF" ] && units=$((units + 1))
        e2e_design "frmOperativo1.ImageDA($i)"
        x=$(e2e_px $((E2E_TWIPS[0] + 8)))
        y=$(e2e_px $((E2E_TWIPS[1] + 8)))
        [ "$(e2e_pixel "$shot" "$x" "$y")" = "#FF0080" ] && tens=$((tens + 1))
    done
    echo "$tens $units"
}

# Clicks a control of a window a number of times.
e2e_press() { # window x y times
    local i
    for i in $(seq 1 "$4"); do
        e2e_click "$1" "$2" "$3"
    done
}

# Answers frmOperativo1's exercise right from what the screenshot SHOT shows: the tens and the
# units read from the pictures, built on the abacus with "+", verified; waits for "CORRETTO"
# in screenshot AFTER.
e2e_answer_op1_right() { # window shot after
    local tens units
    read -r tens units <<<"$(e2e_read_pictures_op1 "$2")"
    echo "frmOperativo1 shows $tens tens and $units units"
    [ $((tens + units)) -gt 0 ] || e2e_fail "frmOperativo1 shows no picture"
    e2e_click_on "$1" frmOperativo1 CmdContaDap "$tens"    # tens "+"
    e2e_click_on "$1" frmOperativo1 CmdContaUp "$units"    # units "+"
    e2e_click_on "$1" frmOperativo1 CmdVerifica            # "V E R I F I CA"
    e2e_box frmOperativo1 Label8
    e2e_wait_colour "$3" "$1" yes C04000 "${E2E_BOX[@]}" "no CORRETTO after the right answer"
}
