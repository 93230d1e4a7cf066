// SPDX-License-Identifier: GPL-3.0-or-later
// Padmora whose printer module cannot be found (its module folder is empty):
// Print and Print Preview say so in one message, and Save as PDF, which
// needs no module, still writes.

#include "chakras/screens/program.h"
#include "journal/keeping.h"
#include "support/readingdriver.h"
#include "support/session.h"

#include <QDir>
#include <QTemporaryDir>

using namespace padmora;
using namespace padmora::testing;

namespace {
QTemporaryDir *emptyModules = nullptr;
}

class PrintingWithoutModuleTest : public QObject {
    Q_OBJECT

    Session session;

private slots:
    void printingSaysWhyOnceAndPadmoraGoesOn()
    {
        QVERIFY(session.start());
        journal::setKeepingReadings(false);
        session.main->setWelcomeVisible(false);
        session.main->openScreen(chakraTestProgram().startScreen);
        QVERIFY(ReadingDriver(session.main.get(), chakraTestProgram()).run({{3, 6}}));
        RecordingDesktop &fake = *session.fake;
        const QString module = QDir(emptyModules->path()).filePath(QStringLiteral("libpadmora-printer.so"));
        for (const QString &command : {QStringLiteral("mnuPrint"), QStringLiteral("mnuPrintPreview")}) {
            fake.messages.clear();
            QVERIFY(trigger(session.main.get(), command));
            QCOMPARE(fake.messages.size(), 1);
            QVERIFY2(fake.messages[0].text.startsWith(QStringLiteral("Printing is not available: ")),
                     qPrintable(fake.messages[0].text));
            QVERIFY2(fake.messages[0].text.contains(module), qPrintable(fake.messages[0].text));
            QVERIFY(fake.modals.isEmpty());
        }
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("reading.pdf"));
        fake.messages.clear();
        fake.chosenFiles << pdf;
        QVERIFY(trigger(session.main.get(), QStringLiteral("mnuSavePdf")));
        QVERIFY(fake.messages.isEmpty());
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.read(5), QByteArray("%PDF-"));
        QVERIFY(session.main->isVisible());
        session.end();
    }
};

int main(int argc, char **argv)
{
    QTemporaryDir data, modules;
    emptyModules = &modules;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    qputenv("PADMORA_MODULE_DIR", QFile::encodeName(modules.path()));
    PadmoraApplication app(argc, argv);
    initPadmora();
    PrintingWithoutModuleTest tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_printingwithoutmodule.moc"
