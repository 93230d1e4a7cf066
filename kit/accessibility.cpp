// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/accessibility.h"

#include "kit/linklabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace padmora {

namespace {

// Interfaces may be made while their widget is still being built, so what
// they report is read from the widget each time, never fixed at creation.

// A link label: read out as a link by its text, and pressed as a click does.
// A label that is no link (a heading) reads as plain text.
class AccessibleLinkLabel : public QAccessibleWidget {
public:
    explicit AccessibleLinkLabel(LinkLabel *label) : QAccessibleWidget(label) {}

    const LinkLabel *label() const { return qobject_cast<const LinkLabel *>(object()); }
    bool isLink() const { return label() && label()->actsAsLink(); }

    QAccessible::Role role() const override { return isLink() ? QAccessible::Link : QAccessible::StaticText; }

    QString text(QAccessible::Text t) const override
    {
        if (label() && t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = isLink();
        return s;
    }

    QStringList actionNames() const override
    {
        if (!isLink())
            return QAccessibleWidget::actionNames();
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != pressAction() || !isLink()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (auto *link = qobject_cast<LinkLabel *>(object()))
            link->activate();
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == pressAction())
            return {QStringLiteral("Return")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

// A picture panel that holds controls is a pane; one that only shows its
// picture is an image.
class AccessiblePanel : public QAccessibleWidget {
public:
    explicit AccessiblePanel(QWidget *panel) : QAccessibleWidget(panel) {}

    QAccessible::Role role() const override
    {
        const QWidget *panel = widget();
        if (panel && !panel->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).isEmpty())
            return QAccessible::Pane;
        return QAccessible::Graphic;
    }
};

QAccessibleInterface *padmoraAccessible(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("padmora::LinkLabel"))
        return new AccessibleLinkLabel(static_cast<LinkLabel *>(widget));
    if (className == QLatin1String("padmora::PictureView"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("padmora::PicturePanel"))
        return new AccessiblePanel(widget);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(padmoraAccessible);
}

} // namespace padmora
