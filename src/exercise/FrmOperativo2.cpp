#include "exercise/FrmOperativo2.h"

#include "exercise/FrmOperativo2Table.h"

namespace bexalo {

FrmOperativo2::FrmOperativo2(Modulo1 &modulo) : ExerciseWindow(frmOperativo2Spec(), modulo) {}

} // namespace bexalo
