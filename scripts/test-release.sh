#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The part of the release comparison that fits in ./test (its Windows part calls it, once
# build-windows holds the release): the Windows release (zip, installer, MSI) made a second
# time, from a copy of this source at another path, in a build folder of its own, some minutes
# later, and compared with build-windows's by scripts/compare-release.sh. That is the compile
# and link of bexalo.exe against the cached Qt, and every stamp of the zip, NSIS and wixl. The
# whole set (the .deb and the web releases too) is compared by hand: README, "Releases you can
# check".
set -euo pipefail
source "$(dirname "$0")/windows.sh"
started=$(date +%s)
first=$BEXALO_WINDOWS_BUILD
version=$(bexalo_build_version "$first")
names=("bexalo-$version-windows-x64.zip" "bexalo-$version-setup-x64.exe" "bexalo-$version-x64.msi")

work=$(mktemp -d)
trap 'WINEPREFIX=$(bexalo_wine_unit_prefix "$work/source/build-windows") bexalo_wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
# The files git knows here, and those it would add, as they are now: what the first build read.
mkdir "$work/source"
(cd "$BEXALO_ROOT" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf -) |
    tar -xf - -C "$work/source" || bexalo_fail "could not copy the source to $work/source"
# The copy has no git history: it takes the commit's time from here.
bexalo_source_date_epoch
BEXALO_WINDOWS_BUILD=$work/source/build-windows bash -c \
    'set -euo pipefail; source "$1/scripts/windows.sh"; bexalo_windows_configure; bexalo_windows_package >/dev/null' \
    bash "$work/source"

mkdir "$work/a" "$work/b"
for name in "${names[@]}"; do
    cp "$first/$name" "$work/a/"
    cp "$work/source/build-windows/$name" "$work/b/"
done
bexalo_install_packages diffoscope-minimal
bash "$BEXALO_ROOT/scripts/compare-release.sh" "$work/a" "$work/b"
echo "The Windows release again at another path, the same bytes: $(( $(date +%s) - started )) s"
