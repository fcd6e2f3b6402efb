# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Sourced by the Windows and web builds: fetches the source of the Qt the machine's own packages
# ship (the very Qt the Linux build uses) and builds it statically for another target, once, into
# a cache outside the clone. An entry's name holds a key made of everything that shapes it: the
# Qt source version, the configure options, the toolchain (the cross compiler's version, the
# toolchain file's content) and the patches applied to the source. A second run, or another clone
# on the same machine, finds it there and skips the build; an upgrade of any of those builds anew.
#
#   bexalo_qt_source                      unpacks (or finds) the source; sets BEXALO_QT_SOURCE
#   bexalo_cross_qt NAME OPTION...        builds (or finds) Qt for NAME; sets BEXALO_CROSS_QT
#       with, set by the caller beforehand:
#       bexalo_cross_qt_toolchain_id      text naming the toolchain (compiler version, file hashes)
#       bexalo_cross_qt_patches           patch files applied to a copy of the source
#
# Every entry is built under a lock, so two clones building at once wait for each other, and is
# marked complete only when every step has succeeded; a failed step fails the script with a
# message and leaves no mark. apt's source lines are derived from the machine's own apt sources
# into a private folder; the machine's apt configuration is never changed.
set -euo pipefail
# shellcheck source=setup.sh
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

BEXALO_CACHE=${BEXALO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/bexalo}

# What the program does not use stays out of every cross Qt (and tablet events, in CMake's
# options that bexalo_cross_qt sets: Debian's source drops the tablet header wintab.h).
bexalo_cross_qt_common_options=(
    -static -release -nomake examples -nomake tests
    -no-dbus -no-icu -no-feature-sql -no-feature-network -no-feature-printsupport
    -no-feature-xml -no-feature-concurrent
    -qt-host-path /usr
)
bexalo_cross_qt_toolchain_id=${bexalo_cross_qt_toolchain_id:-}
bexalo_cross_qt_patches=()

# The Debian version of the host Qt, e.g. 6.4.2+dfsg-10: the cross Qt is built from its source.
bexalo_qt_debian_version() {
    dpkg-query -W -f='${Version}' qt6-base-dev
}

# The releases are cross-built from the source of the machine's own Qt, with options and patches
# made for Qt 6.4: Debian 12 builds them. Elsewhere this stops before any long work, with one line.
bexalo_release_host_check() {
    local version
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null ||
        apt-cache show --no-all-versions qt6-base-dev 2>/dev/null | sed -n 's/^Version: //p')
    version=${version#*:}
    # (Not known yet, before apt's first update: bexalo_cross_qt asks again once Qt is installed.)
    case $version in
        "" | 6.4.*) return 0 ;;
    esac
    bexalo_fail "the Windows and web releases are built on Debian 12 (Qt 6.4); this system's Qt is $version: build them on Debian 12"
}

# Runs "$@" holding the lock LOCKFILE (the first argument).
bexalo_locked() {
    local lock=$1
    shift
    mkdir -p "$(dirname "$lock")"
    (
        flock 9
        "$@"
    ) 9>"$lock"
}

# Unpacks the qtbase source matching the host Qt under the cache; sets BEXALO_QT_SOURCE.
bexalo_qt_source() {
    local version
    version=$(bexalo_qt_debian_version) || bexalo_fail "qt6-base-dev is not installed" || return 1
    local root=$BEXALO_CACHE/src/qtbase-$version
    BEXALO_QT_SOURCE=$root/source
    [ -f "$root/.complete" ] && return 0
    bexalo_locked "$root.lock" bexalo_qt_source_fetch "$root" "$version" ||
        bexalo_fail "could not fetch the source of qt6-base $version (see above); nothing was cached"
}

