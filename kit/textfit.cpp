// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/textfit.h"

#include "kit/language.h"
#include "kit/twips.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace padmora {

namespace {

// The rectangle a control was designed at, before it was fitted, and the one
// the fitting gave it; a label the fitting made wrap.
constexpr char kFitFrom[] = "padmoraFitFrom";
constexpr char kFitTo[] = "padmoraFitTo";
constexpr char kFitWrapped[] = "padmoraFitWrapped";
constexpr char kFitWatched[] = "padmoraFitWatched";
// The font a control had before the fitting made it smaller, and whether it
// was its own.
constexpr char kFitFont[] = "padmoraFitFont";
constexpr char kFitOwnFont[] = "padmoraFitOwnFont";
// On a scroll area the fitting made for a label: the label's designed
// rectangle, its focus policy and its background filling as they were.
constexpr char kFitScroll[] = "padmoraFitScroll";
constexpr char kFitFocus[] = "padmoraFitFocus";
constexpr char kFitFill[] = "padmoraFitFill";
// The smallest a text is made where nothing else lets it fit, as a part of its size.
constexpr double kSmallestFont = 0.75;

QString withoutMnemonic(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;  // "&&" shows one ampersand, "&x" an underlined x
        out += text.at(i);
    }
    return out;
}

int widestLine(const QFontMetrics &fm, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max({widest, fm.horizontalAdvance(line), fm.boundingRect(line).width()});
    return widest;
}

// The width a button has for its text at a given width of its own.
int buttonTextRoom(const QAbstractButton *button, int width)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = QRect(0, 0, width, button->height());
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(button))
        element = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(button))
        element = QStyle::SE_RadioButtonContents;
    int room = button->style()->subElementRect(element, &option, button).width();
    if (!button->icon().isNull())
        room -= button->iconSize().width() + 4;
    return room;
}

// How many pixels wider than `width` a one-line control must be to show its
// whole text.
int missingWidth(QWidget *w, int width)
{
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return widestLine(button->fontMetrics(), withoutMnemonic(button->text())) - buttonTextRoom(button, width);
    if (auto *label = qobject_cast<QLabel *>(w)) {
        // Qt's own measure of the text on one line, margins included.
        const bool wrapped = label->wordWrap();
        if (wrapped)
            label->setWordWrap(false);
        const int wanted = label->sizeHint().width();
        if (wrapped)
            label->setWordWrap(true);
        return wanted - width;
    }
    return 0;
}

enum class Side { Left, Right, Top, Bottom };

// Grown controls keep this far from a neighbour, in pixels.
constexpr int kGap = 2;

// How far a rectangle of the control can grow to one side before it comes
// near a sibling there or reaches its parent's edge. What lay over or under
// the control as designed (a frame behind it, a picture it is written on) is
// no neighbour to keep clear of.
int room(const QWidget *w, const QRect &rect, Side side)
{
    const QWidget *parent = w->parentWidget();
    const bool across = side == Side::Left || side == Side::Right;
    int limit = side == Side::Right ? parent->width() : side == Side::Bottom ? parent->height() : 0;
    const QRect own = designGeometry(w);
    for (QObject *object : parent->children()) {
        auto *sibling = qobject_cast<QWidget *>(object);
        if (!sibling || sibling == w || sibling->isWindow() || sibling->isHidden())
            continue;
        const QRect other = designGeometry(sibling);
        if (other.intersects(own))
            continue;
        if (across ? (other.bottom() < rect.top() || other.top() > rect.bottom())
                   : (other.right() < rect.left() || other.left() > rect.right()))
            continue;
        if (side == Side::Left && other.right() < rect.left())
            limit = std::max(limit, other.right() + 1 + kGap);
        else if (side == Side::Right && other.left() > rect.right())
            limit = std::min(limit, other.left() - kGap);
        else if (side == Side::Top && other.bottom() < rect.top())
            limit = std::max(limit, other.bottom() + 1 + kGap);
        else if (side == Side::Bottom && other.top() > rect.bottom())
            limit = std::min(limit, other.top() - kGap);
    }
    const int free = side == Side::Right    ? limit - rect.right() - 1
                     : side == Side::Bottom ? limit - rect.bottom() - 1
                     : side == Side::Left   ? rect.left() - limit
                                            : rect.top() - limit;
    return std::max(free, 0);
}

