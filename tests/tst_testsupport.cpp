// SPDX-License-Identifier: GPL-3.0-or-later
// The test helpers themselves: a control a test looks for and does not find
// fails that test with the control's name, and never takes the test program
// (with every test after it) down.

#include "support/testing.h"

#include <QProcess>

class TestSupportTest : public QObject {
    Q_OBJECT

private slots:
    void aMissingControlFailsItsTestAndNothingElse()
    {
        QProcess run;
        run.start(QStringLiteral(PADMORA_MISSING_CONTROLS), QStringList{});
        QVERIFY(run.waitForStarted(10000));
        QVERIFY(run.waitForFinished(120000));
        const QString out = QString::fromUtf8(run.readAllStandardOutput());
        const QStringList lines = out.split(QLatin1Char('\n'));

        // It ran to its end on its own: no crash, one failure per test that
        // missed a control.
        QVERIFY2(run.exitStatus() == QProcess::NormalExit, qPrintable(out));
        QCOMPARE(run.exitCode(), 5);
        QVERIFY2(out.contains(QStringLiteral("Totals: 4 passed, 5 failed, 0 skipped")), qPrintable(out));
        QVERIFY(lines.contains(QStringLiteral("PASS   : MissingControls::aButtonThatIsThere()")));
        QVERIFY(lines.contains(QStringLiteral("PASS   : MissingControls::theTestsAfterwardsStillRun()")));
        QVERIFY(lines.contains(QStringLiteral("PASS   : MissingControls::cleanupTestCase()")));

        // Each failure names the control, where it was looked for, and the
        // line of the test that looked.
        const std::pair<const char *, const char *> failures[] = {
            {"aMissingButton", "no control cmdNowhere in frmMDI"},
            {"aMissingCheckBoxOfAnArray", "no control chkChakras(3) in frmMDI"},
            {"aMissingLinkLabel", "no control lblNowhere in frmMDI"},
            {"aMissingMenuItem", "no control mnuNowhere in frmMDI"},
            {"aControlOfAScreenThatIsNotOpen", "no control lblQNo in no window"},
        };
        for (const auto &[test, message] : failures) {
            // The first failure of that test (what it goes on to check on
            // the stand-in may fail as well).
            const QString failed = QStringLiteral("FAIL!  : MissingControls::%1() ").arg(QString::fromLatin1(test));
            qsizetype at = 0;
            while (at < lines.size() && !lines[at].startsWith(failed))
                ++at;
            QVERIFY2(at < lines.size(), qPrintable(failed + QStringLiteral("\n\n") + out));
            QCOMPARE(lines[at], failed + QString::fromLatin1(message));
            QVERIFY2(lines.value(at + 1).trimmed().startsWith(QStringLiteral("Loc: [")), qPrintable(failed));
            QVERIFY2(lines.value(at + 1).contains(QStringLiteral("missingcontrols.cpp(")), qPrintable(failed));
        }
    }
};

PADMORA_TEST_MAIN(TestSupportTest)
#include "tst_testsupport.moc"
