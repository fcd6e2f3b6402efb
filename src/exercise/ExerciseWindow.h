// What the two exercise windows do alike, written once: the picture-to-abacus and the
// abacus-to-picture windows add only their own differences.
#pragma once

#include "controls/Form.h"
#include "exercise/Modulo1.h"
#include "layout/Resize.h"

#include <vector>

namespace bexalo {

class ExerciseWindow : public Form {
    Q_OBJECT
public:
    ExerciseWindow(const FormSpec &spec, Modulo1 &modulo);

protected:
    void Form_Load() override;
    void Form_Resize() override;

    Modulo1 &m_modulo;
    std::vector<ControlGeometry> m_geometrie;
};

} // namespace bexalo
