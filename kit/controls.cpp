// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/controls.h"

#include "kit/twips.h"

#include <QLabel>
#include <QPushButton>

namespace padmora {

QPushButton *addPushButton(QWidget *parent, const QString &name, const QString &caption, double left, double top,
                           double width)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    placeTwips(button, left, top, width, kPushButtonHeight);
    return button;
}

QLabel *addCaption(QWidget *parent, const QString &text, QWidget *buddy, double left, double top, double width)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    placeTwips(label, left, top + 30, width, kTextRowHeight);
    return label;
}

QLabel *addReadout(QWidget *parent, const QString &name, const QString &accessibleName)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(accessibleName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The keyboard reaches it, and a screen reader reads it out.
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

} // namespace padmora
