#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The Qt source cache of scripts/crossqt.sh, with a stand-in apt-get on PATH and a tiny source
# package instead of Qt's: a failed fetch fails the command and leaves no completion mark, also
# where set -e does not reach; a fetch that works leaves the source and the mark; two fetches at
# once fetch once; a Qt build that fails leaves nothing in the cache.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# A tiny native source package named as Qt's, with a configure script.
pkg=$work/pkg/qt6-base-1.0
mkdir -p "$pkg/debian/source"
printf '3.0 (native)\n' > "$pkg/debian/source/format"
printf 'Source: qt6-base\nMaintainer: Test <test@example.invalid>\n\nPackage: qt6-base\nArchitecture: all\nDescription: test\n test\n' \
    > "$pkg/debian/control"
printf 'qt6-base (1.0) unstable; urgency=low\n\n  * Test.\n\n -- Test <test@example.invalid>  Thu, 01 Jan 2026 00:00:00 +0000\n' \
    > "$pkg/debian/changelog"
printf '#!/bin/sh\n' > "$pkg/configure"
(cd "$work/pkg" && dpkg-source -q -b qt6-base-1.0 >/dev/null 2>&1)

# The stand-in: "update" succeeds; "source" copies the package here (counting the fetches),
# or fails when APT_FAILS is set.
mkdir -p "$work/bin"
cat > "$work/bin/apt-get" <<STUB
#!/bin/sh
for a in "\$@"; do
    if [ "\$a" = source ]; then
        echo fetch >> "$work/fetches"
        sleep 0.5
        [ -z "\${APT_FAILS:-}" ] || { echo "E: no source for you" >&2; exit 100; }
        cp "$work/pkg"/qt6-base_1.0.dsc "$work/pkg"/qt6-base_1.0.tar.* .
        exit 0
    fi
done
exit 0
STUB
chmod +x "$work/bin/apt-get"

# fetch CACHE [if]: runs the fetch as the build scripts do (set -e on), or inside an if.
fetch() {
    PATH=$work/bin:$PATH BEXALO_CACHE=$1 bash -c '
        set -euo pipefail
        source "$0/scripts/crossqt.sh"
        bexalo_qt_debian_version() { echo 1.0; }
        if [ "$1" = if ]; then
            if bexalo_qt_source; then exit 0; else exit 1; fi
        fi
        bexalo_qt_source
        [ -f "$BEXALO_QT_SOURCE/configure" ]' "$root" "${2:-plain}" >"$work/out" 2>&1
}

for how in plain if; do
    cache=$work/cache-fail-$how
    if APT_FAILS=1 fetch "$cache" "$how"; then
        fail "a failed fetch ($how) succeeded"
    fi
    grep -q "could not fetch the source" "$work/out" || fail "a failed fetch ($how) says nothing: $(cat "$work/out")"
    if find "$cache" -name .complete | grep -q .; then
        fail "a failed fetch ($how) left a completion mark"
    fi
done

cache=$work/cache-ok
rm -f "$work/fetches"
fetch "$cache" & first=$!
fetch "$cache" & second=$!
wait "$first" || fail "the first of two fetches failed: $(cat "$work/out")"
wait "$second" || fail "the second of two fetches failed: $(cat "$work/out")"
[ -f "$cache/src/qtbase-1.0/.complete" ] || fail "a good fetch left no completion mark"
[ -f "$cache/src/qtbase-1.0/source/configure" ] || fail "a good fetch left no source"
[ "$(wc -l < "$work/fetches")" -eq 1 ] || fail "two fetches at once fetched $(wc -l < "$work/fetches") times"
# A later run finds it and fetches nothing.
fetch "$cache" || fail "a cached source was not found"
[ "$(wc -l < "$work/fetches")" -eq 1 ] || fail "a cached source was fetched again"

# A Qt build that fails (here its configure, after installing half a Qt) fails the command and
# leaves nothing of it in the cache: no mark, no half-installed Qt, no build folder.
cat > "$cache/src/qtbase-1.0/source/configure" <<'CONFIGURE'
#!/bin/sh
mkdir -p "$2" && touch "$2/half" && echo "configure: no compiler for you" && exit 1
CONFIGURE
if BEXALO_CACHE=$cache bash -c '
    set -euo pipefail
    source "$0/scripts/crossqt.sh"
    bexalo_qt_debian_version() { echo 1.0; }
    bexalo_release_host_check() { :; }
    bexalo_cross_qt test -no-gui' "$root" >"$work/out" 2>&1; then
    fail "a failed Qt build succeeded"
fi
grep -q "building Qt for test failed" "$work/out" || fail "a failed Qt build says nothing: $(cat "$work/out")"
left=$(find "$cache" -maxdepth 1 -name '*-test-*' ! -name '*.lock')
[ -z "$left" ] || fail "a failed Qt build left $left"

[ "$failures" -eq 0 ] && echo "Qt source cache: all checks passed"
exit $((failures > 0))
