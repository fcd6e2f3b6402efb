#include "start/FrmInizio.h"

#include "controls/Forms.h"
#include "start/FrmInizioTable.h"

namespace bexalo {

FrmInizio::FrmInizio(Modulo1 &modulo) : Form(frmInizioSpec()), m_modulo(modulo) {}

void FrmInizio::Form_Load()
{
    m_geometrie = Resize::capture(*this);
}

void FrmInizio::Form_Resize()
{
    Resize::apply(*this, m_geometrie);
}

void FrmInizio::Form_Unload()
{
    scaricaTutto();
}

void FrmInizio::scaricaTutto()
{
    const QList<Form *> loaded = Forms::instance().loaded();
    for (Form *form : loaded) {
        form->unload();
    }
}

} // namespace bexalo
