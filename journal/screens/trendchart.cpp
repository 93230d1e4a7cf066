// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/screens/trendchart.h"

#include "journal/reading.h"
#include "kit/colours.h"

#include <QLocale>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace padmora {

namespace {

constexpr int kMaxScore = 8;
// The three bands, light enough for every line to stand out on them.
const QColor kUnderBand(250, 226, 226);
const QColor kOpenBand(226, 244, 226);
const QColor kOverBand(250, 240, 214);
const QColor kGrid(200, 200, 200);

} // namespace

TrendChart::TrendChart(QWidget *parent) : QWidget(parent)
{
    m_shown.fill(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

QColor TrendChart::lineColour(int chakra)
{
    // The chakras' colours, the yellow and orange darkened to read on light bands.
    static const QColor colours[7] = {QColor(210, 0, 0),   QColor(200, 100, 0),  QColor(150, 130, 0),
                                      QColor(0, 128, 0),   QColor(0, 0, 255),    QColor(68, 51, 164),
                                      QColor(140, 70, 220)};
    return chakra >= 0 && chakra < 7 ? colours[chakra] : kInk;
}

void TrendChart::setSeries(const journal::TrendSeries &series, const QDateTime &from, const QDateTime &to)
{
    m_series = series;
    m_from = from;
    m_to = to;
    update();
}

void TrendChart::setPractice(const journal::PracticeSeries &weeks)
{
    m_practice = weeks;
    update();
}

void TrendChart::setChakraShown(int chakra, bool shown)
{
    if (chakra < 0 || chakra >= 7)
        return;
    m_shown[std::size_t(chakra)] = shown;
    update();
}

void TrendChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), kPaper);
    // Time runs left to right and the scores bottom to top in either layout
    // direction: the chart is drawn the same way right to left, each text
    // where it stands left to right and running its own way.
    auto placed = [](Qt::Alignment where, const QString &text) {
        return int(where | Qt::AlignAbsolute) | (text.isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
    };
    const QFontMetrics fm(font());
    // The bands' names, as the states are named elsewhere.
    const QString names[3] = {journal::stateText(ChakraState::UnderActive), journal::stateText(ChakraState::Open),
                              journal::stateText(ChakraState::OverActive)};
    int widest = 0;
    for (const QString &name : names)
        widest = std::max(widest, fm.horizontalAdvance(name));
    const int left = widest + 12;
    const QRect plot = rect().adjusted(left, fm.height() / 2 + 4, -12, -(fm.height() + 8));
    if (plot.width() < 10 || plot.height() < 10)
        return;
    auto yOf = [&](double score) { return plot.bottom() - score / kMaxScore * plot.height(); };

    // The bands, with their names: 0 to 2.5, 2.5 to 5.5, 5.5 to 8.
    const struct {
        double low, high;
        QColor colour;
        const QString &name;
    } bands[3] = {{0, 2.5, kUnderBand, names[0]}, {2.5, 5.5, kOpenBand, names[1]}, {5.5, 8, kOverBand, names[2]}};
    for (const auto &band : bands) {
        const QRectF area(plot.left(), yOf(band.high), plot.width(), yOf(band.low) - yOf(band.high));
        p.fillRect(area, band.colour);
        p.setPen(kInk);
        p.drawText(QRectF(0, area.top(), left - 6, area.height()), placed(Qt::AlignRight | Qt::AlignVCenter, band.name),
                   band.name);
    }
    p.setPen(kGrid);
    for (int s = 0; s <= kMaxScore; ++s)
        p.drawLine(QPointF(plot.left(), yOf(s)), QPointF(plot.right(), yOf(s)));
    p.setPen(kInk);
    p.drawRect(plot.adjusted(0, 0, -1, -1));

    // Time runs left to right over the range shown.
    QDateTime from = m_from, to = m_to;
    for (const QList<journal::ScorePoint> &points : m_series)
        if (!points.isEmpty()) {
            if (!from.isValid() || points.first().taken < from)
                from = points.first().taken;
            if (!to.isValid() || points.last().taken > to)
                to = points.last().taken;
        }
    for (const QList<journal::PracticeWeek> &weeks : m_practice)
        if (!weeks.isEmpty()) {
            const QDateTime first(weeks.first().monday, QTime(0, 0), Qt::UTC);
            const QDateTime last(weeks.last().monday.addDays(7), QTime(0, 0), Qt::UTC);
            if (!from.isValid() || first < from)
                from = first;
            if (!to.isValid() || last > to)
                to = last;
        }
    if (!from.isValid() || !to.isValid())
        return;
    const double span = std::max<qint64>(1, from.msecsTo(to));
    auto xOf = [&](const QDateTime &t) { return plot.left() + double(from.msecsTo(t)) / span * (plot.width() - 1); };
    const QLocale locale;
    const QString fromDate = locale.toString(from.toLocalTime().date(), QLocale::ShortFormat);
    const QString toDate = locale.toString(to.toLocalTime().date(), QLocale::ShortFormat);
    p.drawText(QRect(plot.left(), plot.bottom() + 4, plot.width(), fm.height()),
               placed(Qt::AlignLeft, fromDate), fromDate);
    p.drawText(QRect(plot.left(), plot.bottom() + 4, plot.width(), fm.height()),
               placed(Qt::AlignRight, toDate), toDate);

    // The weeks of practice, side by side within each week, under the lines.
    const double weekWidth = std::max(2.0, double(from.msecsTo(from.addDays(7))) / span * plot.width() / 7);
    for (int chakra = 0; chakra < 7; ++chakra) {
        if (!m_shown[std::size_t(chakra)])
            continue;
        for (const journal::PracticeWeek &w : m_practice[std::size_t(chakra)]) {
            const double height = std::min(1.0, double(w.seconds) / 3600) * plot.height() / 4;
            const double x = xOf(QDateTime(w.monday, QTime(0, 0), Qt::UTC)) + chakra * weekWidth;
            p.fillRect(QRectF(x, plot.bottom() - height, weekWidth, height), lineColour(chakra));
        }
    }

    for (int chakra = 0; chakra < 7; ++chakra) {
        const QList<journal::ScorePoint> &points = m_series[std::size_t(chakra)];
        if (!m_shown[std::size_t(chakra)] || points.isEmpty())
            continue;
        // Thousands of readings share a few hundred pixel columns: each column
        // is drawn once, as the span of its scores, joined to its neighbours
        // from its first score and on from its last.
        struct Column {
            int x;
            double first, last, low, high;
        };
        QList<Column> columns;
        columns.reserve(std::min<qsizetype>(points.size(), plot.width()));
        for (const journal::ScorePoint &point : points) {
            const int x = int(xOf(point.taken));
            const double y = yOf(point.score);
            if (columns.isEmpty() || columns.last().x != x) {
                columns.append({x, y, y, y, y});
                continue;
            }
            Column &c = columns.last();
            c.last = y;
            c.low = std::min(c.low, y);
            c.high = std::max(c.high, y);
        }
        QPolygonF line;
        line.reserve(columns.size() * 2);
        for (const Column &c : columns) {
            line.append(QPointF(c.x, c.first));
            if (c.last != c.first)
                line.append(QPointF(c.x, c.last));
        }
        const bool sparse = columns.size() <= plot.width() / 6;
        p.setRenderHint(QPainter::Antialiasing, sparse);
        const QColor colour = lineColour(chakra);
        p.setPen(QPen(colour, sparse ? 2 : 1));
        p.drawPolyline(line);
        for (const Column &c : columns)
            if (c.high > c.low)
                p.drawLine(QPointF(c.x, c.low), QPointF(c.x, c.high));
        if (sparse) {
            p.setBrush(colour);
            for (const QPointF &at : line)
                p.drawEllipse(at, 3, 3);
            p.setBrush(Qt::NoBrush);
        }
    }
}

} // namespace padmora
