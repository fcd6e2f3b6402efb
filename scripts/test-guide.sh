#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The teacher's guide of each release, opened in Chromium (tests/web/guide.test.mjs). Each
# argument is a release or what it put on the disk:
#   *.deb                 unpacked; its /usr/share/doc/bexalo/guida.html
#   *.zip                 unpacked; the guida.html of its folder
#   a folder with index.html   a site, served with the site's policy, and its guida.html
#   another folder        its guida.html, from the disk
#   *.html                that file, from the disk
#   test-guide.sh RELEASE...
set -euo pipefail
source "$(dirname "$0")/setup.sh"
source "$BEXALO_ROOT/scripts/browsers.sh"
[ $# -gt 0 ] || bexalo_fail "usage: test-guide.sh RELEASE..."
bexalo_install_packages chromium nodejs unzip python3
bexalo_web_node_modules

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
guides=()
n=0
for release in "$@"; do
    n=$((n + 1))
    case $release in
        *.deb)
            dpkg -x "$release" "$work/$n"
            guides+=("$work/$n/usr/share/doc/bexalo/guida.html") ;;
        *.zip)
            unzip -q "$release" -d "$work/$n"
            found=("$work/$n"/*/guida.html)
            guides+=("${found[0]}") ;;
        *)
            if [ -f "$release/index.html" ]; then guides+=("$(realpath "$release")")
            elif [ -d "$release" ]; then guides+=("$(realpath "$release")/guida.html")
            else guides+=("$(realpath "$release")"); fi ;;
    esac
done
cd "$BEXALO_ROOT/tests/web"
BEXALO_GUIDES=$(printf '%s\n' "${guides[@]}") node --test --test-concurrency=1 guide.test.mjs
