// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

#include "controls/Forms.h"

namespace bexalo {

Forms &Forms::instance()
{
    static Forms forms;
    return forms;
}

void Forms::add(Form *form)
{
    if (!m_loaded.contains(form)) {
        m_loaded.append(form);
    }
}

void Forms::remove(Form *form)
{
    if (m_loaded.removeOne(form) && m_loaded.isEmpty()) {
        emit lastUnloaded();
    }
}

} // namespace bexalo
