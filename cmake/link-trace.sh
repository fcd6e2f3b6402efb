#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# link-trace.sh FILE COMMAND...: runs a link command whose linker traces its input files
# (--trace) and keeps that list, the linker's standard output, in FILE instead of the build's
# output. The licence notices are made from it (scripts/notices.py).
set -euo pipefail
out=$1
shift
"$@" >"$out.part"
mv "$out.part" "$out"
