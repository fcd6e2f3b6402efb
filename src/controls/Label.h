// Text drawn on its container: opaque or transparent, left or centred, wrapped within its
// width, with an optional single-line border and a hint shown while the pointer rests on it.
#pragma once

#include "controls/Control.h"

#include <QLabel>

namespace bexalo {

class Label : public QLabel, public Control {
    Q_OBJECT
public:
    Label(const ControlSpec &spec, QWidget *parent);

    QString caption() const override { return text(); }
    void setCaption(const QString &caption) override;
};

} // namespace bexalo
