// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "start/KeyLocks.h"

#include "controls/KeyCodes.h"

namespace bexalo {

int groupSize(int group) { return group == 3 ? 3 : 2; }

KeyDownChoice classifyKeyDown(int group, int keyCode)
{
    switch (keyCode) {
    case Key::Enter:
        return {KeyDownChoice::Confirm, -1};
    case Key::Digit1:
        return {KeyDownChoice::Focus, 0};
    case Key::Digit2:
        return {KeyDownChoice::Focus, 1};
    case Key::Digit3:
        if (group == 3) {
            return {KeyDownChoice::Focus, 2};
        }
        return {};
    default:
        return {};
    }
}

int nextOption(int index, int group)
{
    const int next = index + 1;
    return next >= groupSize(group) ? 0 : next;
}

bool &KeyLocks::keyDown(int group)
{
    return group == 1 ? bloccoKeyDown1 : group == 2 ? bloccoKeyDown2 : bloccoKeyDown3;
}

bool &KeyLocks::keyPress(int group)
{
    return group == 1 ? bloccoKeyPress1 : group == 2 ? bloccoKeyPress2 : bloccoKeyPress3;
}

void KeyLocks::lockAfterKeyDown(int group)
{
    keyDown(group) = true;
    if (group < 3) {
        keyDown(group + 1) = true;
    }
}

void KeyLocks::release(int group)
{
    keyPress(group) = false;
    keyDown(group) = false;
}

} // namespace bexalo
