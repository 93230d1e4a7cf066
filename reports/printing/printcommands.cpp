// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/printing/printcommands.h"

#include "kit/desktop.h"
#include "kit/product.h"
#include "reports/printing/printablereading.h"
#include "reports/printing/readingprinter.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace padmora {

namespace {

const QString kNotPrinted = QStringLiteral("The reading could not be printed.");

// The paper: the printer's own, or the user's country's.
void preparePrinter(QPrinter &printer, const PrintableReading &reading)
{
    const QPrinterInfo info(printer);
    const QPageSize own = info.isNull() ? QPageSize() : info.defaultPageSize();
    printer.setPageLayout(readingPageLayout(own.isValid() ? own : localPageSize()));
    printer.setDocName(reading.documentTitle());
    printer.setCreator(kProductCaption);
}

// Why a PDF could not be written at path, in words the user can act on.
QString failureReason(const QString &path, const QFileDevice &file)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return QStringLiteral("the folder %1 does not exist").arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isDir())
        return QStringLiteral("%1 is not a folder").arg(QDir::toNativeSeparators(folder.filePath()));
    if (target.isDir())
        return QStringLiteral("a folder of that name is there");
    if (!folder.isWritable())
        return QStringLiteral("the folder %1 is read-only").arg(QDir::toNativeSeparators(folder.filePath()));
    QString system = file.errorString();
    if (system.isEmpty())
        return QStringLiteral("it could not be written");
    system[0] = system[0].toLower();
    return system;
}

bool savePdf(const PrintableReading &reading, const QString &path, const QPageLayout &layout)
{
    if (const std::optional<QString> failure = writeReadingPdf(reading, path, layout)) {
        desktop().message(pdfFailureMessage(path, *failure), MessageIcon::Critical);
        return false;
    }
    return true;
}

// A printer dialog that writes to a file writes the PDF as Save as PDF does.
void printOn(QPrinter &printer, const PrintableReading &reading)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        savePdf(reading, printer.outputFileName(), printer.pageLayout());
        return;
    }
    if (paintReading(reading, printer) == 0)
        desktop().message(kNotPrinted, MessageIcon::Critical);
}

// The printer dialog, then the reading on the printer chosen there.
void printWithDialog(QPrinter &printer, const PrintableReading &reading, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    if (desktop().execModal(dialog) == QDialog::Accepted)
        printOn(printer, reading);
}

QString translatedPreview(const char *text)
{
    return QCoreApplication::translate("QPrintPreviewDialog", text);
}

} // namespace

QString pdfFailureMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("The PDF could not be saved as %1: %2.").arg(QDir::toNativeSeparators(path), reason);
}

std::optional<QString> writeReadingPdf(const PrintableReading &reading, const QString &path,
                                       const QPageLayout &layout)
{
    // QSaveFile writes beside the target and puts the whole file in its
    // place at commit; on any failure the target stays as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failureReason(path, file);
    int pages = 0;
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(layout);
        writer.setTitle(reading.documentTitle());
        writer.setCreator(kProductCaption);
        pages = paintReading(reading, writer);
    }
    if (pages == 0) {
        file.cancelWriting();  // the temporary file goes with the QSaveFile
        return QStringLiteral("it could not be written");
    }
    if (!file.commit())
        return failureReason(path, file);
    return std::nullopt;
}

void printReading(const PrintableReading &reading, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, reading);
    printWithDialog(printer, reading, parent);
}

void previewReading(const PrintableReading &reading, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, reading);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dlgPrintPreview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&reading](QPrinter *target) { paintReading(reading, *target); });
    // The preview's own Print and Page setup buttons would run their dialogs
    // and write files past the desktop; here they go the program's way.
    bool printAfter = false;
    for (QAction *action : dialog.findChildren<QAction *>()) {
        if (action->text() == translatedPreview("Print")) {
            QObject::disconnect(action, &QAction::triggered, &dialog, nullptr);
            QObject::connect(action, &QAction::triggered, &dialog, [&] {
                printAfter = true;
                dialog.accept();
            });
        } else if (action->text() == translatedPreview("Page setup")) {
            QObject::disconnect(action, &QAction::triggered, &dialog, nullptr);
            QObject::connect(action, &QAction::triggered, &dialog, [&] {
                QPageSetupDialog setup(&printer, &dialog);
                setup.setObjectName(QStringLiteral("dlgPageSetup"));
                if (desktop().execModal(setup) == QDialog::Accepted)
                    if (auto *preview = dialog.findChild<QPrintPreviewWidget *>())
                        preview->updatePreview();
            });
        }
    }
    desktop().execModal(dialog);
    // On to the printer dialog, with the paper chosen in the preview.
    if (printAfter)
        printWithDialog(printer, reading, parent);
}

bool saveReadingAsPdf(const PrintableReading &reading)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString path =
        desktop().chooseSaveFile(kSavePdfCaption, QDir(folder).filePath(reading.proposedPdfName()), kPdfFilter);
    if (path.isEmpty())
        return false;
    return savePdf(reading, path, readingPageLayout(localPageSize()));
}

} // namespace padmora
