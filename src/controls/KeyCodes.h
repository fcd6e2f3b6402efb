// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// Qt key events as the key handlers see them: a virtual key code on key-down and key-up
// ("1" is 49, Enter 13, keypad "1" 97) and a character code on key-press (Space is 32).
#pragma once

class QKeyEvent;
class QString;

namespace bexalo {

namespace Key {
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Digit1 = 49;
inline constexpr int Digit2 = 50;
inline constexpr int Digit3 = 51;
} // namespace Key

// What the platform's key events carry besides Qt's key, telling which key was pressed
// whatever the Shift state: the XKB key code (X11, Wayland), the Windows virtual key, the
// page's own report of the physical key (the browser), or nothing usable.
enum class NativeKeys { None, Xkb, Windows, Page };
NativeKeys nativeKeysOf(const QString &platformName);

// In the browser the key event carries no physical key: the page reports the code of the key
// being handled (48 to 57 for the main row's digits, 96 to 105 on the keypad, 13 for Enter,
// 255 for any other key) through this reader, set by the web's platform set-up.
using PageKeyReader = int (*)();
void setPageKeyReader(PageKeyReader reader);

// The key's own code, not the shifted symbol's: Shift+"1" is still 49 (Qt reports it as "!").
int virtualKeyCode(const QKeyEvent &event, NativeKeys native);
// The same on the platform the program runs on.
int virtualKeyCode(const QKeyEvent &event);
int characterCode(const QKeyEvent &event);
int shiftState(const QKeyEvent &event);

} // namespace bexalo
