// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer dialogs and the print preview live in the module "printer"
// (libpadmora-printer.so), so that only a run that prints loads Qt Print
// Support. The module knows nothing of the program: everything it needs
// comes with the job, as values and routines, and every dialog it shows, every
// message and every file it writes goes the program's way through them.

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QtPlugin>

#include <functional>

class QDialog;
class QPagedPaintDevice;
class QWidget;

namespace padmora {

struct PrintJob {
    QString documentName;
    QString creator;
    // The page layout for the printer's own paper (invalid when the printer
    // names none).
    std::function<QPageLayout(const QPageSize &printersPaper)> pageLayout;
    // Runs a dialog modally; its result.
    std::function<int(QDialog &)> runModal;
    // Paints the document onto the device's pages in its page layout; the
    // number of pages painted, 0 when the device cannot be painted on.
    std::function<int(QPagedPaintDevice &)> paint;
    // The printer dialog chose a file instead of a printer.
    std::function<void(const QString &path, const QPageLayout &layout)> printToFile;
    // Tells the user the document could not be printed.
    std::function<void()> notPrinted;
    QWidget *parent = nullptr;
};

// What the module's root object implements (kit/modules.h).
class PrinterDialogs {
public:
    virtual ~PrinterDialogs() = default;
    // The printer dialog, then the document on the printer chosen there.
    virtual void print(const PrintJob &job) = 0;
    // The print preview; its Print button goes on to the printer dialog with
    // the paper chosen in the preview.
    virtual void preview(const PrintJob &job) = 0;
};

inline const QString kPrinterModuleName = QStringLiteral("printer");

} // namespace padmora

// The interface's id, with its version: any change to what crosses it
// (PrinterDialogs, PrintJob) takes the next one, and a module built for
// another is not loaded.
#define PADMORA_PRINTER_DIALOGS_IID "org.padmora.PrinterDialogs/1"
Q_DECLARE_INTERFACE(padmora::PrinterDialogs, PADMORA_PRINTER_DIALOGS_IID)
