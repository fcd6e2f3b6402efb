# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Sourced by ./run and ./test: installs what is missing on a Debian-family machine, configures
# and builds. A second run skips what is already done.
set -euo pipefail

BEXALO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BEXALO_BUILD=${BEXALO_BUILD:-$BEXALO_ROOT/build}

bexalo_packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev libgl-dev qt6-qpa-plugins libqt6multimedia6
    gstreamer1.0-plugins-base
    fonts-liberation2
    xvfb xauth openbox xdotool wmctrl imagemagick x11-utils
    dbus-x11 dbus-daemon dbus-bin at-spi2-core
    dpkg-dev desktop-file-utils appstream lintian clang-format
)

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

bexalo_configure_and_build() {
    local build_dir=$1
    shift
    if [ ! -f "$build_dir/build.ninja" ]; then
        cmake -S "$BEXALO_ROOT" -B "$build_dir" -G Ninja "$@"
    elif [ $# -gt 0 ]; then
        # An existing build takes the options it is given too (./test's BEXALO_WERROR=ON).
        cmake "$build_dir" "$@" >/dev/null
    fi
    cmake --build "$build_dir" -j"$(nproc)"
}

bexalo_install_packages "${bexalo_packages[@]}"
