// Qt key events as the key handlers see them: a virtual key code on key-down and key-up
// ("1" is 49, Enter 13, keypad "1" 97) and a character code on key-press (Space is 32).
#pragma once

class QKeyEvent;

namespace bexalo {

namespace Key {
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Digit1 = 49;
inline constexpr int Digit2 = 50;
inline constexpr int Digit3 = 51;
} // namespace Key

int virtualKeyCode(const QKeyEvent &event);
int characterCode(const QKeyEvent &event);
int shiftState(const QKeyEvent &event);

} // namespace bexalo
