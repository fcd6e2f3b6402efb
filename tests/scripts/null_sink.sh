#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
# The sound tests' audio device: a PulseAudio server of their own with one null sink, which plays
# everything into nothing at the speed of a real card. It lives in DIR (socket, state, log) and
# serves only clients that name its socket (PULSE_SERVER=unix:DIR/native); the user's own sound
# server, if any, is never touched. ctest starts it before the tests that use it and stops it
# after them (the fixture null_sink in tests/CMakeLists.txt).
#
#   null_sink.sh start DIR
#   null_sink.sh stop DIR
set -euo pipefail
action=${1:-}
dir=${2:-}
[ -n "$dir" ] || { echo "usage: null_sink.sh start|stop DIR" >&2; exit 2; }

# Everything the server keeps or looks up lies in DIR.
export PULSE_RUNTIME_PATH=$dir PULSE_STATE_PATH=$dir PULSE_CONFIG_PATH=$dir HOME=$dir
unset PULSE_SERVER

case $action in
    start)
        # A server left by an interrupted run goes first.
        [ ! -d "$dir" ] || pulseaudio --kill 2>/dev/null || true
        rm -rf "$dir"
        mkdir -p "$dir"
        # -n: no default script, only the two modules named; no idle exit, no autospawn.
        pulseaudio --daemonize=yes -n --exit-idle-time=-1 --disable-shm=yes --use-pid-file=yes \
            --log-target="file:$dir/log" \
            --load="module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
            --load="module-null-sink sink_name=bexalo_null" ||
            { echo "the null sink's PulseAudio did not start:" >&2; cat "$dir/log" >&2 || true; exit 1; }
        for _ in $(seq 1 100); do
            if PULSE_SERVER=unix:$dir/native pactl info >/dev/null 2>&1; then
                echo "null sink ready: PULSE_SERVER=unix:$dir/native"
                exit 0
            fi
            sleep 0.1
        done
        echo "the null sink's PulseAudio does not answer:" >&2
        cat "$dir/log" >&2 || true
        pulseaudio --kill 2>/dev/null || true
        exit 1
        ;;
    stop)
        [ -d "$dir" ] || exit 0
        pulseaudio --kill 2>/dev/null || true
        for _ in $(seq 1 50); do
            if ! PULSE_SERVER=unix:$dir/native pactl info >/dev/null 2>&1; then
                rm -rf "$dir"
                exit 0
            fi
            sleep 0.1
        done
        echo "the null sink's PulseAudio did not stop" >&2
        exit 1
        ;;
    *)
        echo "usage: null_sink.sh start|stop DIR" >&2
        exit 2
        ;;
esac