bexalo_qt_source_fetch() {
    local root=$1 version=$2
    [ -f "$root/.complete" ] && return 0
    # Called under a lock, where set -e does not hold: every step says so itself.
    local apt_dir=$root/apt
    rm -rf "$root" && mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial" "$apt_dir/sources" || return 1
    bexalo_derive_source_lines "$apt_dir/sources" || return 1
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
    (cd "$root" && apt-get "${apt_opts[@]}" source --download-only -qq "qt6-base=$version" >&2) ||
        bexalo_fail "apt-get source qt6-base=$version failed" || return 1
    local dsc=("$root"/qt6-base_*.dsc)
    [ -f "${dsc[0]}" ] || bexalo_fail "apt-get source left no qt6-base .dsc" || return 1
    dpkg-source --no-check -x "${dsc[0]}" "$root/source" >&2 || bexalo_fail "dpkg-source could not unpack ${dsc[0]}" ||
        return 1
    [ -f "$root/source/configure" ] || bexalo_fail "the unpacked source has no configure script" || return 1
    rm -rf "$apt_dir" "$root"/*.tar.* "$root"/*.dsc && touch "$root/.complete"
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

# The key of a cross Qt: a hash of everything that shapes it.
bexalo_cross_qt_key() {
    local version=$1
    shift
    {
        printf '%s\n' "$version" "${bexalo_cross_qt_common_options[@]}" "${bexalo_cross_qt_common_cmake[@]}" "$@"
        printf '%s\n' "$bexalo_cross_qt_toolchain_id"
        local p
        for p in "${bexalo_cross_qt_patches[@]}"; do
            sha256sum < "$p"
        done
    } | sha256sum | cut -c1-12
}

# Sets BEXALO_HOST_CMAKE_DIR: where the host's CMake packages live (the host Qt whose tools the
# cross builds use).
bexalo_host_cmake_dir() {
    local multiarch
    multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH) || bexalo_fail "dpkg-architecture (dpkg-dev) does not run"
    BEXALO_HOST_CMAKE_DIR=/usr/lib/$multiarch/cmake
}

# bexalo_cross_notices BUILD PROGRAM LICENCE_NAME OUT: the licence notices of a static build of
# bexalo, made from its linker's map (scripts/notices.py) with the Qt the folder was configured
# with and that Qt's source; LICENCE_NAME is where bexalo's own licence lies beside them.
bexalo_cross_notices() {
    local build=$1 program=$2 licence_name=$3 out=$4 qt_dir qt_prefix version
    qt_dir=$(sed -n 's/^Qt6_DIR:[A-Z]*=//p' "$build/CMakeCache.txt")
    [ -n "$qt_dir" ] || bexalo_fail "$build was not configured with a Qt" || return 1
    qt_prefix=$(realpath "$qt_dir/../../..")
    version=$(bexalo_qt_debian_version)
    bexalo_qt_source
    python3 "$BEXALO_ROOT/scripts/notices.py" --linked "$build/bexalo.linked.txt" --program "$program" \
        --build "$build" --qt-prefix "$qt_prefix" --qt-source "$BEXALO_QT_SOURCE" \
        --rules "$BEXALO_ROOT/packaging/third-party.txt" --licence-name "$licence_name" \
        --qt-version "${version%%+*}" --out "$out" ||
        bexalo_fail "the licence notices could not be made (see above)"
}

# bexalo_cross_qt NAME OPTION... [-- CMAKE_OPTION...]: the Qt for one target, built once.
bexalo_cross_qt() {
    local name=$1
    shift
    bexalo_host_cmake_dir
    bexalo_cross_qt_common_cmake=(-DFEATURE_tabletevent=OFF -DQT_HOST_PATH_CMAKE_DIR="$BEXALO_HOST_CMAKE_DIR")
    local version key prefix
    bexalo_release_host_check
    version=$(bexalo_qt_debian_version)
    key=$(bexalo_cross_qt_key "$version" "$@")
    prefix=$BEXALO_CACHE/qt-$name-${version%%+*}-$key
    # shellcheck disable=SC2034 # for the scripts that source this one
    BEXALO_CROSS_QT=$prefix
    if [ ! -f "$prefix/.complete" ]; then
        bexalo_qt_source
        bexalo_locked "$prefix.lock" bexalo_cross_qt_build "$name" "$version" "$prefix" "$key" "$@" ||
            bexalo_fail "building Qt for $name failed; nothing was cached" || return 1
    fi
    bexalo_cross_qt_report_unused "$name" "$prefix"
}

# Tells which older entries for NAME the cache still holds, with their size.
bexalo_cross_qt_report_unused() {
    local name=$1 current=$2 entry
    for entry in "$BEXALO_CACHE"/qt-"$name"-*; do
        if [ ! -d "$entry" ] || [ "$entry" = "$current" ]; then
            continue
        fi
        echo "Cache entry no longer used (remove it to free $(du -sh "$entry" | cut -f1)): $entry"
    done
}

# Builds one entry, under its lock; a failed build leaves nothing of it in the cache, neither the
# half-installed Qt nor its build folder (an interrupted one leaves no mark, and the next build
# starts afresh).
bexalo_cross_qt_build() {
    local prefix=$3 build=$BEXALO_CACHE/build-qt-$1-$4
    [ -f "$prefix/.complete" ] && return 0
    bexalo_cross_qt_build_steps "$@" && return 0
    rm -rf "$prefix" "$build"
    return 1
}

bexalo_cross_qt_build_steps() {
    local name=$1 version=$2 prefix=$3 key=$4
    shift 4
    local source=$BEXALO_QT_SOURCE build=$BEXALO_CACHE/build-qt-$name-$key started
    # Called where set -e does not hold (under a lock, in a test of "||"): every step says so itself.
    rm -rf "$prefix" "$build" && mkdir -p "$build/qt" || return 1
    started=$(date +%s)
    echo "Building Qt ${version%%+*} for $name into $prefix (once; later runs reuse it)"
    if [ ${#bexalo_cross_qt_patches[@]} -gt 0 ]; then
        # Patches go on a copy of the shared source, which other targets use unpatched.
        cp -a "$BEXALO_QT_SOURCE" "$build/source" || return 1
        source=$build/source
        local p
        for p in "${bexalo_cross_qt_patches[@]}"; do
            patch -d "$source" -p1 --forward --batch < "$p" >&2 || bexalo_fail "patch $p does not apply" || return 1
        done
    fi
    # configure takes plain options, then "--" and CMake options.
    local plain=() cmake_extra=() seen_dashes=0 opt
    for opt in "$@"; do
        if [ "$opt" = "--" ]; then
            seen_dashes=1
        elif [ $seen_dashes -eq 1 ]; then
            cmake_extra+=("$opt")
        else
            plain+=("$opt")
        fi
    done
    (cd "$build/qt" && "$source/configure" -prefix "$prefix" "${bexalo_cross_qt_common_options[@]}" \
        "${plain[@]}" -- -G Ninja "${bexalo_cross_qt_common_cmake[@]}" "${cmake_extra[@]}" > ../configure.log 2>&1) ||
        { tail -n 60 "$build/configure.log" >&2; return 1; }
    cmake --build "$build/qt" --parallel "$(nproc)" > "$build/build.log" 2>&1 ||
        { tail -n 60 "$build/build.log" >&2; return 1; }
    cmake --install "$build/qt" > "$build/install.log" 2>&1 ||
        { tail -n 30 "$build/install.log" >&2; return 1; }
    rm -rf "$build" || return 1
    echo "Qt for $name built in $(( $(date +%s) - started )) s"
    touch "$prefix/.complete"
}
