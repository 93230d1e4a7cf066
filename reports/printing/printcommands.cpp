// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/printing/printcommands.h"

#include "kit/desktop.h"
#include "kit/modules.h"
#include "kit/product.h"
#include "reports/printing/printablereading.h"
#include "reports/printing/printerdialogs.h"
#include "reports/printing/readingprinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace padmora {

namespace {

// Why a PDF could not be saved, when nothing tells more.
QString notWritten()
{
    //: Why a PDF could not be saved
    return QCoreApplication::translate("Printing", "it could not be written");
}

// True when the file system of the file's folder cannot take a name that
// long, or the writer was told so.
bool nameTooLong(const QFileInfo &target, const QFileDevice &file)
{
    const long most = ::pathconf(QFile::encodeName(target.absolutePath()).constData(), _PC_NAME_MAX);
    return (most > 0 && QFile::encodeName(target.fileName()).size() > most)
           || file.errorString() == QString::fromLocal8Bit(std::strerror(ENAMETOOLONG));
}

// Why a PDF could not be written at path, in words the user can act on.
QString failureReason(const QString &path, const QFileDevice &file)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        //: Why a PDF could not be saved; %1 is a folder's path
        return QCoreApplication::translate("Printing", "the folder %1 does not exist")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isDir())
        //: Why a PDF could not be saved; %1 is a path
        return QCoreApplication::translate("Printing", "%1 is not a folder")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    if (target.isDir())
        //: Why a PDF could not be saved
        return QCoreApplication::translate("Printing", "a folder of that name is there");
    if (!folder.isWritable())
        //: Why a PDF could not be saved; %1 is a folder's path
        return QCoreApplication::translate("Printing", "the folder %1 is read-only")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    if (nameTooLong(target, file))
        return QCoreApplication::translate("Printing", "the name is too long for the file system");
    QString system = file.errorString();
    if (system.isEmpty())
        return notWritten();
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

// The printer dialogs, loaded at their first use; nullptr, after telling
// the user why, when they cannot be loaded.
PrinterDialogs *printerDialogs()
{
    QString why;
    auto *dialogs = loadModule<PrinterDialogs>(kPrinterModuleName, &why);
    if (!dialogs)
        //: %1 says why the printer module could not be loaded
        desktop().message(QCoreApplication::translate("Printing", "Printing is not available: %1.").arg(why),
                          MessageIcon::Critical);
    return dialogs;
}

// The reading as the printer dialogs see it; every effect goes through the
// desktop.
PrintJob printJob(const PrintableReading &reading, QWidget *parent)
{
    PrintJob job;
    job.documentName = reading.documentTitle();
    job.creator = kProductCaption;
    // The printer's own paper, or the user's country's when it names none.
    job.pageLayout = [](const QPageSize &own) { return readingPageLayout(own.isValid() ? own : localPageSize()); };
    job.runModal = [](QDialog &dialog) { return desktop().execModal(dialog); };
    job.paint = [&reading](QPagedPaintDevice &device) { return paintReading(reading, device); };
    // A printer dialog that writes to a file writes the PDF as Save as PDF does.
    job.printToFile = [&reading](const QString &path, const QPageLayout &layout) { savePdf(reading, path, layout); };
    job.notPrinted = [] {
        desktop().message(QCoreApplication::translate("Printing", "The reading could not be printed."),
                          MessageIcon::Critical);
    };
    job.parent = parent;
    return job;
}

} // namespace

QString pdfFailureMessage(const QString &path, const QString &reason)
{
    //: %1 is the PDF's path, %2 why it could not be saved ("the folder … is read-only")
    return QCoreApplication::translate("Printing", "The PDF could not be saved as %1: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
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
        return notWritten();
    }
    if (!file.commit())
        return failureReason(path, file);
    return std::nullopt;
}

void printReading(const PrintableReading &reading, QWidget *parent)
{
    if (PrinterDialogs *dialogs = printerDialogs())
        dialogs->print(printJob(reading, parent));
}

void previewReading(const PrintableReading &reading, QWidget *parent)
{
    if (PrinterDialogs *dialogs = printerDialogs())
        dialogs->preview(printJob(reading, parent));
}

bool saveReadingAsPdf(const PrintableReading &reading)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QString path =
        desktop().chooseSaveFile(kSavePdfCaption, QDir(folder).filePath(reading.proposedPdfName()), kPdfFilter);
    if (path.isEmpty())
        return false;
    // A name with no extension is a PDF's all the same, as the file dialog
    // makes it. Nobody was asked about a file already there under the name
    // with ".pdf": it is replaced only when the user says so.
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.'))) {
        path += QStringLiteral(".pdf");
        const QString replace =
            QCoreApplication::translate("Printing", "%1 already exists. Do you want to replace it?");
        if (QFileInfo::exists(path)
            && desktop().message(replace.arg(QDir::toNativeSeparators(path)), MessageIcon::Information,
                                 MessageButtons::YesNo)
                   != MessageAnswer::Yes)
            return false;
    }
    return savePdf(reading, path, readingPageLayout(localPageSize()));
}

} // namespace padmora
