# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Sourced by ./package-windows and scripts/test-windows.sh: what the Windows build needs, the
# static cross Qt (built once into the cache, see crossqt.sh), the build folder build-windows
# and the release made from it.
#
#   bexalo_windows_configure     packages, cross Qt and a configured build-windows
#   bexalo_windows_package       the zip, the installer and the MSI from what is built there
#   bexalo_windows_msi STAGE VERSION ICON OUT
#                                an MSI package of the staged folder, as the version given
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
source "$BEXALO_ROOT/scripts/crossqt.sh"
source "$BEXALO_ROOT/scripts/wine.sh"

BEXALO_WINDOWS_BUILD=${BEXALO_WINDOWS_BUILD:-$BEXALO_ROOT/build-windows}
bexalo_windows_packages=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine64 nsis wixl msitools faketime fonts-liberation2 xvfb xauth openbox xdotool wmctrl imagemagick x11-utils jq
)

# The Qt for Windows. The toolchain file is copied into the cache first, so that the options do
# not depend on where this clone lies; its content and the cross compiler's version are part of
# the cache key.
bexalo_windows_qt() {
    mkdir -p "$BEXALO_CACHE/toolchains"
    if ! cmp -s "$BEXALO_ROOT/cmake/mingw-w64-x86_64.cmake" "$BEXALO_CACHE/toolchains/mingw-w64-x86_64.cmake"; then
        cp "$BEXALO_ROOT/cmake/mingw-w64-x86_64.cmake" "$BEXALO_CACHE/toolchains/"
    fi
    local compiler toolchain
    compiler=$(x86_64-w64-mingw32-g++-posix --version) || bexalo_fail "the MinGW-w64 C++ compiler does not run"
    toolchain=$(sha256sum < "$BEXALO_CACHE/toolchains/mingw-w64-x86_64.cmake")
    bexalo_cross_qt_toolchain_id="${compiler%%$'\n'*} $toolchain"
    bexalo_cross_qt windows -xplatform win32-g++ -static-runtime -no-opengl -- \
        -DCMAKE_TOOLCHAIN_FILE="$BEXALO_CACHE/toolchains/mingw-w64-x86_64.cmake"
}

bexalo_windows_configure() {
    bexalo_install_packages "${bexalo_build_packages[@]}" "${bexalo_windows_packages[@]}"
    bexalo_windows_qt
    bexalo_configure "$BEXALO_WINDOWS_BUILD" "$BEXALO_CROSS_QT" cmake -S "$BEXALO_ROOT" -B "$BEXALO_WINDOWS_BUILD" \
        -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$BEXALO_CROSS_QT/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="env;WINEPREFIX=$(bexalo_wine_unit_prefix "$BEXALO_WINDOWS_BUILD");$BEXALO_ROOT/scripts/wine-run.sh"
}

# Text files as Windows' Notepad reads them best: CRLF line ends and a UTF-8 byte-order mark,
# as the install rules make the read-me and the licence.
bexalo_windows_text() {
    python3 "$BEXALO_ROOT/scripts/windows-text.py" "$1" "$2"
}

# Every file's time in the staged FOLDER set to SOURCE_DATE_EPOCH: the installer and the MSI's
# cabinet keep each file's time, which would otherwise be the time of the build.
bexalo_windows_stamp() {
    find "$1" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} + || bexalo_fail "could not set the times in $1"
}

# The digest of what goes into the MSI: the staged folder's files (names and bytes), the icon
# and the WiX source.
bexalo_windows_msi_digest() {
    local stage=$1 icon=$2
    {
        (cd "$stage" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum --)
        sha256sum <"$icon"
        sha256sum <"$BEXALO_ROOT/packaging/windows/bexalo.wxs"
    } | sha256sum | cut -c1-64
}