// Widens the rectangle by `extra` pixels into the free room beside it: first
// on the side away from which its text leans (both alike for a centred
// text), the rest on the other. False, and no change, where there is too
// little room.
bool widened(const QWidget *w, QRect &rect, int extra)
{
    if (extra <= 0)
        return true;
    Qt::Alignment alignment = Qt::AlignLeft;
    if (auto *label = qobject_cast<const QLabel *>(w))
        alignment = label->alignment();
    else if (qobject_cast<const QPushButton *>(w))
        alignment = Qt::AlignHCenter;
    const int left = room(w, rect, Side::Left);
    const int right = room(w, rect, Side::Right);
    if (left + right < extra)
        return false;
    int toRight = std::min(right, extra);
    if (alignment & Qt::AlignHCenter)
        toRight = std::max(std::min(right, extra - extra / 2), extra - left);
    else if (alignment & Qt::AlignRight)
        toRight = extra - std::min(left, extra);
    rect.adjust(-(extra - toRight), 0, toRight, 0);
    return true;
}

// The rectangle made as wide as the free room beside it allows.
QRect widest(const QWidget *w, const QRect &rect)
{
    return rect.adjusted(-room(w, rect, Side::Left), 0, room(w, rect, Side::Right), 0);
}

// A wrapped label as tall as its text, growing down into free room and, where
// that is not enough, up; the room is that beside `placed` (the label, or
// the scroll area it is shown in). False, and no change, where there is too
// little.
bool heightened(QLabel *label, QRect &rect, const QWidget *placed = nullptr)
{
    if (!placed)
        placed = label;
    const int extra = label->heightForWidth(rect.width()) - rect.height();
    if (extra <= 0)
        return true;
    const int down = std::min(room(placed, rect, Side::Bottom), extra);
    const int up = std::min(room(placed, rect, Side::Top), extra - down);
    if (down + up < extra)
        return false;
    rect.adjust(0, -up, 0, down);
    return true;
}

bool isTextControl(const QWidget *w)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        return !button->text().isEmpty();
    if (auto *label = qobject_cast<const QLabel *>(w))
        return !label->text().isEmpty();
    return false;
}

// Puts back the font the fitting made smaller.
void restoreFont(QWidget *w)
{
    const QVariant font = w->property(kFitFont);
    if (!font.isValid())
        return;
    w->setFont(w->property(kFitOwnFont).toBool() ? font.value<QFont>() : QFont());
    w->setAttribute(Qt::WA_SetFont, w->property(kFitOwnFont).toBool());
    w->setProperty(kFitFont, QVariant());
}

// The last way to show a one-line text whole where no room is left beside
// it: a smaller font, down to three quarters of its size.
void shrinkToFit(QWidget *w)
{
    const QFont original = w->font();
    const double size = original.pointSizeF();
    if (size <= 0)
        return;
    w->setProperty(kFitFont, original);
    w->setProperty(kFitOwnFont, w->testAttribute(Qt::WA_SetFont));
    QFont smaller = original;
    for (double step = size - 0.5; step >= size * kSmallestFont && missingWidth(w, w->width()) > 0; step -= 0.5) {
        smaller.setPointSizeF(step);
        w->setFont(smaller);
    }
}

void fitChildren(QWidget *parent);
QObject *textFitter();

// What a screen reader calls a scrolled text: the label's own name, else its text.
void nameScroll(QScrollArea *scroll, const QLabel *label)
{
    scroll->setAccessibleName(label->accessibleName().isEmpty() ? label->text().simplified()
                                                                : label->accessibleName());
}

