// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

namespace padmora {

namespace {

// An icon that is made by a function the first time anything of it is needed.
class DeferredIcon final : public QIconEngine {
public:
    explicit DeferredIcon(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    // Asked before anything is painted; a standard icon always has a picture.
    bool isNull() override { return m_made ? m_made->isNull() : false; }
    QString key() const override { return QStringLiteral("PadmoraDeferredIcon"); }
    QIconEngine *clone() const override { return new DeferredIcon(m_made ? [i = *m_made] { return i; } : m_make); }

private:
    const QIcon &icon()
    {
        if (!m_made)
            m_made = m_make();
        return *m_made;
    }

    std::function<QIcon()> m_make;
    std::optional<QIcon> m_made;
};

} // namespace

PadmoraStyle::PadmoraStyle() = default;

QIcon PadmoraStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    // An option belongs to its caller and would not outlive the call: such
    // icons are made at once. The widget may go before the icon is painted.
    if (option)
        return QProxyStyle::standardIcon(icon, option, widget);
    const QPointer<const QWidget> from(widget);
    const QPointer<QStyle> base(baseStyle());
    return QIcon(new DeferredIcon(
        [base, icon, from] { return base ? base->standardIcon(icon, nullptr, from.data()) : QIcon(); }));
}

} // namespace padmora
