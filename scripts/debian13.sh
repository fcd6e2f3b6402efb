#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The Linux part of ./test once more, inside a clean Debian 13 ("trixie") system: its Qt 6.8,
# compilers, clang-format and appstream, where the machine itself may be Debian 12.
#
# The system is made once with mmdebstrap from the Debian mirror the machine's own apt
# configuration names (nothing in this repository names one), with the package sets of
# scripts/setup.sh and git, and kept in the cache (~/.cache/bexalo, or $BEXALO_CACHE) under a key
# made of that package set: a later run reuses it, a changed set makes a new one. It is made
# under a lock and marked complete only when every step has succeeded; a failed or interrupted
# set-up leaves no mark, and the next run starts it afresh.
#
# Each run copies this tree (every file git tracks or would track, as it is now) into the
# system, and runs ./test linux there as root, in a mount and process namespace of its own:
# /proc, /sys, /dev and a fresh /tmp are mounted for the run only, unmounted when it ends however
# it ends, and nothing started inside outlives it. The build folders inside the system stay for
# the next run.
#
#   bash scripts/debian13.sh                  the run (./test debian13)
#   bash scripts/debian13.sh --run COMMAND    COMMAND (bash) in this tree's copy there instead,
#                                             e.g. --run ./run, or --run bash to look around
#   bash scripts/debian13.sh --system         only make (or find) the system; prints where it is
set -euo pipefail
# shellcheck source=crossqt.sh
source "$(dirname "${BASH_SOURCE[0]}")/crossqt.sh"

bexalo_debian13_suite=trixie
# What the system holds besides its base: what the README's two commands need, and git.
bexalo_debian13_packages=(git "${bexalo_build_packages[@]}" "${bexalo_desktop_packages[@]}")
# The command that makes the system (a test puts its own in place).
BEXALO_MMDEBSTRAP=${BEXALO_MMDEBSTRAP:-mmdebstrap}

# Prints "URI SUITE" for every deb source of the machine, from both of apt's formats.
bexalo_apt_deb_sources() {
    local f
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        # deb [options] URI SUITE COMPONENT...
        sed -e 's/#.*//' -e 's/\[[^]]*\]//' "$f" | awk '$1 == "deb" && NF >= 3 { print $2, $3 }'
    done
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        awk '
            function flush(  i, j, u, s) {
                if (types ~ /(^| )deb( |$)/ && enabled !~ /^[Nn]o/) {
                    nu = split(uris, u, " "); ns = split(suites, s, " ")
                    for (i = 1; i <= nu; i++) for (j = 1; j <= ns; j++) print u[i], s[j]
                }
                types = uris = suites = enabled = ""
            }
            /^[[:space:]]*#/ { next }
            /^[[:space:]]*$/ { flush(); next }
            { key = tolower($1); $1 = "" ; sub(/^ +/, "") }
            key == "types:" { types = $0 } key == "uris:" { uris = $0 }
            key == "suites:" { suites = $0 } key == "enabled:" { enabled = $0 }
            END { flush() }' "$f"
    done
}

# Sets bexalo_debian13_mirrors: the apt lines of the new system, on the machine's own Debian
# mirrors (the one that serves its release, and its security mirror when it has one).
bexalo_debian13_mirror_lines() {
    local codename sources main security
    # shellcheck source=/dev/null
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    sources=$(bexalo_apt_deb_sources)
    main=$(awk -v s="$codename" '$2 == s { print $1; exit }' <<<"$sources")
    security=$(awk -v s="$codename-security" '$2 == s { print $1; exit }' <<<"$sources")
    [ -n "$codename" ] && [ -n "$main" ] ||
        bexalo_fail "the machine's apt configuration names no Debian mirror for its own release; the Debian 13 system is made from one" ||
        return 1
    local suite=$bexalo_debian13_suite
    bexalo_debian13_mirrors=("deb $main $suite main" "deb $main $suite-updates main")
    [ -z "$security" ] || bexalo_debian13_mirrors+=("deb $security $suite-security main")
}

# The key of the system: what shapes it.
bexalo_debian13_key() {
    printf '%s\n' "$bexalo_debian13_suite" minbase "${bexalo_debian13_packages[@]}" | sort | sha256sum | cut -c1-12
}

# Sets BEXALO_DEBIAN13: the folder of the system's entry (the system is its root/); true when the
# system there is complete.
bexalo_debian13_cached() {
    local key
    key=$(bexalo_debian13_key)
    BEXALO_DEBIAN13=$BEXALO_CACHE/debian13-$key
    [ -f "$BEXALO_DEBIAN13/.complete" ]
}

# Sets BEXALO_DEBIAN13, as above, and makes the system when it is missing.
bexalo_debian13_system() {
    bexalo_debian13_cached && return 0
    [ "$BEXALO_MMDEBSTRAP" != mmdebstrap ] || bexalo_install_packages mmdebstrap
    bexalo_debian13_mirror_lines
    bexalo_locked "$BEXALO_DEBIAN13.lock" bexalo_debian13_make "$BEXALO_DEBIAN13" ||
        bexalo_fail "making the Debian 13 system failed; nothing was cached" || return 1
}

