// SPDX-License-Identifier: GPL-3.0-or-later
// Renders Padmora's icon, drawn as SVG, into square PNG files at build time,
// so that no start of the program has to parse or render it.
//
//   padmora_rendericon <icon.svg> <theme folder> <size>...
//
// writes <theme folder>/<size>x<size>/apps/padmora.png for every size, the
// layout of a freedesktop icon theme such as hicolor.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int fail(const QString &why)
{
    std::fprintf(stderr, "padmora_rendericon: %s\n", qPrintable(why));
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    // No display is needed to draw into an image.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4)
        return fail(QStringLiteral("usage: padmora_rendericon <icon.svg> <theme folder> <size>..."));

    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid())
        return fail(QStringLiteral("cannot read %1").arg(args[1]));
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);

    for (qsizetype i = 3; i < args.size(); ++i) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        if (!ok || size < 1 || size > 4096)
            return fail(QStringLiteral("not a size: %1").arg(args[i]));
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            renderer.render(&painter, QRectF(0, 0, size, size));
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        if (!QDir().mkpath(folder))
            return fail(QStringLiteral("cannot create %1").arg(folder));
        const QString file = folder + QStringLiteral("/padmora.png");
        if (!image.save(file, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(file));
    }
    return 0;
}
