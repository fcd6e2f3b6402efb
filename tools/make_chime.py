#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) The bexalo developers
"""Writes src/assets/positivo.wav: the short rising chime that greets a right answer.

Two bell-like notes (E5 then B5, a fifth apart) with a soft attack and an exponential decay,
0.6 s in all, 16-bit mono PCM at 22050 Hz. Run it again to make the file anew.
"""
import math
import struct
import sys
import wave

RATE = 22050
LENGTH = 0.6


def note(t, start, freq):
    if t < start:
        return 0.0
    x = t - start
    attack = min(1.0, x / 0.01)
    decay = math.exp(-x * 6.0)
    # a touch of the octave makes it ring like a small bell
    tone = math.sin(2 * math.pi * freq * x) + 0.3 * math.sin(2 * math.pi * 2 * freq * x)
    return attack * decay * tone


def main(path):
    frames = bytearray()
    count = int(RATE * LENGTH)
    for i in range(count):
        t = i / RATE
        value = 0.35 * note(t, 0.0, 659.26) + 0.35 * note(t, 0.12, 987.77)
        fade = min(1.0, (count - i) / (0.05 * RATE))  # no click at the end
        sample = max(-1.0, min(1.0, value * fade))
        frames += struct.pack('<h', int(sample * 32767))
    with wave.open(path, 'wb') as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'src/assets/positivo.wav')