// The last way to show a wrapped text whole where no room is left around it:
// its designed rectangle scrolls. The keyboard reaches the scrolled text in
// the label's place in the Tab order, and its arrow and page keys scroll it.
void scrollText(QLabel *label, const QRect &designed)
{
    QWidget *parent = label->parentWidget();
    auto *scroll = new QScrollArea(parent);
    scroll->setObjectName(label->objectName() + QStringLiteral("Scroll"));
    scroll->setProperty(kFitScroll, designed);
    scroll->setProperty(kFitFocus, int(label->focusPolicy()));
    scroll->setProperty(kFitFill, label->autoFillBackground());
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::StrongFocus);
    scroll->viewport()->setAutoFillBackground(false);
    nameScroll(scroll, label);
    // In the label's place in the Tab order (Qt orders only controls that take focus).
    label->setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(label, scroll);
    label->setFocusPolicy(Qt::FocusPolicy(scroll->property(kFitFocus).toInt()));
    const bool focused = label->hasFocus();
    label->setFocusPolicy(Qt::NoFocus);
    label->setProperty(kFitFrom, QVariant());
    label->setProperty(kFitTo, QVariant());
    unplace(label);
    const bool fill = label->autoFillBackground();
    scroll->setWidget(label);
    label->setAutoFillBackground(fill);
    setDesignGeometry(scroll, designed);
    scroll->show();
    // A new text asks the viewport for a layout: the label is fitted again.
    scroll->viewport()->installEventFilter(textFitter());
    if (focused)
        scroll->setFocus(Qt::OtherFocusReason);
}

// The label back in its parent, at its designed rectangle.
QLabel *unscrollText(QScrollArea *scroll)
{
    auto *label = qobject_cast<QLabel *>(scroll->takeWidget());
    const QRect designed = scroll->property(kFitScroll).toRect();
    const bool focused = scroll->hasFocus();
    scroll->setProperty(kFitScroll, QVariant());
    scroll->hide();
    scroll->deleteLater();
    if (!label)
        return nullptr;
    label->setParent(scroll->parentWidget());
    label->setAutoFillBackground(scroll->property(kFitFill).toBool());
    label->setFocusPolicy(Qt::FocusPolicy(scroll->property(kFitFocus).toInt()));
    QWidget::setTabOrder(scroll, label);
    setDesignGeometry(label, designed);
    label->show();
    if (focused && label->focusPolicy() != Qt::NoFocus)
        label->setFocus(Qt::OtherFocusReason);
    return label;
}

void fitControl(QWidget *w);

// A scrolled text that fits again (the language changed back) leaves its
// scroll area; one that does not keeps scrolling, named after its new text.
void fitScrolled(QScrollArea *scroll)
{
    auto *label = qobject_cast<QLabel *>(scroll->widget());
    const QRect designed = scroll->property(kFitScroll).toRect();
    QRect fitted = designed;
    if (!label || heightened(label, fitted, scroll) || heightened(label, fitted = widest(scroll, designed), scroll)) {
        if (QLabel *back = unscrollText(scroll))
            fitControl(back);
        return;
    }
    nameScroll(scroll, label);
    scroll->setWidgetResizable(true);  // the label's new height
}

// The control's font at a part of the size it had before the fitting.
void scaleFont(QWidget *w, double scale)
{
    if (!w->property(kFitFont).isValid()) {
        w->setProperty(kFitFont, w->font());
        w->setProperty(kFitOwnFont, w->testAttribute(Qt::WA_SetFont));
    }
    QFont font = w->property(kFitFont).value<QFont>();
    if (font.pointSizeF() <= 0)
        return;
    font.setPointSizeF(font.pointSizeF() * scale);
    w->setFont(font);
}

