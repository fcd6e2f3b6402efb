# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Sourced by every build script: installing what is missing on a Debian-family machine,
# configuring and building. Sourcing installs nothing; each script installs the sets it needs:
#   bexalo_build_packages     building the program for Linux (and the host tools of the cross builds;
#                             cmark-gfm and python3 make the teacher's guide, packaging/Guide.cmake)
#   bexalo_desktop_packages   running it, its tests and its package checks on a Linux desktop
# A second run skips what is already done.
set -euo pipefail

BEXALO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BEXALO_BUILD=${BEXALO_BUILD:-$BEXALO_ROOT/build}

# shellcheck disable=SC2034 # these sets are for the scripts that source this one
bexalo_build_packages=(
    build-essential cmake ninja-build pkg-config dpkg-dev patch cmark-gfm python3
    qt6-base-dev qt6-multimedia-dev libgl-dev fonts-liberation2
)
# shellcheck disable=SC2034
bexalo_desktop_packages=(
    qt6-qpa-plugins libqt6multimedia6 gstreamer1.0-plugins-base
    xvfb xauth openbox xdotool wmctrl imagemagick x11-utils
    dbus-x11 dbus-daemon dbus-bin at-spi2-core
    desktop-file-utils appstream lintian clang-format-19 shellcheck jq
    pulseaudio pulseaudio-utils
)

# Says what failed and fails; `... || bexalo_fail "why"` where set -e does not reach.
bexalo_fail() {
    echo "bexalo: $*" >&2
    return 1
}

# Exports SOURCE_DATE_EPOCH, the time every release stamps where a tool would stamp the time of
# the build (archive and package members, the installer's and the MSI's files, the MSI's
# summary): the time of the commit checked out, unless it is already set. A copy of the source
# without its git history takes the time of its CMakeLists.txt, as the copy keeps it.
bexalo_source_date_epoch() {
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        SOURCE_DATE_EPOCH=$(git -C "$BEXALO_ROOT" log -1 --format=%ct 2>/dev/null) ||
            SOURCE_DATE_EPOCH=$(stat -c %Y "$BEXALO_ROOT/CMakeLists.txt") ||
            bexalo_fail "no time for SOURCE_DATE_EPOCH: neither git nor CMakeLists.txt gave one" || return 1
    fi
    export SOURCE_DATE_EPOCH
}

