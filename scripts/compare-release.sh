#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# Compares two release folders (./release's, or any two folders) file by file, subfolders
# included: says which files are missing on either side and which differ, and shows where each
# difference lies with diffoscope (Debian: diffoscope-minimal) when it is installed. Succeeds
# only when both hold the same files with the same bytes.
#
#   scripts/compare-release.sh FOLDER_A FOLDER_B
set -euo pipefail

fail() {
    echo "compare-release: $*" >&2
    exit 2
}

[ $# -eq 2 ] || fail "usage: compare-release.sh FOLDER_A FOLDER_B"
a=$1
b=$2
[ -d "$a" ] || fail "$a is no folder"
[ -d "$b" ] || fail "$b is no folder"

# Every file under FOLDER, by its path from there, one a line in byte order.
files() {
    (cd "$1" && find . ! -type d -printf '%P\n' | LC_ALL=C sort)
}
list_a=$(files "$a") || fail "cannot list $a"
list_b=$(files "$b") || fail "cannot list $b"

differences=0
same=0
while IFS= read -r path; do
    echo "missing in $b: $path"
    differences=$((differences + 1))
done < <(LC_ALL=C comm -23 <(echo "$list_a") <(echo "$list_b") | grep -v '^$' || true)
while IFS= read -r path; do
    echo "missing in $a: $path"
    differences=$((differences + 1))
done < <(LC_ALL=C comm -13 <(echo "$list_a") <(echo "$list_b") | grep -v '^$' || true)

diffoscope=$(command -v diffoscope || true)
while IFS= read -r path; do
    [ -n "$path" ] || continue
    if cmp -s "$a/$path" "$b/$path"; then
        same=$((same + 1))
        continue
    fi
    echo "differs: $path"
    differences=$((differences + 1))
    if [ -n "$diffoscope" ]; then
        # diffoscope ends with 1 when it finds a difference, which is known here already.
        "$diffoscope" --no-progress --text - "$a/$path" "$b/$path" || [ $? -eq 1 ] ||
            echo "compare-release: diffoscope could not compare $path" >&2
    else
        echo "  (install diffoscope, Debian's diffoscope-minimal, to see where)"
    fi
done < <(LC_ALL=C comm -12 <(echo "$list_a") <(echo "$list_b"))

if [ "$differences" -gt 0 ]; then
    echo "compare-release: $differences difference(s); $same file(s) the same"
    exit 1
fi
echo "compare-release: the same $same file(s), byte for byte"