void fitControl(QWidget *w)
{
    restoreFont(w);
    // Back to the design first: a text that fits needs no more room than that.
    QRect designed = designGeometry(w);
    const QVariant from = w->property(kFitFrom);
    if (from.isValid() && w->property(kFitTo).toRect() == designed)
        designed = from.toRect();
    auto *label = qobject_cast<QLabel *>(w);
    const bool madeToWrap = w->property(kFitWrapped).toBool();
    QRect fitted = designed;
    if (label && label->wordWrap() && !madeToWrap) {
        // Wrapped as designed: taller where it must be, or wider and taller.
        if (!heightened(label, fitted)) {
            fitted = widest(w, designed);
            if (!heightened(label, fitted)) {
                scrollText(label, designed);
                return;
            }
        }
    } else {
        bool wrap = false;
        const int extra = missingWidth(w, designed.width());
        if (!widened(w, fitted, extra) && label) {
            // No room beside it for one line: the label wraps its text
            // instead, as wide as it may be, where that shows it whole.
            label->setWordWrap(true);
            wrap = heightened(label, fitted) || heightened(label, fitted = widest(w, designed));
            if (!wrap)
                fitted = designed;
        }
        if (label && label->wordWrap() != wrap)
            label->setWordWrap(wrap);
        w->setProperty(kFitWrapped, wrap);
        if (!wrap && fitted == designed && extra > 0) {
            // Nor room to wrap: the whole text in a smaller font, as wide as
            // the free room allows.
            fitted = widest(w, designed);
            setDesignGeometry(w, fitted);
            shrinkToFit(w);
        }
    }
    w->setProperty(kFitFrom, designed);
    w->setProperty(kFitTo, fitted);
    if (fitted != designGeometry(w))
        setDesignGeometry(w, fitted);
}

// Refits a parent's controls when one of them changes its text (Qt asks
// the parent for a new layout) or comes into view, or the parent does.
class TextFitter : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::LayoutRequest || type == QEvent::Show || type == QEvent::LanguageChange)
            if (auto *parent = qobject_cast<QWidget *>(watched)) {
                // A scrolled label's viewport: the label is fitted where its scroll area is.
                auto *scroll = qobject_cast<QScrollArea *>(parent->parentWidget());
                if (scroll && scroll->viewport() == parent) {
                    if (type == QEvent::LayoutRequest && scroll->property(kFitScroll).isValid())
                        fitScrolled(scroll);
                    return false;
                }
                fitChildren(parent);
            }
        return false;
    }
};

QObject *textFitter()
{
    static TextFitter fitter;
    return &fitter;
}

void watch(QWidget *parent)
{
    if (parent->property(kFitWatched).toBool())
        return;
    parent->setProperty(kFitWatched, true);
    parent->installEventFilter(textFitter());
}

bool holdsPlaced(const QWidget *w)
{
    for (QObject *object : w->children())
        if (auto *c = qobject_cast<QWidget *>(object); c && !c->isWindow() && isPlaced(c))
            return true;
    return false;
}

// Where a control was designed, whatever the fitting did to it since.
QRect designedRect(const QWidget *w)
{
    const QVariant from = w->property(kFitFrom);
    return from.isValid() && w->property(kFitTo).toRect() == designGeometry(w) ? from.toRect() : designGeometry(w);
}

