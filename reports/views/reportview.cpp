// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/views/reportview.h"

#include <QTextBrowser>

namespace padmora {

void writeIntoView(QTextBrowser *view, const std::function<void(QTextDocument *)> &write)
{
    if (!view)
        return;
    const Qt::ScrollBarPolicy policy = view->verticalScrollBarPolicy();
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    struct Restore {
        QTextBrowser *view;
        Qt::ScrollBarPolicy policy;
        ~Restore() { view->setVerticalScrollBarPolicy(policy); }
    } restore{view, policy};
    write(view->document());
}

} // namespace padmora
