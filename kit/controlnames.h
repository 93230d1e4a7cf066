// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Members of a control array are named like "chkChakras(3)".

#include <QObject>
#include <QVariant>
#include <QString>

namespace padmora {

inline QString arrayName(const QString &name, int index)
{
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

// Names a control as member `index` of its array, and keeps the index as
// the dynamic property "index".
inline void setArrayName(QObject *control, const QString &name, int index)
{
    control->setObjectName(arrayName(name, index));
    control->setProperty("index", index);
}

} // namespace padmora
