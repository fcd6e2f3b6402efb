#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
#
# The house rules a compiler does not check: every C++ file is in the house format (.clang-format),
# every shell script passes shellcheck, and every source, script and build file opens with its
# licence line. Run by ./test; prints what is wrong and fails.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
report=$(mktemp)
trap 'rm -f "$report"' EXIT
# One clang-format version, the same on every system: each major version lays out some code its own
# way and rejects the others' layout. Debian 12 and 13 both ship clang-format-19 (setup.sh installs it).
clang_format=clang-format-19
mapfile -t cxx < <(git ls-files '*.cpp' '*.h')
if [ ${#cxx[@]} -gt 0 ] && ! "$clang_format" --dry-run --Werror "${cxx[@]}" 2>"$report"; then
    grep -E '^[^ ].*(warning|error):' "$report" | cut -d: -f1 | sort -u | sed 's/^/not in the house format: /'
    echo "fix with: $clang_format -i \$(git ls-files '*.cpp' '*.h')"
    status=1
fi

# Every shell script passes Debian's shellcheck, with the tree's settings (.shellcheckrc): any
# finding, of any level, fails.
mapfile -t scripts < <(git ls-files '*.sh' 'run' 'test' 'release' 'package-*' '.ci/run')
if ! shellcheck "${scripts[@]}" >"$report" 2>&1; then
    cat "$report"
    echo "shellcheck finds the above; fix the scripts (or, where a finding is wrong, say why beside a directive)"
    status=1
fi

# Files that cannot hold a comment (JSON, WAV, the licence text itself) are left out.
mapfile -t licensed < <(git ls-files '*.cpp' '*.h' '*.sh' '*.py' '*.js' '*.mjs' '*.cmake' '*.nsi' '*.html' \
    '*.in' 'CMakeLists.txt' '*/CMakeLists.txt' 'run' 'test' 'release' 'package-*' '.ci/run' '*.desktop' '*.xml' '*.6' \
    '.clang-format' '.gitignore' '.shellcheckrc')
for f in "${licensed[@]}"; do
    if ! head -n 5 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later\|SPDX-License-Identifier: CC0-1.0'; then
        echo "no licence line: $f"
        status=1
    fi
done
exit $status
