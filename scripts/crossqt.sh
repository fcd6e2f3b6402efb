# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Sourced by the Windows and web builds: fetches the source of the Qt the machine's own packages
# ship (the very Qt the Linux build uses) and builds it statically for another target, once, into
# a cache outside the clone keyed by Qt version, target and configure options. A second run, or
# another clone on the same machine, finds it there and skips the build.
#
#   bexalo_cross_qt NAME OPTION...   builds (or finds) Qt for NAME; sets BEXALO_CROSS_QT to its prefix
#
# apt's source lines are derived from the machine's own apt sources into a private folder; the
# machine's apt configuration is never changed.
set -euo pipefail

BEXALO_CACHE=${BEXALO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/bexalo}

# What the program does not use stays out of every cross Qt. Debian's source drops the tablet
# header wintab.h, so tablet events are off too.
bexalo_cross_qt_common_options=(
    -static -release -nomake examples -nomake tests
    -no-dbus -no-icu -no-feature-sql -no-feature-network -no-feature-printsupport
    -no-feature-xml -no-feature-concurrent
    -qt-host-path /usr
)
bexalo_cross_qt_common_cmake=(
    -DFEATURE_tabletevent=OFF
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
)

# The Debian version of the host Qt, e.g. 6.4.2+dfsg-10: the cross Qt is built from its source.
bexalo_qt_debian_version() {
    dpkg-query -W -f='${Version}' qt6-base-dev
}

# Unpacks the qtbase source matching the host Qt under the cache; prints its folder.
bexalo_qt_source() {
    local version root apt_dir
    version=$(bexalo_qt_debian_version)
    root=$BEXALO_CACHE/src/qtbase-$version
    if [ -f "$root/.complete" ]; then
        echo "$root/source"
        return 0
    fi
    rm -rf "$root"
    mkdir -p "$root"
    apt_dir=$root/apt
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial" "$apt_dir/sources"
    bexalo_derive_source_lines "$apt_dir/sources"
    local apt_opts=(
        -o "Dir::Etc::SourceList=/dev/null"
        -o "Dir::Etc::SourceParts=$apt_dir/sources"
        -o "Dir::State::Lists=$apt_dir/lists"
        -o "Dir::Cache::Archives=$apt_dir/archives"
        -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache="
        -o "APT::Sandbox::User=root"
    )
    # A repository of the machine that publishes no sources only warns; the source fetch below
    # is what must succeed.
    apt-get "${apt_opts[@]}" update -qq >&2 || true
    (cd "$root" && apt-get "${apt_opts[@]}" source --download-only -qq "qt6-base=$version" >&2)
    local dsc
    dsc=$(ls "$root"/qt6-base_*.dsc)
    dpkg-source --no-check -x "$dsc" "$root/source" >&2
    rm -rf "$apt_dir" "$root"/*.tar.* "$root"/*.dsc
    touch "$root/.complete"
    echo "$root/source"
}

# Writes deb-src twins of the machine's enabled deb sources, in both of apt's formats.
bexalo_derive_source_lines() {
    local out=$1 f
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list > "$out/derived.list"
    fi
    for f in /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f" > "$out/$(basename "$f")"
    done
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        sed 's/^Types:.*$/Types: deb-src/' "$f" > "$out/$(basename "$f")"
    done
}

# bexalo_cross_qt NAME OPTION... [-- CMAKE_OPTION...]: the Qt for one target, built once.
bexalo_cross_qt() {
    local name=$1
    shift
    local options=("$@")
    local version key prefix
    version=$(bexalo_qt_debian_version)
    key=$(printf '%s\n' "$version" "${bexalo_cross_qt_common_options[@]}" "${bexalo_cross_qt_common_cmake[@]}" \
        "${options[@]}" | sha256sum | cut -c1-12)
    prefix=$BEXALO_CACHE/qt-$name-${version%%+*}-$key
    BEXALO_CROSS_QT=$prefix
    if [ -f "$prefix/.complete" ]; then
        return 0
    fi
    local source build started
    source=$(bexalo_qt_source)
    build=$BEXALO_CACHE/build-qt-$name-$key
    rm -rf "$prefix" "$build"
    mkdir -p "$build"
    started=$(date +%s)
    echo "Building Qt ${version%%+*} for $name into $prefix (once; later runs reuse it)"
    # configure takes plain options, then "--" and CMake options.
    local plain=() cmake_extra=() seen_dashes=0 opt
    for opt in "${options[@]}"; do
        if [ "$opt" = "--" ]; then
            seen_dashes=1
        elif [ $seen_dashes -eq 1 ]; then
            cmake_extra+=("$opt")
        else
            plain+=("$opt")
        fi
    done
    (cd "$build" && "$source/configure" -prefix "$prefix" "${bexalo_cross_qt_common_options[@]}" \
        "${plain[@]}" -- -G Ninja "${bexalo_cross_qt_common_cmake[@]}" "${cmake_extra[@]}" > configure.log 2>&1) ||
        { tail -n 60 "$build/configure.log" >&2; return 1; }
    cmake --build "$build" --parallel "$(nproc)" > "$build/build.log" 2>&1 ||
        { tail -n 60 "$build/build.log" >&2; return 1; }
    cmake --install "$build" > "$build/install.log" 2>&1 ||
        { tail -n 30 "$build/install.log" >&2; return 1; }
    rm -rf "$build"
    echo "Qt for $name built in $(( $(date +%s) - started )) s"
    touch "$prefix/.complete"
}
