#include "exercise/ExerciseWindow.h"

namespace bexalo {

ExerciseWindow::ExerciseWindow(const FormSpec &spec, Modulo1 &modulo) : Form(spec), m_modulo(modulo) {}

void ExerciseWindow::Form_Load()
{
    m_geometrie = Resize::capture(*this);
}

void ExerciseWindow::Form_Resize()
{
    Resize::apply(*this, m_geometrie);
}

} // namespace bexalo
