// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of Padmora's start: the least a Qt Widgets program with a
// window of text does, built with the same compiler, flags and build type.
// It shows its window the way Padmora shows its main window (maximised, with
// a caption) and one line of text in it, so that it pays what every such
// window pays before its first frame: the font set-up and a painted window.

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto *column = new QVBoxLayout(&window);
    column->addWidget(new QLabel(QStringLiteral("A bare Qt Widgets window"), &window), 0, Qt::AlignCenter);
    // Filling the screen even where no window manager maximises it.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}
