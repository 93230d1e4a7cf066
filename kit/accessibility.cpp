// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/accessibility.h"

#include "kit/linklabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
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

// A drop-down list is named by the entry it shows. A screen reader says the
// name when the focus comes, and again on every change of the list's value:
// the place of the entry in the list, from 1 to the number of entries,
// whatever the entry reads. (A year's own number would be a value far past
// the list's end: 1990 in a list of 151 years.) The caption beside a list
// names the whole row, not the list: it would stand in for the entry.
class AccessibleList : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleList(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    const QComboBox *list() const { return qobject_cast<const QComboBox *>(object()); }

    QString text(QAccessible::Text t) const override
    {
        if ((t == QAccessible::Name || t == QAccessible::Value) && list())
            return list()->currentText();
        // What the list is for, given as its accessible name, is said after
        // its entry, so that two lists showing like entries are told apart.
        if (t == QAccessible::Description && list() && list()->accessibleDescription().isEmpty())
            return list()->accessibleName();
        return QAccessibleWidget::text(t);
    }

    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        found.removeIf([](const auto &r) { return r.second & QAccessible::Label; });
        return found;
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Pressed, the list opens, as a click opens it.
    QStringList actionNames() const override
    {
        return QStringList(showMenuAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        auto *l = qobject_cast<QComboBox *>(object());
        if (action == showMenuAction() && l)
            l->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    QVariant currentValue() const override { return list() ? list()->currentIndex() + 1 : 0; }
    void setCurrentValue(const QVariant &value) override
    {
        auto *l = qobject_cast<QComboBox *>(object());
        const int place = value.toInt();
        if (l && place >= 1 && place <= l->count())
            l->setCurrentIndex(place - 1);
    }
    QVariant maximumValue() const override { return list() ? list()->count() : 0; }
    QVariant minimumValue() const override { return list() && list()->count() > 0 ? 1 : 0; }
    QVariant minimumStepSize() const override { return 1; }
};

// The main window's work area holds the open screens, each a window named
// by its caption. Qt makes it a layered pane, which a screen reader names
// aloud ("layered pane") before every screen the focus enters; an unnamed
// pane is a mere container that it passes by. Its children are the screens,
// as in Qt's own.
class AccessibleWorkArea : public QAccessibleWidget {
public:
    explicit AccessibleWorkArea(QMdiArea *area) : QAccessibleWidget(area, QAccessible::Pane) {}

    const QMdiArea *area() const { return qobject_cast<const QMdiArea *>(object()); }

    int childCount() const override { return area() ? int(area()->subWindowList().size()) : 0; }
    QAccessibleInterface *child(int index) const override
    {
        QMdiSubWindow *screen = area() ? area()->subWindowList().value(index) : nullptr;
        return screen ? QAccessible::queryAccessibleInterface(screen) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        auto *screen = child && area() ? qobject_cast<QMdiSubWindow *>(child->object()) : nullptr;
        return screen ? int(area()->subWindowList().indexOf(screen)) : -1;
    }
};

constexpr char kStatusProperty[] = "padmoraStatus";

// A label that tells the state of something running: a status, whose every
// change of name a screen reader says while the focus is on it (the screen
// readers of the Linux desktop leave a label's changes unsaid).
class AccessibleStatus : public QAccessibleWidget {
public:
    explicit AccessibleStatus(QLabel *label) : QAccessibleWidget(label, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *label = qobject_cast<const QLabel *>(object());
        if (label && t == QAccessible::Name && label->accessibleName().isEmpty())
            return label->text();
        return QAccessibleWidget::text(t);
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
    if (className == QLatin1String("QLabel") && widget->property(kStatusProperty).toBool())
        return new AccessibleStatus(static_cast<QLabel *>(widget));
    if (className == QLatin1String("QComboBox"))
        return new AccessibleList(static_cast<QComboBox *>(widget));
    if (className == QLatin1String("QMdiArea"))
        return new AccessibleWorkArea(static_cast<QMdiArea *>(widget));
    return nullptr;
}

} // namespace

void setSpokenText(QLabel *label, const QString &text)
{
    if (!label)
        return;
    label->setText(text);
    // Setting the description tells a screen reader that it changed.
    if (label->accessibleDescription() != text)
        label->setAccessibleDescription(text);
}

void makeStatusControl(QLabel *label)
{
    if (!label)
        return;
    label->setProperty(kStatusProperty, true);
    // An interface made for it as a label is dropped; the next one asked for
    // is the status.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(label);
        made && made->role() != QAccessible::StatusBar)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void installAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(padmoraAccessible);
}

} // namespace padmora
