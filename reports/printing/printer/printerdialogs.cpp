// SPDX-License-Identifier: GPL-3.0-or-later
// The printer dialog and the print preview, on Qt Print Support: the module
// "printer" (see reports/printing/printerdialogs.h).
#include "reports/printing/printerdialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QtPlugin>

namespace padmora {

namespace {

// The paper: the printer's own, laid out the program's way.
void preparePrinter(QPrinter &printer, const PrintJob &job)
{
    const QPrinterInfo info(printer);
    printer.setPageLayout(job.pageLayout(info.isNull() ? QPageSize() : info.defaultPageSize()));
    printer.setDocName(job.documentName);
    printer.setCreator(job.creator);
}

// A printer dialog that writes to a file leaves the file to the program.
void printOn(QPrinter &printer, const PrintJob &job)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        job.printToFile(printer.outputFileName(), printer.pageLayout());
        return;
    }
    if (job.paint(printer) == 0)
        job.notPrinted();
}

// The printer dialog, then the document on the printer chosen there.
void printWithDialog(QPrinter &printer, const PrintJob &job)
{
    QPrintDialog dialog(&printer, job.parent);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    if (job.runModal(dialog) == QDialog::Accepted)
        printOn(printer, job);
}

QString translatedPreview(const char *text)
{
    return QCoreApplication::translate("QPrintPreviewDialog", text);
}

} // namespace

// The module's root object, as Qt's plug-in loader hands it out.
class QtPrinterDialogs final : public QObject, public PrinterDialogs {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PADMORA_PRINTER_DIALOGS_IID)
    Q_INTERFACES(padmora::PrinterDialogs)

public:
    void print(const PrintJob &job) override
    {
        QPrinter printer(QPrinter::HighResolution);
        preparePrinter(printer, job);
        printWithDialog(printer, job);
    }

    void preview(const PrintJob &job) override
    {
        QPrinter printer(QPrinter::HighResolution);
        preparePrinter(printer, job);
        QPrintPreviewDialog dialog(&printer, job.parent);
        dialog.setObjectName(QStringLiteral("dlgPrintPreview"));
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&job](QPrinter *target) { job.paint(*target); });
        // The preview's own Print and Page setup buttons would run their
        // dialogs and write files past the program; here they go its way.
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
                    if (job.runModal(setup) == QDialog::Accepted)
                        if (auto *preview = dialog.findChild<QPrintPreviewWidget *>())
                            preview->updatePreview();
                });
            }
        }
        job.runModal(dialog);
        // On to the printer dialog, with the paper chosen in the preview.
        if (printAfter)
            printWithDialog(printer, job);
    }
};

} // namespace padmora

#include "printerdialogs.moc"
