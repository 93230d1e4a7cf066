// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures.h"

#include <QSvgWidget>
#include <QVariant>

namespace padmora {

void showPicture(QSvgWidget *view, const QString &path)
{
    if (!view)
        return;
    view->load(path);
    view->setProperty("picture", path);
}

QString shownPicture(const QWidget *view)
{
    return view ? view->property("picture").toString() : QString();
}

} // namespace padmora
