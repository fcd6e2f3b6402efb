#include "exercise/frmOperativo1.h"

#include "exercise/frmOperativo1Table.h"

namespace bexalo {

frmOperativo1::frmOperativo1(Modulo1 &modulo) : ExerciseWindow(frmOperativo1Spec(), modulo) {}

} // namespace bexalo
