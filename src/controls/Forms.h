// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// The collection of loaded windows, in the order they were loaded. When the last one is
// unloaded the program has nothing left to show: lastUnloaded() tells main to end it.
#pragma once

#include <QList>
#include <QObject>

namespace bexalo {

class Form;

class Forms : public QObject {
    Q_OBJECT
public:
    static Forms &instance();

    const QList<Form *> &loaded() const { return m_loaded; }
    template <class T> T *find() const
    {
        for (Form *f : m_loaded) {
            if (auto *t = qobject_cast<T *>(f)) {
                return t;
            }
        }
        return nullptr;
    }

    void add(Form *form);
    void remove(Form *form);

signals:
    void lastUnloaded();

private:
    QList<Form *> m_loaded;
};

} // namespace bexalo
