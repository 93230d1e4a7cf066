// SPDX-License-Identifier: GPL-3.0-or-later
// A test program that fails on purpose: some of its tests look for controls
// that are not there and go on to use what they got, as tests do.
// tst_testsupport runs it and reads how it ended: each of those tests fails,
// naming the control it missed, and the program runs every test to the end.

#include "kit/form.h"
#include "kit/linklabel.h"
#include "kit/screennames.h"
#include "support/session.h"
#include "support/testing.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using namespace padmora;
using namespace padmora::testing;

class MissingControls : public QObject {
    Q_OBJECT

    Session session;

private slots:
    void init() { QVERIFY(session.start()); }
    void cleanup() { session.end(); }

    void aButtonThatIsThere()
    {
        QCOMPARE(child<QPushButton>(session.main.get(), QStringLiteral("cmdMdiExit"))->text(), QStringLiteral("&Exit"));
    }

    void aMissingButton()
    {
        QPushButton *button = child<QPushButton>(session.main.get(), QStringLiteral("cmdNowhere"));
        click(button);
        button->setText(QStringLiteral("pressed"));
    }

    void aMissingCheckBoxOfAnArray()
    {
        child<QCheckBox>(session.main.get(), QStringLiteral("chkChakras"), 3)->setChecked(true);
    }

    void aMissingLinkLabel() { QVERIFY(child<LinkLabel>(session.main.get(), QStringLiteral("lblNowhere"))->isHidden()); }

    void aMissingMenuItem() { child<QAction>(session.main.get(), QStringLiteral("mnuNowhere"))->trigger(); }

    void aControlOfAScreenThatIsNotOpen()
    {
        QCOMPARE(child<QLabel>(session.main->screen(screens::kTestQuestions), QStringLiteral("lblQNo"))->text(),
                 QStringLiteral("Question No. 1 of 8"));
    }

    void theTestsAfterwardsStillRun() { QVERIFY(session.main->isVisible()); }
};

PADMORA_TEST_MAIN(MissingControls)
#include "missingcontrols.moc"
