#pragma once
// Members of a control array are named like "chkChakras(3)".

#include <QString>

namespace padmora {

inline QString arrayName(const QString &name, int index)
{
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

} // namespace padmora
