// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/printmenu.h"

#include "kit/form.h"
#include "kit/resume.h"
#include "reports/printing/printablescreen.h"
#include "reports/printing/printcommands.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace padmora {

PrintMenu::PrintMenu(QMenu *file, QAction *before, QMdiArea *screens, QWidget *window)
    : QObject(file), m_screens(screens), m_window(window)
{
    auto item = [&](const QString &name, const QString &caption, const QKeySequence &keys) {
        auto *action = new QAction(caption, file);
        action->setObjectName(name);
        action->setShortcut(keys);
        file->insertAction(before, action);
        return action;
    };
    m_print = item(QStringLiteral("mnuPrint"), tr("&Print…"), QKeySequence(Qt::CTRL | Qt::Key_P));
    m_preview = item(QStringLiteral("mnuPrintPreview"), tr("Print Pre&view…"), QKeySequence());
    m_savePdf = item(QStringLiteral("mnuSavePdf"), tr("Save as &PDF…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    file->insertSeparator(before)->setObjectName(QStringLiteral("mnuSepPrint"));

    connect(m_print, &QAction::triggered, this, &PrintMenu::mnuPrint_Click);
    connect(m_preview, &QAction::triggered, this, &PrintMenu::mnuPrintPreview_Click);
    connect(m_savePdf, &QAction::triggered, this, &PrintMenu::mnuSavePdf_Click);
    // The active screen changes, or what it shows does.
    connect(m_screens, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *sub) {
        if (sub)
            follow(qobject_cast<Form *>(sub->widget()));
        refresh();
    });
    connect(file, &QMenu::aboutToShow, this, &PrintMenu::refresh);
    refresh();
}

void PrintMenu::follow(Form *form)
{
    if (form)
        connect(form, &Form::readingChanged, this, &PrintMenu::refresh, Qt::UniqueConnection);
}

PrintableScreen *PrintMenu::activeReading() const
{
    QMdiSubWindow *sub = m_screens->currentSubWindow();
    auto *form = sub ? qobject_cast<Form *>(sub->widget()) : nullptr;
    auto *screen = dynamic_cast<PrintableScreen *>(form);
    return screen && screen->showsReading() ? screen : nullptr;
}

void PrintMenu::refresh()
{
    const bool on = activeReading() != nullptr;
    for (QAction *action : {m_print, m_preview, m_savePdf})
        action->setEnabled(on);
}

void PrintMenu::mnuPrint_Click()
{
    if (PrintableScreen *screen = activeReading())
        if (const std::optional<PrintableReading> reading = screen->printableReading())
            step([&] { printReading(*reading, m_window); });
}

void PrintMenu::mnuPrintPreview_Click()
{
    if (PrintableScreen *screen = activeReading())
        if (const std::optional<PrintableReading> reading = screen->printableReading())
            step([&] { previewReading(*reading, m_window); });
}

void PrintMenu::mnuSavePdf_Click()
{
    if (PrintableScreen *screen = activeReading())
        if (const std::optional<PrintableReading> reading = screen->printableReading())
            step([&] { saveReadingAsPdf(*reading); });
}

} // namespace padmora
