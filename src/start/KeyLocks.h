// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The start window's key rules as plain code: which keys an option group acts on, where Space
// moves the focus, and the six locks that make a held key act only once, even when its
// repeats reach the next group after the focus has moved on.
#pragma once

namespace bexalo {

// The option groups of the start window: 1 direction, 2 level, 3 action.
int groupSize(int group);

// What a key-down on an option of a group asks for.
struct KeyDownChoice {
    enum Kind { Discard, Focus, Confirm };
    Kind kind = Discard;
    int index = -1; // the option a digit key moves to; -1 otherwise
};

// "1" and "2" (and "3" in group 3) move to an option, Enter confirms, every other key,
// keypad digits included, is discarded.
KeyDownChoice classifyKeyDown(int group, int keyCode);

// The option Space moves to: the next index, round to 0 at the end of the group.
int nextOption(int index, int group);

struct KeyLocks {
    bool bloccoKeyDown1 = false;
    bool bloccoKeyPress1 = false;
    bool bloccoKeyDown2 = false;
    bool bloccoKeyPress2 = false;
    bool bloccoKeyDown3 = false;
    bool bloccoKeyPress3 = false;

    bool &keyDown(int group);
    bool &keyPress(int group);
    // After a key a group acted on: the group and the one the focus moves on to ignore the
    // key's repeats until it is released there.
    void lockAfterKeyDown(int group);
    // A key released on the group: it listens again.
    void release(int group);
};

} // namespace bexalo
