// The exercise window frmOperativo1.
#pragma once

#include "exercise/ExerciseWindow.h"

namespace bexalo {

class frmOperativo1 : public ExerciseWindow {
    Q_OBJECT
public:
    explicit frmOperativo1(Modulo1 &modulo);
};

} // namespace bexalo
