// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "&Print…", "Print Pre&view…" and "Save as &PDF…" in the main window's File
// menu, acting on the active program screen: the chakra test's and the
// tarot's result screens, every tarot card page, and the astrology screen
// once a reading shows. They are greyed while the active screen shows none.

#include <QObject>
#include <QPointer>

class QAction;
class QMdiArea;
class QMenu;
class QWidget;

namespace padmora {

class Form;
class PrintableScreen;

class PrintMenu : public QObject {
    Q_OBJECT
public:
    // Puts the three items (and a separator) into the menu before `before`.
    PrintMenu(QMenu *file, QAction *before, QMdiArea *screens, QWidget *window);

    QAction *print() const { return m_print; }
    QAction *preview() const { return m_preview; }
    QAction *savePdf() const { return m_savePdf; }

    // Greys or enables the items for the active screen.
    void refresh();

private:
    // The active screen, when it shows a reading.
    PrintableScreen *activeReading() const;
    void follow(Form *form);

    void mnuPrint_Click();
    void mnuPrintPreview_Click();
    void mnuSavePdf_Click();

    QMdiArea *m_screens;
    QWidget *m_window;
    QAction *m_print;
    QAction *m_preview;
    QAction *m_savePdf;
};

} // namespace padmora
