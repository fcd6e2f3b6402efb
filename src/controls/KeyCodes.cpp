// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "controls/KeyCodes.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace bexalo {

namespace {

constexpr int kNoCode = 255;

PageKeyReader pageKeyReader = nullptr;

// The code of a digit key from the platform's own report of the key, or kNoCode.
int digitFromNativeKey(const QKeyEvent &event, NativeKeys native)
{
    switch (native) {
    case NativeKeys::Xkb: {
        // XKB key codes of the main row's "1" to "9" and "0", the same on every layout.
        const quint32 code = event.nativeScanCode();
        if (code >= 10 && code <= 18) {
            return Key::Digit1 + int(code - 10);
        }
        return code == 19 ? 48 : kNoCode; // "0"
    }
    case NativeKeys::Windows: {
        // The virtual key of a digit is its own whatever the Shift state: 0x30 to 0x39, and
        // 0x60 to 0x69 on the keypad.
        const quint32 vk = event.nativeVirtualKey();
        return (vk >= 0x30 && vk <= 0x39) || (vk >= 0x60 && vk <= 0x69) ? int(vk) : kNoCode;
    }
    case NativeKeys::Page: {
        const int code = pageKeyReader ? pageKeyReader() : kNoCode;
        const bool known = (code >= 48 && code <= 57) || (code >= 96 && code <= 105) || code == Key::Enter;
        return known ? code : kNoCode;
    }
    case NativeKeys::None:
        break;
    }
    return kNoCode;
}

int codeOfQtKey(const QKeyEvent &event);

} // namespace

NativeKeys nativeKeysOf(const QString &platformName)
{
    if (platformName == QLatin1String("xcb") || platformName.startsWith(QLatin1String("wayland"))) {
        return NativeKeys::Xkb;
    }
    if (platformName == QLatin1String("windows")) {
        return NativeKeys::Windows;
    }
    if (platformName == QLatin1String("wasm")) {
        return NativeKeys::Page;
    }
    return NativeKeys::None;
}

void setPageKeyReader(PageKeyReader reader) { pageKeyReader = reader; }

int virtualKeyCode(const QKeyEvent &event, NativeKeys native)
{
    const int code = codeOfQtKey(event);
    // A shifted digit reaches Qt as its symbol ("!", "@", "£"...), which has no code of its own.
    return code == kNoCode ? digitFromNativeKey(event, native) : code;
}

int virtualKeyCode(const QKeyEvent &event)
{
    return virtualKeyCode(event, nativeKeysOf(QGuiApplication::platformName()));
}

namespace {

int codeOfQtKey(const QKeyEvent &event)
{
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return (keypad ? 96 : 48) + (key - Qt::Key_0);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return 65 + (key - Qt::Key_A);
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return 112 + (key - Qt::Key_F1);
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Plus:
        return keypad ? 107 : 187;
    case Qt::Key_Minus:
        return keypad ? 109 : 189;
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Slash:
        return keypad ? 111 : 191;
    case Qt::Key_Period:
        return keypad ? 110 : 190;
    default:
        // Every other key still has a code of its own, just none that a handler acts on.
        return kNoCode;
    }
}

} // namespace

int characterCode(const QKeyEvent &event)
{
    const QString text = event.text();
    if (text.size() != 1) {
        return 0;
    }
    return text.at(0).unicode();
}

int shiftState(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers m = event.modifiers();
    return (m.testFlag(Qt::ShiftModifier) ? 1 : 0) | (m.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (m.testFlag(Qt::AltModifier) ? 4 : 0);
}

} // namespace bexalo