bexalo_install_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The version the build folder BUILD was configured with (the project's version in CMake).
bexalo_build_version() {
    sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt" | grep . ||
        bexalo_fail "$1 holds no configured build"
}

# Jobs in the background: ./test starts the long work that leaves a core idle (making the Debian 13
# system, building the cross Qts) before the other parts, and the part that needs it waits for it.
# What a job needs from apt is installed before it starts, so no two apt-get run at once.
#   bexalo_background_start NAME NICE COMMAND...  runs COMMAND (a function is fine) at niceness NICE,
#                             in a process group of its own, its output kept in a file
#   bexalo_background_join NAME   waits for it and shows what it said; fails when it failed
#   bexalo_background_stop [NAME] ends it (every job, without NAME) with all it started
# (Declared without a value: sourcing this file again keeps the jobs it knows of.)
declare -gA bexalo_background_pids bexalo_background_logs
bexalo_background_start() {
    local name=$1 niceness=$2
    shift 2
    bexalo_background_logs[$name]=$(mktemp)
    # Job control on for this one job: a process group of its own, so that stopping it ends
    # everything it started.
    set -m
    (
        renice -n "$niceness" -p "$BASHPID" >/dev/null
        "$@"
    ) > "${bexalo_background_logs[$name]}" 2>&1 &
    bexalo_background_pids[$name]=$!
    set +m
    echo "Started in the background: $name (log: ${bexalo_background_logs[$name]})"
}

bexalo_background_join() {
    local name=$1 status=0
    [ -n "${bexalo_background_pids[$name]:-}" ] || return 0
    wait "${bexalo_background_pids[$name]}" || status=$?
    unset "bexalo_background_pids[$name]"
    cat "${bexalo_background_logs[$name]}"
    rm -f "${bexalo_background_logs[$name]}"
    [ "$status" -eq 0 ] || bexalo_fail "$name failed in the background (above)"
}

bexalo_background_stop() {
    local name names=("$@")
    [ $# -gt 0 ] || names=("${!bexalo_background_pids[@]}")
    for name in "${names[@]}"; do
        [ -n "${bexalo_background_pids[$name]:-}" ] || continue
        kill -TERM -- -"${bexalo_background_pids[$name]}" 2>/dev/null || true
        wait "${bexalo_background_pids[$name]}" 2>/dev/null || true
        unset "bexalo_background_pids[$name]"
        rm -f "${bexalo_background_logs[$name]}"
    done
}

# Starts Xvfb on a free display, 1280x1024 unless SCREEN says otherwise, and exports DISPLAY;
# BEXALO_XVFB_PID is the server, for the caller to end. Returns once the display answers a
# client: Xvfb names its display before it is through setting up, and can still fail after
# that. Its own words go to BEXALO_XVFB_LOG when set, and are shown when it does not come up.
# -noreset: an X server resets itself whenever its last client leaves, and refuses whoever
# connects meanwhile; without it, the client that asks whether the display answers would leave
# the next one (the window manager) a moment in which it is refused.
bexalo_start_xvfb() {
    local fdfile log=${BEXALO_XVFB_LOG:-} display=
    fdfile=$(mktemp)
    [ -n "$log" ] || log=$fdfile.log
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024x24}" -nolisten tcp -noreset 3>"$fdfile" 2>"$log" &
    BEXALO_XVFB_PID=$!
    for _ in $(seq 1 300); do
        if [ -z "$display" ] && [ -s "$fdfile" ]; then
            display=":$(head -n1 "$fdfile")"
        fi
        if [ -n "$display" ] && xdpyinfo -display "$display" >/dev/null 2>&1; then
            break
        fi
        kill -0 "$BEXALO_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    local words
    words=$(tail -n 5 "$log" 2>/dev/null || true)
    [ "$log" != "$fdfile.log" ] || rm -f "$log"
    rm -f "$fdfile"
    if [ -z "$display" ] || ! xdpyinfo -display "$display" >/dev/null 2>&1; then
        kill "$BEXALO_XVFB_PID" 2>/dev/null || true
        bexalo_fail "Xvfb did not start: $words"
        return 1
    fi
    DISPLAY=$display
    export DISPLAY
}

# bexalo_configure DIR KEY CMAKE ARG...: configures the build folder DIR by running CMAKE ARG...
# (cmake, or a cross Qt's qt-cmake, with -S and -B). Once; again when the ARGs change; and from
# scratch (--fresh) when KEY changes: what the folder was first configured against (a Qt, a
# toolchain), which an existing cache never takes up. CMake's output lands in DIR/configure.log.
bexalo_configure() {
    local dir=$1 key=$2
    shift 2
    local args
    args=$(printf '%s\n' "$@")
    if [ -f "$dir/build.ninja" ] && [ "$(cat "$dir/.bexalo-key" 2>/dev/null)" = "$key" ] &&
        [ "$(cat "$dir/.bexalo-args" 2>/dev/null)" = "$args" ]; then
        return 0
    fi
    local command=("$@")
    if [ -f "$dir/CMakeCache.txt" ] && [ "$(cat "$dir/.bexalo-key" 2>/dev/null)" != "$key" ]; then
        echo "Configuring $dir again from scratch: what it was built against has changed"
        command=("$1" --fresh "${@:2}")
    fi
    mkdir -p "$dir"
    rm -f "$dir/.bexalo-key" "$dir/.bexalo-args"
    "${command[@]}" > "$dir/configure.log" 2>&1 || { tail -n 40 "$dir/configure.log" >&2; return 1; }
    printf '%s\n' "$key" > "$dir/.bexalo-key"
    printf '%s\n' "$args" > "$dir/.bexalo-args"
}

# How ./test configures the Linux build: any compiler warning fails it, benchmarks included, so
# CI fails on a new one. The web part's tools come from the same folder.
# shellcheck disable=SC2034
bexalo_test_build_options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBEXALO_WERROR=ON -DBEXALO_BUILD_BENCH=ON)

bexalo_configure_and_build() {
    local build_dir=$1
    shift
    bexalo_configure "$build_dir" host cmake -S "$BEXALO_ROOT" -B "$build_dir" -G Ninja "$@"
    cmake --build "$build_dir" -j"$(nproc)"
}
