// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What "&Print…", "Print Pre&view…" and "Save as &PDF…" do with a reading.
// The dialogs run through the desktop seam; a PDF is written whole or not
// at all, and a failure is told in one message that names the path. The
// printer dialogs and the preview come from the module "printer", loaded at
// the first print; when it cannot be loaded, one message says why and the
// PDF still works.

#include <QCoreApplication>
#include <QPageLayout>
#include <QString>

#include <optional>

class QWidget;

namespace padmora {

class PrintableReading;

// The printer dialog, then the reading on the chosen printer. The paper is
// the printer's own, or the user's country's when the printer names none.
void printReading(const PrintableReading &reading, QWidget *parent);
// The print preview; its Print button goes on to printReading.
void previewReading(const PrintableReading &reading, QWidget *parent);
// Asks where to save, proposing the reading's own name in the documents
// folder, and writes the PDF there on the paper of the user's country.
// True when the PDF was written.
bool saveReadingAsPdf(const PrintableReading &reading);

// Writes the reading as a PDF to a temporary file beside path, then puts
// it in path's place. On failure nothing is left at path (what was there
// stays as it was) and the reason comes back.
std::optional<QString> writeReadingPdf(const PrintableReading &reading, const QString &path,
                                       const QPageLayout &layout);

// A text of the "Printing" context, given in the language in use each time
// it is read.
struct PrintingText {
    const char *source;
    operator QString() const { return QCoreApplication::translate("Printing", source); }
};

// The file dialog's caption and filter for Save as PDF.
inline constexpr PrintingText kSavePdfCaption{QT_TRANSLATE_NOOP("Printing", "Save as PDF")};
//: The file dialog's filter: keep "(*.pdf)" as it is
inline constexpr PrintingText kPdfFilter{QT_TRANSLATE_NOOP("Printing", "PDF files (*.pdf)")};

// The message for a PDF that could not be written.
QString pdfFailureMessage(const QString &path, const QString &reason);

} // namespace padmora
