// The start window: the pupil chooses direction, level and action; "Vai" opens the exercise
// window of the chosen direction. Closing it ends the program.
#pragma once

#include "controls/Form.h"
#include "exercise/Modulo1.h"
#include "layout/Resize.h"

#include <vector>

namespace bexalo {

class FrmInizio : public Form {
    Q_OBJECT
public:
    explicit FrmInizio(Modulo1 &modulo);

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload() override;

private:
    void scaricaTutto();

    Modulo1 &m_modulo;
    std::vector<ControlGeometry> m_geometrie;
};

} // namespace bexalo