// Buttons of one kind side by side at one height (a row of check boxes)
// share the row's width by their texts' needs where one of them cannot show
// its text and the others can give it room. Returns those so placed; a row
// whose texts all fit keeps its design.
QList<QWidget *> shareRows(QWidget *parent)
{
    QList<QList<QWidget *>> rows;
    for (QObject *object : parent->children()) {
        auto *w = qobject_cast<QAbstractButton *>(object);
        if (!w || w->isWindow() || w->isHidden() || !isPlaced(w) || !isTextControl(w))
            continue;
        const QRect rect = designedRect(w);
        auto row = std::find_if(rows.begin(), rows.end(), [&](const QList<QWidget *> &r) {
            const QRect first = designedRect(r.first());
            return r.first()->metaObject() == w->metaObject() && first.top() == rect.top()
                   && first.height() == rect.height();
        });
        if (row == rows.end())
            rows.append({w});
        else
            row->append(w);
    }
    QList<QWidget *> shared;
    for (QList<QWidget *> &row : rows) {
        if (row.size() < 3)
            continue;
        std::sort(row.begin(), row.end(), [](QWidget *a, QWidget *b) { return designedRect(a).left() < designedRect(b).left(); });
        int gaps = 0;
        bool short_ = false;
        bool close = true;
        for (qsizetype i = 0; i < row.size(); ++i) {
            restoreFont(row[i]);
            short_ = short_ || missingWidth(row[i], designedRect(row[i]).width()) > 0;
            if (i > 0) {
                const int gap = designedRect(row[i]).left() - designedRect(row[i - 1]).right() - 1;
                close = close && gap >= 0 && gap <= designedRect(row[i]).height();
                gaps += gap;
            }
        }
        if (!short_ || !close)
            continue;
        // What the row's texts need, in their own font and, where the row is
        // too narrow for that, in a smaller one alike for all of them.
        const QRect first = designedRect(row.first());
        const int span = designedRect(row.last()).right() - first.left() + 1;
        QList<int> needs;
        int slack = -1;
        for (int step = 0; step <= int(std::lround((1.0 - kSmallestFont) * 20)) && slack < 0; ++step) {
            if (step > 0)
                for (QWidget *w : row)
                    scaleFont(w, 1.0 - step * 0.05);
            needs.clear();
            slack = span - gaps;
            for (QWidget *w : row) {
                const int width = designedRect(w).width();
                needs << width + missingWidth(w, width);
                slack -= needs.last();
            }
        }
        if (slack < 0) {
            for (QWidget *w : row)
                restoreFont(w);
            continue;
        }
        int left = first.left();
        for (qsizetype i = 0; i < row.size(); ++i) {
            const QRect designed = designedRect(row[i]);
            if (i > 0)
                left += designed.left() - designedRect(row[i - 1]).right() - 1;
            const int width = needs[i] + (slack * int(i + 1) / int(row.size()) - slack * int(i) / int(row.size()));
            const QRect fitted(left, designed.top(), width, designed.height());
            left += width;
            row[i]->setProperty(kFitFrom, designed);
            row[i]->setProperty(kFitTo, fitted);
            if (fitted != designGeometry(row[i]))
                setDesignGeometry(row[i], fitted);
        }
        shared += row;
    }
    return shared;
}

// True where a control of the parent was fitted to a text before.
bool holdsFitted(const QWidget *parent)
{
    for (QObject *object : parent->children())
        if (object->property(kFitFrom).isValid() || object->property(kFitScroll).isValid())
            return true;
    return false;
}

void fitChildren(QWidget *parent)
{
    if (!parent->isVisible())
        return;  // fitted when it is shown
    // The screens are designed for their texts as written: with no catalogue
    // installed there is nothing to measure, but what was fitted to another
    // language goes back to its design.
    if (!translationInstalled() && !holdsFitted(parent))
        return;
    const QList<QWidget *> shared = shareRows(parent);
    const QObjectList children = parent->children();  // the fitting may add a scroll area
    for (QObject *object : children) {
        auto *w = qobject_cast<QWidget *>(object);
        if (!w || w->isWindow() || shared.contains(w))
            continue;
        if (auto *scroll = qobject_cast<QScrollArea *>(w); scroll && scroll->property(kFitScroll).isValid()) {
            fitScrolled(scroll);
            continue;
        }
        if (isPlaced(w) && !w->isHidden() && (isTextControl(w) || w->property(kFitFrom).isValid()))
            fitControl(w);
        // A panel that came later (a page of the screen) is watched from now on.
        if (!w->property(kFitWatched).toBool() && holdsPlaced(w)) {
            watch(w);
            fitChildren(w);
        }
    }
    // The fitting's own changes (a label made to wrap) ask the parent for a
    // layout again: it has none, and its controls are fitted already.
    if (!parent->layout())
        QCoreApplication::removePostedEvents(parent, QEvent::LayoutRequest);
}

} // namespace

void fitTexts(QWidget *root)
{
    if (!root)
        return;
    QList<QWidget *> parents{root};
    parents += root->findChildren<QWidget *>();
    for (QWidget *w : parents)
        if (!w->isWindow() || w == root)
            if (holdsPlaced(w) && !w->property(kFitWatched).toBool()) {
                watch(w);
                fitChildren(w);
            }
}

} // namespace padmora
