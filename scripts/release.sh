# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Sourced by ./release: every release of the commit checked out, built in build folders of its
# own under build-release-work/ and gathered into build-release/ with their SHA256SUMS. Every
# time a tool would stamp is SOURCE_DATE_EPOCH, the commit's time (bexalo_source_date_epoch), so
# two clones of one commit give the same bytes (README, "Releases you can check").
set -euo pipefail
BEXALO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BEXALO_RELEASE_WORK=${BEXALO_RELEASE_WORK:-$BEXALO_ROOT/build-release-work}
# The release's own build folders, apart from those of ./test and the packaging commands; the
# Linux one also draws the site's icon (scripts/web.sh takes its make_icons).
BEXALO_BUILD=$BEXALO_RELEASE_WORK/linux
BEXALO_WINDOWS_BUILD=$BEXALO_RELEASE_WORK/windows
BEXALO_WEB_BUILD=$BEXALO_RELEASE_WORK/web
# shellcheck source=windows.sh
source "$BEXALO_ROOT/scripts/windows.sh"
# shellcheck source=web.sh
source "$BEXALO_ROOT/scripts/web.sh"

# The .deb, as CPack makes it, from a build with the options of the README's package command,
# without the tests.
bexalo_release_deb() {
    local build=$BEXALO_BUILD
    bexalo_install_packages "${bexalo_build_packages[@]}"
    bexalo_configure "$build" host cmake -S "$BEXALO_ROOT" -B "$build" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBEXALO_BUILD_TESTS=OFF
    cmake --build "$build" -j"$(nproc)"
    rm -rf "$build/deb"
    cpack --config "$build/CPackConfig.cmake" -G DEB -B "$build/deb" >"$build/cpack.log" 2>&1 ||
        { tail -n 20 "$build/cpack.log" >&2; bexalo_fail "CPack made no .deb"; }
}

# SHA256SUMS of every other file in FOLDER, in the format `sha256sum -c` reads.
bexalo_release_sums() {
    local folder=$1
    local sums
    sums=$(cd "$folder" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%f\0' | LC_ALL=C sort -z |
        xargs -0 sha256sum --) || bexalo_fail "could not read the files of $folder"
    printf '%s\n' "$sums" >"$folder/SHA256SUMS"

}

# Every release into OUT (made afresh), each named with the version:
#   bexalo_<version>_amd64.deb            the Debian package
#   bexalo-<version>-windows-x64.zip      the Windows program folder
#   bexalo-<version>-setup-x64.exe        its installer
#   bexalo-<version>-x64.msi              its Windows Installer package
#   bexalo-<version>-web.zip              the site, in the folder bexalo-<version>-web/
#   bexalo-<version>.html                 the site in one page, to open from a disk
#   guida.html                            the teacher's guide, under the name the one page links
#   SHA256SUMS
bexalo_release() {
    local out=$1 work=$BEXALO_RELEASE_WORK started version web_version windows_version site
    started=$(date +%s)
    bexalo_source_date_epoch
    if [ -n "$(git -C "$BEXALO_ROOT" status --porcelain --untracked-files=no 2>/dev/null)" ]; then
        echo "bexalo: warning: the clone has changes not committed; this release is not that of commit $(git -C "$BEXALO_ROOT" log -1 --format=%h)" >&2
    fi
    echo "Release of $(git -C "$BEXALO_ROOT" log -1 --format='%h, %cI' 2>/dev/null || echo 'this source'): SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH"

    bexalo_release_deb
    echo "  .deb made ($(($(date +%s) - started)) s)"
    bexalo_windows_configure
    bexalo_windows_package >/dev/null
    echo "  Windows releases made ($(($(date +%s) - started)) s)"
    bexalo_web_build
    echo "  site and one page made ($(($(date +%s) - started)) s)"

    version=$(bexalo_build_version "$BEXALO_BUILD")
    windows_version=$(bexalo_build_version "$BEXALO_WINDOWS_BUILD")
    web_version=$(bexalo_build_version "$BEXALO_WEB_BUILD/program")
    [ "$version" = "$windows_version" ] && [ "$version" = "$web_version" ] ||
        bexalo_fail "the builds disagree on the version: $version (Linux), $windows_version (Windows), $web_version (web)"

    rm -rf "$out"
    mkdir -p "$out"
    cp "$BEXALO_BUILD/deb/bexalo_${version}_amd64.deb" "$out/"
    cp "$BEXALO_WINDOWS_BUILD/bexalo-$version-windows-x64.zip" "$BEXALO_WINDOWS_BUILD/bexalo-$version-setup-x64.exe" \
        "$BEXALO_WINDOWS_BUILD/bexalo-$version-x64.msi" "$out/"
    site=$work/bexalo-$version-web
    rm -rf "$site"
    cp -r "$BEXALO_WEB_SITE" "$site"
    python3 "$BEXALO_ROOT/scripts/release-zip.py" "$site" "$out/bexalo-$version-web.zip"
    cp "$BEXALO_WEB_BUILD/bexalo.html" "$out/bexalo-$version.html"
    cp "$BEXALO_WEB_BUILD/guida.html" "$out/guida.html"
    bexalo_release_sums "$out"
    echo "Release $version in $out ($(($(date +%s) - started)) s):"
    sed 's/^/  /' "$out/SHA256SUMS"
}
