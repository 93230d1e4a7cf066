// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/paragraphlabel.h"

#include <QEvent>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace padmora {

ParagraphLabel::ParagraphLabel(const QStringList &paragraphs, QWidget *parent)
    : QLabel(parent), m_paragraphs(paragraphs)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    compose();
}

void ParagraphLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        compose();
}

void ParagraphLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    compose();
}

void ParagraphLabel::compose()
{
    // A run of blanks wider than a whole line ends the line it starts on,
    // and the wrap swallows all of it: the next paragraph starts the next
    // line. One blank more than the label is wide makes sure of that.
    const qreal blank = std::max<qreal>(QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' ')), 0.25);
    const int blanks = int(std::ceil(std::max(width(), 1) / blank)) + 1;
    setText(m_paragraphs.join(QString(blanks, QLatin1Char(' '))));
}

} // namespace padmora
