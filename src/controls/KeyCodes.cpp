#include "controls/KeyCodes.h"

#include <QKeyEvent>

namespace bexalo {

int virtualKeyCode(const QKeyEvent &event)
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
    case Qt::Key_Enter: return Key::Enter;
    case Qt::Key_Escape: return Key::Escape;
    case Qt::Key_Space: return Key::Space;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Plus: return keypad ? 107 : 187;
    case Qt::Key_Minus: return keypad ? 109 : 189;
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Slash: return keypad ? 111 : 191;
    case Qt::Key_Period: return keypad ? 110 : 190;
    default:
        // Every other key still has a code of its own, just none that a handler acts on.
        return 255;
    }
}

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
    return (m.testFlag(Qt::ShiftModifier) ? 1 : 0) | (m.testFlag(Qt::ControlModifier) ? 2 : 0)
           | (m.testFlag(Qt::AltModifier) ? 4 : 0);
}

} // namespace bexalo