bexalo_debian13_make() {
    local entry=$1 started
    [ -f "$entry/.complete" ] && return 0
    # Called where set -e does not hold (under a lock, in a test of "||"): every step says so
    # itself, and a failed step removes what it made.
    rm -rf --one-file-system "$entry" && mkdir -p "$entry" || return 1
    started=$(date +%s)
    echo "Making a Debian 13 system in $entry (once; later runs reuse it)"
    local packages
    packages=$(IFS=,; echo "${bexalo_debian13_packages[*]}")
    # In a namespace of its own: what mmdebstrap mounts in the new system goes with it, even
    # when it is killed, so a half system holds no mount that removing it could descend into.
    if ! unshare --mount --propagation private --pid --fork --kill-child \
        "$BEXALO_MMDEBSTRAP" --variant=minbase --include="$packages" "$bexalo_debian13_suite" "$entry/root" \
        "${bexalo_debian13_mirrors[@]}" > "$entry/make.log" 2>&1; then
        # The log names the mirror; what is shown of it does not.
        local line uri
        tail -n 30 "$entry/make.log" | while IFS= read -r line; do
            for uri in "${bexalo_debian13_mirrors[@]}"; do
                uri=${uri#deb }
                line=${line//"${uri%% *}"/<mirror>}
            done
            printf '%s\n' "$line"
        done >&2
        rm -rf --one-file-system "$entry"
        return 1
    fi
    rm -f "$entry/make.log"
    echo "Debian 13 system made in $(($(date +%s) - started)) s"
    touch "$entry/.complete"
}

# Making the system is mostly downloading and unpacking, which leaves a core free beside the other
# parts' builds: ./test starts it in the background before them when it is not cached yet, and
# the run waits for it (the background jobs of setup.sh).
#   bexalo_debian13_start   starts making the system in the background, when it is missing
#   bexalo_debian13_join    waits for that, then shows what it said; fails when it failed
#   bexalo_debian13_stop    ends it at once (./test ending early); no half system is marked complete
bexalo_debian13_start() {
    # As a user, the run itself says that it needs root.
    [ "$(id -u)" -eq 0 ] || return 0
    bexalo_debian13_cached && return 0
    [ "$BEXALO_MMDEBSTRAP" != mmdebstrap ] || bexalo_install_packages mmdebstrap
    bexalo_background_start debian13 0 bexalo_debian13_system
}

bexalo_debian13_join() {
    bexalo_background_join debian13
}

bexalo_debian13_stop() {
    bexalo_background_stop debian13
}

# Copies this tree into the system (the entry ENTRY's) at /root/bexalo: every file git tracks or would track, as it
# is now; the build folders there stay.
bexalo_debian13_copy_tree() {
    local dest=$1/root/root/bexalo
    mkdir -p "$dest"
    find "$dest" -mindepth 1 -maxdepth 1 ! -name 'build*' ! -name .git -exec rm -rf {} +
    (
        cd "$BEXALO_ROOT"
        git ls-files -z --cached --others --exclude-standard |
            while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
            tar -c --null -T - -f -
    ) | tar -x -C "$dest" -f -
}

# Inside the namespace: mounts what the run needs, runs TASK in the system, unmounts.
# What is mounted, in order; unmounted in reverse when the run ends, however it ends.
bexalo_debian13_mounted=()
bexalo_debian13_unmount() {
    local i
    # What the run left running (an X server, a sound server) holds its mounts: as the first
    # process of the run's own namespace, this ends every other one there first.
    if [ $$ -eq 1 ]; then
        kill -KILL -1 2>/dev/null || true
        wait 2>/dev/null || true
    fi
    for ((i = ${#bexalo_debian13_mounted[@]} - 1; i >= 0; i--)); do
        umount -R "${bexalo_debian13_mounted[i]}" || echo "bexalo: could not unmount ${bexalo_debian13_mounted[i]}" >&2
    done
    bexalo_debian13_mounted=()
}

bexalo_debian13_inside() {
    local root=$1 task=$2
    trap bexalo_debian13_unmount EXIT
    # The system's root a mount point of its own, as a machine's root is: a namespace made in
    # there (scripts/debian13.sh's own test makes one) can then make its mounts private.
    mount --bind "$root" "$root" && bexalo_debian13_mounted+=("$root")
    mount -t proc proc "$root/proc" && bexalo_debian13_mounted+=("$root/proc")
    mount -t sysfs sysfs "$root/sys" && bexalo_debian13_mounted+=("$root/sys")
    mount --rbind /dev "$root/dev" && bexalo_debian13_mounted+=("$root/dev")
    mount -t tmpfs tmpfs "$root/tmp" && bexalo_debian13_mounted+=("$root/tmp")
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c "set -e; cd /root/bexalo; [ -d .git ] || git init -q; git add -A; $task"
}

# bexalo_debian13_run [TASK]: runs TASK (./test linux unless named) in the system.
bexalo_debian13_run() {
    local task=${1:-./test linux}
    [ "$(id -u)" -eq 0 ] || bexalo_fail "the Debian 13 run makes and enters a system as root: run it as root" || return 1
    local started made tested
    started=$(date +%s)
    bexalo_debian13_join
    bexalo_debian13_system
    made=$(date +%s)
    bexalo_debian13_copy_tree "$BEXALO_DEBIAN13"
    echo "Running $task in Debian 13 ($BEXALO_DEBIAN13/root)"
    # A namespace of its own: its mounts and processes end with it, whatever happens.
    unshare --mount --propagation private --pid --fork --kill-child \
        bash "$BEXALO_ROOT/scripts/debian13.sh" --inside "$BEXALO_DEBIAN13/root" "$task"
    tested=$(date +%s)
    echo "Debian 13: the system ready in $((made - started)) s, $task there in $((tested - made)) s"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    case ${1:-} in
        --inside) bexalo_debian13_inside "$2" "$3" ;;
        --run) bexalo_debian13_run "${2:?--run takes a command}" ;;
        --system) bexalo_debian13_system && echo "$BEXALO_DEBIAN13/root" ;;
        "") bexalo_debian13_run ;;
        *) bexalo_fail "usage: scripts/debian13.sh [--run COMMAND | --system]" ;;
    esac
fi