# The MSI (packaging/windows/bexalo.wxs): every file of the staged folder but bexalo.exe, which
# the WiX source names itself, goes in through wixl-heat, so the package holds what the zip
# holds. wixl takes only paths relative to where it runs. Where wixl-heat and wixl would draw
# or stamp: the folders' Ids, random from wixl-heat, are numbered in the (sorted) order of the
# folders; the product code and the package code are name-based UUIDs of the version and of
# what goes in (the same content, the same codes; any change, new ones, as Windows Installer
# wants of a package code), the package code set by msibuild afterwards as wixl reads none;
# both run at the time SOURCE_DATE_EPOCH under faketime, in UTC, for the times of the summary
# information.
bexalo_windows_msi() {
    local stage version=$2 icon out work digest when product_code package_code
    stage=$(realpath "$1")
    icon=$(realpath "$3")
    out=$(realpath -m "$4")
    bexalo_source_date_epoch
    digest=$(bexalo_windows_msi_digest "$stage" "$icon") || bexalo_fail "could not read what goes into the MSI"
    when=$(TZ=UTC date -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S') || bexalo_fail "SOURCE_DATE_EPOCH is no time"
    product_code=$(bexalo_name_uuid "bexalo product $version $digest") || bexalo_fail "no product code"
    package_code=$(bexalo_name_uuid "bexalo package $version $digest") || bexalo_fail "no package code"
    work=$(mktemp -d)
    # A subshell of its own for the working folder and its removal; set -e holds in it, as it
    # stands on no condition, so any step that fails fails the MSI.
    (
        trap 'rm -rf "$work"' EXIT
        cd "$work"
        ln -s "$stage" stage
        cp "$icon" bexalo.ico
        (cd stage && find . -type f ! -path ./bexalo.exe | sed 's|^\./|stage/|' | LC_ALL=C sort) |
            wixl-heat -p stage/ --directory-ref INSTALLDIR --component-group Files --var var.Stage --win64 |
            awk '/<Directory Id="dir[0-9A-F]+"/ { sub(/Id="dir[0-9A-F]+"/, "Id=\"dirStaged" ++n "\"") } { print }' >files.wxs
        TZ=UTC faketime -f "$when" wixl -a x64 -D Version="$version" -D Stage=stage -D Icon=bexalo.ico -D Win64=yes \
            -D ProductCode="$product_code" -o bexalo.msi "$BEXALO_ROOT/packaging/windows/bexalo.wxs" files.wxs
        local summary
        summary=$(msiinfo suminfo bexalo.msi)
        TZ=UTC faketime -f "$when" msibuild bexalo.msi -s "$(sed -n 's/^Subject: //p' <<<"$summary")" \
            "$(sed -n 's/^Author: //p' <<<"$summary")" "$(sed -n 's/^Template: //p' <<<"$summary")" "{$package_code}"
        mv bexalo.msi "$out"
    )
}

# The NSIS lines that install and remove the staged folder's files, from the folder itself:
# the macros BexaloInstallFiles and BexaloUninstallFiles, included by bexalo.nsi.
bexalo_windows_nsis_files() {
    local stage=$1 out=$2 path dir
    {
        echo '; Made by scripts/windows.sh from the staged folder.'
        echo '!macro BexaloInstallFiles'
        (cd "$stage" && find . -type d | LC_ALL=C sort) | while read -r dir; do
            dir=${dir#.}
            echo "    SetOutPath \"\$INSTDIR${dir//\//\\}\""
            (cd "$stage" && find ".$dir" -mindepth 1 -maxdepth 1 -type f | LC_ALL=C sort) | while read -r path; do
                path=${path#./}
                echo "    File \"\${STAGE}\\${path//\//\\}\""
            done
        done
        # shellcheck disable=SC2016 # an NSIS variable, written as it is
        echo '    SetOutPath "$INSTDIR"'
        echo '!macroend'
        echo '!macro BexaloUninstallFiles'
        (cd "$stage" && find . -type f | LC_ALL=C sort) | while read -r path; do
            path=${path#./}
            echo "    Delete \"\$INSTDIR\\${path//\//\\}\""
        done
        (cd "$stage" && find . -mindepth 1 -type d | LC_ALL=C sort -r) | while read -r dir; do
            dir=${dir#./}
            echo "    RMDir \"\$INSTDIR\\${dir//\//\\}\""
        done
        echo '!macroend'
    } >"$out"
}

# A name-based (SHA-1, version 5) UUID of the text given, in capitals as WiX writes its GUIDs.
bexalo_name_uuid() {
    python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.NAMESPACE_URL, sys.argv[1])).upper())' "$1"
}

bexalo_windows_package() {
    local build=$BEXALO_WINDOWS_BUILD version stage name
    bexalo_source_date_epoch
    cmake --build "$build" -j"$(nproc)" --target bexalo bexalo_guide bexalo_windows_texts
    version=$(bexalo_build_version "$build")
    name=bexalo-$version-windows-x64
    stage=$build/stage/$name
    rm -rf "$build/stage"
    cmake --install "$build" --prefix "$stage" >/dev/null
    mkdir -p "$stage/licenze"
    bexalo_cross_notices "$build" "$stage/bexalo.exe" LICENSE.txt "$build/NOTICES.txt"
    bexalo_windows_text "$build/NOTICES.txt" "$stage/licenze/NOTICES.txt"

    rm -f "$build/$name.zip" "$build/bexalo-$version-setup-x64.exe" "$build/bexalo-$version-x64.msi"
    bexalo_windows_stamp "$stage"
    python3 "$BEXALO_ROOT/scripts/release-zip.py" "$stage" "$build/$name.zip"
    local size_kb
    # The files' own sizes, not the disk's blocks, which differ between file systems.
    size_kb=$(find "$stage" -type f -printf '%s\n' | awk '{ sum += $1 } END { printf "%d\n", (sum + 1023) / 1024 }')
    bexalo_windows_nsis_files "$stage" "$build/bexalo-files.nsh"
    makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DFILES="$build/bexalo-files.nsh" -DICON="$build/icons/bexalo.ico" \
        -DSIZE_KB="$size_kb" -DOUTFILE="$build/bexalo-$version-setup-x64.exe" \
        "$BEXALO_ROOT/packaging/windows/bexalo.nsi"
    bexalo_windows_msi "$stage" "$version" "$build/icons/bexalo.ico" "$build/bexalo-$version-x64.msi"
    echo "Windows release in $build:"
    stat -c '  %n (%s bytes)' "$build/$name.zip" "$build/bexalo-$version-setup-x64.exe" "$build/bexalo-$version-x64.msi"
}
