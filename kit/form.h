// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A program screen: a child window of the main window with its own menu bar
// and a client area in which controls sit at designed twip positions.

#include <QMainWindow>

class QMdiSubWindow;

namespace padmora {

class Form : public QMainWindow {
    Q_OBJECT
public:
    Form(const QString &name, const QString &caption, double widthTwips, double heightTwips,
         QWidget *parent = nullptr);

    // The area below the menu bar that holds the controls.
    QWidget *client() const { return m_client; }

    double designWidthTwips() const { return m_widthTwips; }
    double designHeightTwips() const { return m_heightTwips; }

    // The window as a whole (frame included), in twips, inside the main window's area.
    QRect windowGeometryTwips() const;
    void setWindowWidthTwips(double width);
    void moveWindowTwips(double left, double top);
    // left = (screen width - window width) / 2, top = 0.
    void placeCentredAtTop();

    // Runs once, after the screen has joined the main window.
    virtual void Form_Load();

    // Shows the screen's window, makes it the active one and gives the
    // keyboard focus to its first control.
    void showWindow();

    // The control that takes the focus when the screen comes up: by default
    // the first one Tab reaches.
    virtual QWidget *firstControl() const;
    void focusFirstControl();

    // Closes (unloads) the screen, running its unload handler once.
    void unload();
    bool isUnloaded() const { return m_unloaded; }

    QMdiSubWindow *subWindow() const;

signals:
    // The reading the screen shows came, went or changed (a result written,
    // a reading page brought forward or left).
    void readingChanged();

protected:
    // Runs once when the screen closes, whatever closes it.
    virtual void Form_Unload() {}
    void closeEvent(QCloseEvent *event) override;
    // Where the screen comes up, its texts are given room (kit/textfit.h).
    bool event(QEvent *event) override;

    // The window frame (or the widget itself outside the main window).
    QWidget *frameWidget() const;
    // True while another screen of the main window's area is still open.
    bool otherScreensOpen() const;

private:
    QWidget *m_client;
    double m_widthTwips;
    double m_heightTwips;
    bool m_unloaded = false;
};

} // namespace padmora
