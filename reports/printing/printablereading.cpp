// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/printing/printablereading.h"

#include <QLocale>
#include <QTextDocument>

namespace padmora {

namespace {

QString whenTaken(const QDateTime &at)
{
    const QLocale locale;
    return locale.toString(at.date(), QLocale::LongFormat) + QStringLiteral(", ")
           + locale.toString(at.time(), QLocale::ShortFormat);
}

} // namespace

PrintableReading::PrintableReading(const QString &program, const QString &topic, const QDateTime &takenAt)
    : m_program(program), m_topic(topic), m_takenAt(takenAt)
{
}

void PrintableReading::addTitle(const QString &text)
{
    m_blocks.emplace_back(PrintedTitle{text});
}

void PrintableReading::addDrawing(const QSizeF &twips, std::function<void(QPainter &)> paint)
{
    m_blocks.emplace_back(PrintedDrawing{twips, std::move(paint)});
}

void PrintableReading::addDocument(const QTextDocument &document)
{
    m_blocks.emplace_back(PrintedDocument{std::shared_ptr<const QTextDocument>(document.clone())});
}

void PrintableReading::addCard(const PrintedCard &card)
{
    m_blocks.emplace_back(card);
}

void PrintableReading::addFacts(const QList<PrintedFact> &rows, const QString &picture)
{
    m_blocks.emplace_back(PrintedFacts{rows, picture});
}

QString PrintableReading::takenLine() const
{
    QString topic = m_topic;
    if (!topic.isEmpty())
        topic[0] = topic[0].toUpper();
    return topic + QStringLiteral(", ") + whenTaken(m_takenAt);
}

QString PrintableReading::proposedPdfName() const
{
    return QStringLiteral("Padmora %1 %2.pdf").arg(m_topic, m_takenAt.date().toString(Qt::ISODate));
}

QString PrintableReading::documentTitle() const
{
    return m_program + QStringLiteral(", ") + whenTaken(m_takenAt);
}

} // namespace padmora
