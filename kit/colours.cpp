// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/colours.h"

#include <QPalette>
#include <QWidget>

namespace padmora {

void fixColours(QWidget *widget, const QColor &text, const QColor &background)
{
    if (!widget)
        return;
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::Base, background);
    // Greyed-out text keeps the palette's own look.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Text, text);
    }
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

} // namespace padmora
