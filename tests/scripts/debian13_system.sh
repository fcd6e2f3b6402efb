#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The Debian 13 system of scripts/debian13.sh, made by a stand-in mmdebstrap that fails, hangs or
# works: a failed set-up fails the command, says so without naming the mirror, and leaves nothing
# in the cache; one killed half-way leaves no completion mark, and the next run makes the
# system afresh rather than finishing the half one; a made system is reused, and another package
# set makes another. Needs root (the set-up runs in a namespace of its own), as the run does.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
if [ "$(id -u)" -ne 0 ]; then
    echo "the Debian 13 system is made as root: skipped"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The stand-in: "mmdebstrap [options] SUITE TARGET MIRROR...", as STUB says.
mkdir -p "$work/bin"
cat > "$work/bin/mmdebstrap" <<STUB
#!/bin/bash
for a; do
    case \$a in
        /*) target=\${target:-\$a} ;;
        deb\ *) mirror=\${mirror:-\$a} ;;
    esac
done
echo run >> "$work/runs"
mkdir -p "\$target/etc"
case \$STUB in
    fail) echo "E: cannot reach \${mirror#deb }" >&2; touch "\$target/etc/half"; exit 1 ;;
    hang) touch "\$target/etc/half" "$work/started"; sleep 60 ;;
    ok) echo "\$*" > "\$target/etc/made" ;;
esac
STUB
chmod +x "$work/bin/mmdebstrap"

# make CACHE [plain|if|more|background|stopped]: makes (or finds) the system, as ./test debian13
# does (set -e on), inside an if, or with one more package; or in the background and waits for it,
# as ./test does when other parts come first, or stops it once the stand-in has started, as ./test
# does when it ends early; prints the entry.
make_system() {
    BEXALO_CACHE=$1 BEXALO_MMDEBSTRAP=$work/bin/mmdebstrap bash -c '
        set -euo pipefail
        source "$0/scripts/debian13.sh"
        bexalo_debian13_mirror_lines() {
            bexalo_debian13_mirrors=("deb file:///stand-in-mirror/debian trixie main" "deb file:///stand-in-mirror/debian trixie-updates main")
        }
        [ "$1" != more ] || bexalo_debian13_packages+=(hello)
        if [ "$1" = background ]; then
            bexalo_debian13_start
            bexalo_debian13_join
            echo "$BEXALO_DEBIAN13"
            exit 0
        fi
        if [ "$1" = stopped ]; then
            bexalo_debian13_start
            while [ ! -f "$STARTED" ]; do sleep 0.1; done
            bexalo_debian13_stop
            exit 0
        fi
        if [ "$1" = if ]; then
            if bexalo_debian13_system; then echo "$BEXALO_DEBIAN13"; exit 0; else exit 1; fi
        fi
        bexalo_debian13_system
        echo "$BEXALO_DEBIAN13"' "$root" "${2:-plain}"
}
# The entry alone, from what make_system printed.
entry_of() { tail -n 1 <<<"$1"; }
marks() { find "$1" -name .complete 2>/dev/null | grep -c . || true; }

for how in plain if; do
    cache=$work/cache-fail-$how
    if STUB=fail make_system "$cache" "$how" >"$work/out" 2>&1; then
        fail "a failed set-up ($how) succeeded"
    fi
    grep -q "making the Debian 13 system failed" "$work/out" || fail "a failed set-up ($how) says nothing: $(cat "$work/out")"
    grep -q "stand-in-mirror" "$work/out" && fail "a failed set-up ($how) names the mirror: $(cat "$work/out")"
    grep -q "E: cannot reach <mirror>" "$work/out" || fail "a failed set-up ($how) hides why: $(cat "$work/out")"
    [ -z "$(find "$cache" -mindepth 1 -name 'debian13-*' ! -name '*.lock')" ] ||
        fail "a failed set-up ($how) left $(find "$cache" -mindepth 1 -maxdepth 1)"
done

# Killed half-way, the whole job at once (as a closed terminal or a cancelled CI job does).
cache=$work/cache
rm -f "$work/started" "$work/runs"
STUB=hang setsid bash -c "$(declare -f make_system); work=$work root=$root make_system $cache" >"$work/out" 2>&1 &
job=$!
for _ in $(seq 1 100); do
    [ -f "$work/started" ] && break
    sleep 0.1
done
[ -f "$work/started" ] || fail "the hanging set-up never started: $(cat "$work/out")"
kill -KILL -- -"$job" 2>/dev/null || true
{ wait "$job"; } 2>/dev/null || true
[ "$(marks "$cache")" -eq 0 ] || fail "a killed set-up left a completion mark"

out=$(STUB=ok make_system "$cache") || fail "the set-up after a killed one failed"
entry=$(entry_of "$out")
[ -f "$entry/.complete" ] || fail "a made system has no completion mark"
[ -f "$entry/root/etc/made" ] || fail "the system was not made"
[ ! -e "$entry/root/etc/half" ] || fail "the killed set-up's half system was completed, not made afresh"
grep -q -- "--include=git," "$entry/root/etc/made" || fail "the system is made without the package set: $(cat "$entry/root/etc/made")"

# Made once: the next run finds it; another package set is another system.
runs=$(wc -l < "$work/runs")
out=$(STUB=fail make_system "$cache") || fail "a made system was not found again"
[ "$(entry_of "$out")" = "$entry" ] || fail "a made system was found elsewhere: $out"
[ "$(wc -l < "$work/runs")" -eq "$runs" ] || fail "a made system was made again"
out=$(STUB=ok make_system "$cache" more) || fail "a system with one more package could not be made"
[ "$(entry_of "$out")" != "$entry" ] || fail "a system with one more package reuses the one without it"

# In the background, as ./test makes it beside the other parts: a failure fails the wait and says
# why; a success is there when the wait returns; a set-up stopped early leaves no mark and nothing
# running.
background=$work/cache-background
if STUB=fail make_system "$background" background >"$work/out" 2>&1; then
    fail "a failed set-up in the background succeeded"
fi
grep -q "E: cannot reach <mirror>" "$work/out" || fail "a failed set-up in the background hides why: $(cat "$work/out")"
grep -q "failed in the background" "$work/out" || fail "a failed set-up in the background says nothing: $(cat "$work/out")"
out=$(STUB=ok make_system "$background" background) || fail "a set-up in the background failed: $out"
[ -f "$(entry_of "$out")/.complete" ] || fail "a set-up in the background was not complete when its wait returned: $out"
stopped=$work/cache-stopped
rm -f "$work/started"
STUB=hang STARTED=$work/started timeout 30 bash -c "$(declare -f make_system); work=$work root=$root make_system $stopped stopped" \
    >"$work/out" 2>&1 || fail "stopping a set-up in the background failed or hung: $(cat "$work/out")"
[ "$(marks "$stopped")" -eq 0 ] || fail "a set-up stopped in the background left a completion mark"
! pgrep -f "$work/bin/mmdebstrap" >/dev/null || fail "a set-up stopped in the background left its mmdebstrap running"

[ "$failures" -eq 0 ] && echo "Debian 13 system: all checks passed"
exit $((failures > 0))
