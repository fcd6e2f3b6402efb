#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# scripts/compare-release.sh on tiny release folders: two equal folders pass; a byte changed in
# one file fails and names that file; a file missing on either side fails and names it; a bad
# call fails apart from a difference.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
compare=$root/scripts/compare-release.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# A release folder: a binary file, a text file, SHA256SUMS and a file in a subfolder.
make_release() {
    mkdir -p "$1/sito"
    printf 'PK\003\004\000\001\002\377' >"$1/bexalo-1.0-windows-x64.zip"
    printf 'Guida per l insegnante\n' >"$1/guida.html"
    printf '<html></html>\n' >"$1/sito/index.html"
    (cd "$1" && sha256sum bexalo-1.0-windows-x64.zip guida.html >SHA256SUMS)
}

# Runs the comparison; its output in $work/out, its status in $status.
run() {
    status=0
    "$compare" "$@" >"$work/out" 2>&1 || status=$?
}

make_release "$work/a"
make_release "$work/b"
run "$work/a" "$work/b"
[ "$status" -eq 0 ] || fail "equal folders: status $status: $(cat "$work/out")"
grep -q 'the same 4 file' "$work/out" || fail "equal folders: no count of the same files: $(cat "$work/out")"

# One byte of the zip changed, in the middle, the size kept.
printf '\376' | dd of="$work/b/bexalo-1.0-windows-x64.zip" bs=1 seek=5 conv=notrunc status=none
run "$work/a" "$work/b"
[ "$status" -eq 1 ] || fail "a changed byte: status $status, not 1"
grep -q '^differs: bexalo-1.0-windows-x64.zip$' "$work/out" || fail "a changed byte: the file is not named: $(cat "$work/out")"
grep -q 'guida.html' "$work/out" && fail "a changed byte: an equal file is named: $(cat "$work/out")"

# A file missing from the second folder, in a subfolder; then from the first.
rm -rf "$work/b"
make_release "$work/b"
rm "$work/b/sito/index.html"
run "$work/a" "$work/b"
[ "$status" -eq 1 ] || fail "a missing file: status $status, not 1"
grep -q "^missing in $work/b: sito/index.html\$" "$work/out" || fail "a missing file: not named: $(cat "$work/out")"
run "$work/b" "$work/a"
[ "$status" -eq 1 ] || fail "a file only in the second folder: status $status, not 1"
grep -q "^missing in $work/b: sito/index.html\$" "$work/out" || fail "a file only in the second folder: not named: $(cat "$work/out")"

# Wrong calls: no second folder, a folder that is not there.
run "$work/a"
[ "$status" -eq 2 ] || fail "one folder only: status $status, not 2"
run "$work/a" "$work/nowhere"
[ "$status" -eq 2 ] || fail "a folder that is not there: status $status, not 2"

[ "$failures" -eq 0 ] || exit 1
echo "compare-release: all cases passed"
