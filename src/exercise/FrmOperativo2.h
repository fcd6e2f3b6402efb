// The exercise window FrmOperativo2.
#pragma once

#include "exercise/ExerciseWindow.h"

namespace bexalo {

class FrmOperativo2 : public ExerciseWindow {
    Q_OBJECT
public:
    explicit FrmOperativo2(Modulo1 &modulo);
};

} // namespace bexalo
