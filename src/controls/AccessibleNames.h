// What a screen reader says for the controls a pupil can act on or needs to hear: an Italian
// name saying what the control does and, where it helps, a description. Looked up by window and
// control; the builder applies it once, and no caption changes.
#pragma once

#include <QString>

namespace bexalo {

struct AccessibleText {
    QString name;
    QString description;
};

// The texts of control `name` (element `index`, -1 for a plain control) of window `window`;
// both empty when the control has none.
AccessibleText accessibleText(const QString &window, const QString &name, int index);

} // namespace bexalo
