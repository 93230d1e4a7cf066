// SPDX-License-Identifier: GPL-3.0-or-later
// The astrology screen driven through its real widgets inside the main
// window: opening and closing, the two pages, the checks and their messages,
// the reading of every chakra, Back, odd names and the layout.

#include "app/mainwindow.h"
#include "astrology/screens/astrologyscreen.h"
#include "kit/form.h"
#include "kit/links.h"
#include "kit/pictures.h"
#include "kit/screennames.h"
#include "kit/sharedmenus.h"
#include "support/recordingdesktop.h"
#include "support/testing.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSvgRenderer>
#include <QScreen>
#include <memory>

using namespace padmora;
using namespace padmora::testing;

namespace {

struct Expected {
    const char *month;
    const char *day;
    const char *year;
    int chakra;  // this screen's crown-first index, also the picture position
    const char *results[11];
};

// One birth date for every chakra, with all eleven facts it must show.
const Expected kReadings[] = {
    {"July", "23", "1975", 0,
     {"Leo",
      "The Sun",
      "Crown Chakra - Sahasrara",
      "This chakra is all about perception and intelligence and your spiritual nature.",
      "Beautiful one Thousand Rainbow Colored Petals.",
      "Sahasrara (thousand-fold)",
      "Kundalini Shakti rises up the spinal column to unite with Shiva here. One understands Non-Duality, "
       "Lives in an Extended State of Consciousness and Attains illumination",
      "Violet",
      "Open state makes you neutral and quite conscious about the real world around you.",
      "Over-active state makes you overconfident and proud of your intelligence. You believe spirituality is "
       "the only need in life, ignoring their other basic needs of life.",
      "Under-active state builds stubborn thinking in you and makes you unaware of spirituality."}},
    {"June", "21", "1990", 1,
     {"Cancer",
      "The Moon",
      "Third Eye Chakra - Ajna",
      "This state governs the nature of approach and vision of a person.",
      "Circle, 2 Luminous Petals in which all the Elements are pooled.",
      "Ajna (perceive, to know)",
      "Transcending Senses, Experiencing God-In-Self or Atman",
      "Indigo",
      "When it is open you will have a good perception of things and a sound judgment.",
      "In over-active state you may tend to wander in the world fantasies and may be moody.",
      "You get confused and are dependent on others in the under-active state. You may be indecisive."}},
    {"September", "15", "1985", 2,
     {"Virgo",
      "Mercury",
      "Throat Chakra - Vishuddha",
      "This chakra is all about expressing oneself and the kind of verbal behavior. This describes the growth "
       "of a person in terms of expression and communication.",
      "White Circle (Lunar Circle - Pure Cosmic Sound) enclosed by 16 Purple-Gray Petals.",
      "Visuddha (purification)",
      "Ego",
      "Blue",
      "In open you are bold enough to express your feelings. You have a clear mind and a compassionate heart.",
      "In an over-active state you tend to speak too much being bad listeners, critical and sarcastic in nature.",
      "When this chakra is under-active you may be an introvert and shy and sometimes hide the truth."}},
    {"October", "10", "2050", 3,
     {"Libra",
      "Venus",
      "Heart Chakra - Anahata",
      "World treats heart as the symbol of love and it is in fact, because the heart guides humble people. "
       "This chakra is all about love, affection and kindness.",
      "Green-Gray Star (Smoky-Green as Smoke Pervades the Air), covered by 12 Red Petals.",
      "Anahata (unstruck; the fresh, clean sound made without striking two things)",
      "Impatience",
      "Green",
      "In an open state of this chakra you are very friendly, loving, sympathetic and maintain compassionate "
       "relations with others.",
      "In an over-active state you are highly emotional, act by showing love for your own benefit, behave in "
       "a selfish manner and may be very moody.",
      "In an under-active state you are reserved and very calm and suppress your feelings."}},
    {"March", "31", "1962", 4,
     {"Aries",
      "Mars",
      "Navel Chakra - Manipura",
      "The name itself suggests the location of this chakra, which is at the level of the navel. It controls "
       "the basic character of the person, which includes your energy and power.",
      "Fiery Red Triangle, surrounded by 10 Blue Petals.",
      "Manipura (lustrous gem)",
      "Irritation",
      "Yellow",
      "Open state of this chakra shows a balanced person with good self-esteem and confidence. You will be in "
       "control but not domineering.",
      "Over-active state of this chakra makes you want to become powerful and you may be a dominating and "
       "aggressive person.",
      "The under-active makes you inactive and hesitant. Some fear always acts in the mind."}},
    {"February", "29", "2000", 5,
     {"Pisces",
      "Neptune and Jupiter",
      "Sacral Chakra - Swadhisthanna",
      "This chakra is located just above the root chakra, which controls or stimulates the sexual desires, "
       "emotions and creativity.",
      "Blue Crescent Moon, covered by 6 Red Petals and earth filled with encircling water.",
      "Svadhisthana (sweetness)",
      "Purity and Attachments",
      "Orange",
      "In open state this very center, maintains the level of feelings in a free flow manner, not making "
       "person very emotional. The individual behaves more lively with cool passion.",
      "In case of over-active state you get emotionally attached to your near and dears and possess wild "
       "sexual desires.",
      "In under-active state of this chakra makes you a pessimist, shy and inferior. You have a low sex drive "
       "and do not enjoy life. You may become very reserved and moody."}},
    {"January", "1", "1900", 6,
     {"Capricorn",
      "Saturn",
      "Root Chakra - Muladhara",
      "This chakra is the root center at the bottom part of spine, which makes a person feel his physical "
       "strength and his survival instincts.",
      "Yellow Yantra Square, covered by Four Red Petals represents the Four Directions of Earth.",
      "Muladhara (root)",
      "Patience and Greediness",
      "Red",
      "If this root energy is open you will feel grounded, calm, stable and secure. Generally you are well "
       "behaved do not cause trouble. You have great inner strength and are generally a comfortable presence.",
      "In the over-active state you become greedy and obsessed with being secure and avoid changes in life. "
       "You are materialistic and money minded. You are too physical and violent.",
      "Fear, nervousness, inferiority and shyness are the consequences of an under-active energy of root chakra."}},
};

const char *const kPictures[7] = {":/chakras/0 Crown Chakra.svg", ":/chakras/1 Third Eye Chakra.svg",
                                  ":/chakras/2 Throat Chakra.svg", ":/chakras/3 Heart Chakra.svg",
                                  ":/chakras/4 Navel Chakra.svg",  ":/chakras/5 Sacral Chakra.svg",
                                  ":/chakras/6 Root Chakra.svg"};

const Expected &readingOfChakra(int chakra)
{
    for (const Expected &e : kReadings)
        if (e.chakra == chakra)
            return e;
    return kReadings[0];
}

QStringList expectedTexts(const Expected &e)
{
    QStringList out;
    for (const char *t : e.results)
        out << QString::fromUtf8(t);
    return out;
}

} // namespace

class AstrologyScreenTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensOnTheDetailsPage();
    void opensCentredAtTheTop_data();
    void opensCentredAtTheTop();
    void readingOfEveryChakra_data();
    void readingOfEveryChakra();
    void detailsChecks_data();
    void detailsChecks();
    void missingNameFocusesTheNameBox();
    void backResetsTheDetails();
    void secondReadingOverwritesTheFirst();
    void oddNames_data();
    void oddNames();
    void closingShowsTheWelcomePanel_data();
    void closingShowsTheWelcomePanel();
    void pagesAreLaidOutCleanly();

private:
    Form *openByButton();
    QWidget *w(const QString &name) const { return child<QWidget>(m_form, name); }
    QLabel *result(int i) const { return child<QLabel>(m_form, QStringLiteral("lblResult"), i); }
    QGroupBox *page(int i) const { return child<QGroupBox>(m_form, QStringLiteral("fraStep"), i); }
    QLineEdit *nameBox() const { return child<QLineEdit>(m_form, QStringLiteral("txtName")); }
    QComboBox *list(const char *name) const { return child<QComboBox>(m_form, QString::fromLatin1(name)); }
    QStringList shownReading() const;
    QString shownPicture() const;
    bool choose(QComboBox *box, const QString &text);
    void type(const QString &text);
    void enter(const QString &name, const QString &month, const QString &day, const QString &year);
    void getReading() { click(w(QStringLiteral("cmdNext"))); }
    // Focus moves only inside the active window.
    void activate();

    std::unique_ptr<RecordingDesktop> m_desk;
    std::unique_ptr<MainWindow> m_main;
    Form *m_form = nullptr;
};

void AstrologyScreenTest::init()
{
    m_desk = std::make_unique<RecordingDesktop>();
    m_main = std::make_unique<MainWindow>();
    // Maximised on the 1280 x 1024 screen, as Padmora starts.
    m_main->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    m_main->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    m_form = nullptr;
}

void AstrologyScreenTest::cleanup()
{
    m_main.reset();
    settle();
    m_desk.reset();
}

Form *AstrologyScreenTest::openByButton()
{
    click(child<QPushButton>(m_main.get(), QStringLiteral("cmdSelectOption"), 0));
    m_form = m_main->screen(screens::kAstrologyMain);
    return m_form;
}

void AstrologyScreenTest::activate()
{
    m_main->activateWindow();
    QApplication::setActiveWindow(m_main.get());
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

QStringList AstrologyScreenTest::shownReading() const
{
    QStringList out;
    for (int i = 0; i < 11; ++i)
        out << (result(i) ? result(i)->text() : QStringLiteral("<missing>"));
    return out;
}

QString AstrologyScreenTest::shownPicture() const
{
    auto *picture = child<PictureView>(m_form, QStringLiteral("picChakra"));
    if (!picture || !picture->hasPicture())
        return QString();
    return picture->property("picture").toString();
}

// Picks an entry the way a user does: open the list, click the entry.
bool AstrologyScreenTest::choose(QComboBox *box, const QString &text)
{
    if (!box)
        return false;
    const int i = box->findText(text, Qt::MatchExactly);
    if (i < 0)
        return false;
    box->showPopup();
    QAbstractItemView *view = box->view();
    const QModelIndex item = view->model()->index(i, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    return QTest::qWaitFor([&] { return !view->isVisible() && box->currentIndex() == i; }, 2000);
}

// Text arrives as typed keys for plain letters, and as committed input-method
// text otherwise (emoji, right-to-left scripts, long pastes).
void AstrologyScreenTest::type(const QString &text)
{
    QLineEdit *box = nameBox();
    box->setFocus();
    bool plain = text.size() < 100;
    for (QChar c : text)
        plain = plain && c.unicode() >= 0x20 && c.unicode() < 0x7f;
    if (plain) {
        QTest::keyClicks(box, text);
        return;
    }
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

void AstrologyScreenTest::enter(const QString &name, const QString &month, const QString &day, const QString &year)
{
    if (!name.isEmpty())
        type(name);
    QVERIFY(choose(list("cboMonth"), month));
    QVERIFY(choose(list("cboDate"), day));
    QVERIFY(choose(list("cboYear"), year));
}

void AstrologyScreenTest::opensOnTheDetailsPage()
{
    QVERIFY(openByButton());
    QCOMPARE(m_form->windowTitle(), QStringLiteral("VQ Vovuvev Avoverazi"));
    QCOMPARE(m_form->objectName(), QStringLiteral("frmChakrasAstrologyMain"));

    // The pages: one place, the details in front.
    QCOMPARE(page(0)->title(), QStringLiteral("Personal Details"));
    QCOMPARE(page(1)->title(), QStringLiteral("Astro Chakra Details"));
    QCOMPARE(page(0)->geometry(), page(1)->geometry());
    QVERIFY(page(0)->isVisible());
    QVERIFY(!page(1)->isVisible());

    QCOMPARE(child<QLabel>(m_form, QStringLiteral("lblLabel"), 0)->text(),
             QStringLiteral("VQ Vovuvev Avoverazi is an unique tool that generates your chakras reading based on your "
                            "zodiac sun sign. Just enter your date of birth and know which Chakra influences you the "
                            "most."));
    QCOMPARE(child<QLabel>(m_form, QStringLiteral("lblLabel"), 1)->text(), QStringLiteral("Name"));
    QCOMPARE(child<QLabel>(m_form, QStringLiteral("lblLabel"), 2)->text(), QStringLiteral("Date of Birth"));
    QVERIFY(nameBox()->text().isEmpty());
    QCOMPARE(child<QPushButton>(m_form, QStringLiteral("cmdNext"))->text(),
             QStringLiteral("&Get My Vovuvev Avoverazi Reading"));
    QCOMPARE(child<QPushButton>(m_form, QStringLiteral("cmdBack"))->text(), QStringLiteral("&Back"));

    // The lists hold their own entries only, the first ones chosen.
    auto entries = [](QComboBox *box) {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    };
    QCOMPARE(entries(list("cboMonth")),
             (QStringList{"January", "February", "March", "April", "May", "June", "July", "August", "September",
                          "October", "November", "December"}));
    QStringList days, years;
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    for (int y = 1900; y <= 2050; ++y)
        years << QString::number(y);
    QCOMPARE(entries(list("cboDate")), days);
    QCOMPARE(entries(list("cboYear")), years);
    for (const char *name : {"cboMonth", "cboDate", "cboYear"}) {
        QVERIFY(!list(name)->isEditable());
        QCOMPARE(list(name)->currentIndex(), 0);
    }

    // The seven chakras, crown first.
    for (int p = 0; p < 7; ++p) {
        auto *picture = child<PictureView>(m_form, QStringLiteral("picDisp"), p);
        QVERIFY(picture && picture->isVisible());
        QVERIFY(picture->hasPicture());
        QCOMPARE(picture->property("picture").toString(), QString::fromLatin1(kPictures[p]));
    }

    // Every result sits on the right of its caption, on the same line.
    const char *captions[11] = {"Sun Sign", "Ruling Planet", "Chakra Name", "Description", "Symbol", "Sanskrit Name",
                                "Keyword",  "Color",         "Open",        "Overactive",  "Underactive"};
    for (int i = 0; i < 11; ++i) {
        QLabel *caption = child<QLabel>(m_form, QStringLiteral("lblLabel"), 3 + i);
        QVERIFY(caption && result(i));
        QCOMPARE(caption->text(), QString::fromLatin1(captions[i]));
        QCOMPARE(caption->parentWidget(), page(1));
        QCOMPARE(result(i)->parentWidget(), page(1));
        QCOMPARE(caption->y(), result(i)->y());
        QVERIFY(caption->geometry().right() < result(i)->x());
        QVERIFY(result(i)->text().isEmpty());
    }
    QVERIFY(shownPicture().isEmpty());

    // Menus and promotional labels.
    QCOMPARE(captionsOf(m_form->menuBar()->actions()), (QStringList{"&File", "&Help", "Make Money &Online"}));
    QCOMPARE(captionsOf(child<QMenu>(m_form, QStringLiteral("mnuFile"))->actions()), QStringList{"E&xit"});
    QCOMPARE(captionsOf(child<QMenu>(m_form, QStringLiteral("mnuHelp"))->actions()),
             (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                          "&About Software"}));
    QVERIFY(child<QAction>(m_form, QStringLiteral("mnuMakeMoney")));
    QLabel *forum = child<QLabel>(m_form, QStringLiteral("Label14"));
    QVERIFY(forum && forum->isVisible());
    QCOMPARE(forum->text(), forumBannerText());
    QVERIFY(child<QWidget>(m_form, QStringLiteral("fraFullBrand")));
    QVERIFY(child<QWidget>(m_form, QStringLiteral("lblCobrand")));
    click(forum);
    QCOMPARE(m_desk->lastOpened(), forumUrl());
    QVERIFY(m_desk->messages.isEmpty());
}

void AstrologyScreenTest::opensCentredAtTheTop_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<int>("index");
    QTest::newRow("program button") << "cmdSelectOption" << 0;
    QTest::newRow("welcome link") << "lblCaption" << 3;
}

void AstrologyScreenTest::opensCentredAtTheTop()
{
    QFETCH(QString, opener);
    QFETCH(int, index);
    QVERIFY(m_main->isWelcomeVisible());
    click(child<QWidget>(m_main.get(), opener, index));
    Form *form = m_main->screen(screens::kAstrologyMain);
    QVERIFY(form);
    QVERIFY(form->isVisible());
    QVERIFY(!m_main->isWelcomeVisible());
    QCOMPARE(form->windowTitle(), kAstrologyCaption);
    const QRect g = form->windowGeometryTwips();
    QCOMPARE(g.top(), 0);
    // One pixel is 15 twips: the centring may round by that much.
    QVERIFY2(qAbs(g.left() - (screenWidthTwips() - g.width()) / 2) <= 15, qPrintable(QString::number(g.left())));

    // Opening it again gives a fresh screen in the same place.
    m_form = form;
    type(QStringLiteral("Mira"));
    click(child<QWidget>(m_main.get(), opener, index));
    settle();
    m_form = m_main->screen(screens::kAstrologyMain);
    QVERIFY(m_form);
    QVERIFY(nameBox()->text().isEmpty());
    QCOMPARE(m_form->windowGeometryTwips(), g);
}

void AstrologyScreenTest::readingOfEveryChakra_data()
{
    QTest::addColumn<int>("chakra");
    for (const Expected &e : kReadings)
        QTest::addRow("%s %s %s", e.day, e.month, e.year) << e.chakra;
}

void AstrologyScreenTest::readingOfEveryChakra()
{
    QFETCH(int, chakra);
    const Expected &e = readingOfChakra(chakra);
    QVERIFY(openByButton());
    enter(QStringLiteral("Mira"), e.month, e.day, e.year);
    getReading();
    QVERIFY(m_desk->messages.isEmpty());
    QVERIFY(!page(0)->isVisible());
    QVERIFY(page(1)->isVisible());
    const QStringList shown = shownReading();
    const QStringList wanted = expectedTexts(e);
    for (int i = 0; i < 11; ++i)
        QCOMPARE(shown[i], wanted[i]);
    QCOMPARE(shownPicture(), QString::fromLatin1(kPictures[chakra]));
    QCOMPARE(static_cast<AstrologyScreen *>(m_form)->shownChakraPicture(), QString::fromLatin1(kPictures[chakra]));
}

void AstrologyScreenTest::detailsChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::addColumn<QString>("sign");     // shown when accepted

    const QString noName = QStringLiteral("Please enter your name");
    const QString wrongFebruary = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString wrongThirty = QStringLiteral("Please Enter Correct Date Or Month !");

    QTest::newRow("no name, 31 February 1999") << "" << "February" << "31" << "1999" << noName << "";
    QTest::newRow("no name, 31 April") << "" << "April" << "31" << "2000" << noName << "";
    QTest::newRow("no name, 1 January") << "" << "January" << "1" << "1900" << noName << "";
    QTest::newRow("one blank") << " " << "January" << "1" << "1900" << "" << "Capricorn";
    QTest::newRow("three blanks") << "   " << "July" << "23" << "1950" << "" << "Leo";

    struct February {
        const char *year;
        bool leap;
    };
    for (const February f : {February{"2000", true}, February{"1900", false}, February{"1999", false},
                             February{"2004", true}}) {
        QTest::addRow("28 February %s", f.year) << "Mira" << "February" << "28" << f.year << "" << "Pisces";
        QTest::addRow("29 February %s", f.year)
            << "Mira" << "February" << "29" << f.year << (f.leap ? QString() : wrongFebruary)
            << (f.leap ? "Pisces" : "");
        QTest::addRow("30 February %s", f.year) << "Mira" << "February" << "30" << f.year << wrongFebruary << "";
        QTest::addRow("31 February %s", f.year) << "Mira" << "February" << "31" << f.year << wrongFebruary << "";
    }
    for (const char *month : {"April", "June", "September", "November"}) {
        QTest::addRow("31 %s", month) << "Mira" << month << "31" << "2001" << wrongThirty << "";
    }
    QTest::newRow("30 April") << "Mira" << "April" << "30" << "2001" << "" << "Taurus";
    QTest::newRow("30 November") << "Mira" << "November" << "30" << "2001" << "" << "Sagittarius";
    QTest::newRow("31 March") << "Mira" << "March" << "31" << "2001" << "" << "Aries";
    QTest::newRow("31 August") << "Mira" << "August" << "31" << "2001" << "" << "Virgo";
    QTest::newRow("31 December 2050") << "Mira" << "December" << "31" << "2050" << "" << "Capricorn";
}

void AstrologyScreenTest::detailsChecks()
{
    QFETCH(QString, name);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, year);
    QFETCH(QString, message);
    QFETCH(QString, sign);
    QVERIFY(openByButton());
    enter(name, month, day, year);
    QCOMPARE(nameBox()->text(), name);
    getReading();
    if (message.isEmpty()) {
        QVERIFY(m_desk->messages.isEmpty());
        QVERIFY(page(1)->isVisible());
        QCOMPARE(result(0)->text(), sign);
        return;
    }
    // One message, with its own icon and the program's title; the details
    // page stays in front and nothing is read out.
    QCOMPARE(m_desk->messages.size(), 1);
    QCOMPARE(m_desk->lastMessage().text, message);
    QCOMPARE(m_desk->lastMessage().icon, message == QStringLiteral("Please enter your name") ? MessageIcon::Critical
                                                                                            : MessageIcon::Information);
    QCOMPARE(m_desk->lastMessage().buttons, MessageButtons::Ok);
    QCOMPARE(m_desk->lastMessage().title, QStringLiteral("Padmora"));
    QVERIFY(page(0)->isVisible());
    QVERIFY(!page(1)->isVisible());
    QVERIFY(result(0)->text().isEmpty());
    QVERIFY(shownPicture().isEmpty());
    // The entry stays as it was, and each further click says it once more.
    QCOMPARE(list("cboMonth")->currentText(), month);
    QCOMPARE(list("cboDate")->currentText(), day);
    QCOMPARE(list("cboYear")->currentText(), year);
    getReading();
    QCOMPARE(m_desk->messages.size(), 2);
    QCOMPARE(m_desk->lastMessage().text, message);
}

void AstrologyScreenTest::missingNameFocusesTheNameBox()
{
    QVERIFY(openByButton());
    activate();
    QPushButton *next = child<QPushButton>(m_form, QStringLiteral("cmdNext"));
    next->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), next);
    click(next);
    QCOMPARE(m_desk->messages.size(), 1);
    QCOMPARE(m_desk->lastMessage().text, QStringLiteral("Please enter your name"));
    QTRY_COMPARE(QApplication::focusWidget(), nameBox());

    // A refused date leaves the focus where it was.
    type(QStringLiteral("Mira"));
    QVERIFY(choose(list("cboMonth"), QStringLiteral("June")));
    QVERIFY(choose(list("cboDate"), QStringLiteral("31")));
    next->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), next);
    click(next);
    QCOMPARE(m_desk->lastMessage().text, QStringLiteral("Please Enter Correct Date Or Month !"));
    QCOMPARE(QApplication::focusWidget(), next);
}

void AstrologyScreenTest::backResetsTheDetails()
{
    QVERIFY(openByButton());
    activate();
    const Expected &e = readingOfChakra(4);
    enter(QStringLiteral("Mira"), e.month, e.day, e.year);
    getReading();
    QVERIFY(page(1)->isVisible());

    click(w(QStringLiteral("cmdBack")));
    QVERIFY(page(0)->isVisible());
    QVERIFY(!page(1)->isVisible());
    QVERIFY(nameBox()->text().isEmpty());
    QCOMPARE(list("cboMonth")->currentText(), QStringLiteral("January"));
    QCOMPARE(list("cboDate")->currentText(), QStringLiteral("1"));
    QCOMPARE(list("cboYear")->currentText(), QStringLiteral("1900"));
    // The details page has the focus, for a screen reader to say it; Tab
    // goes on to the name box.
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(page(0)));
    QTest::keyClick(page(0), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), nameBox());
    // The reading page keeps its texts until the next reading.
    QCOMPARE(shownReading(), expectedTexts(e));
    QVERIFY(m_desk->messages.isEmpty());

    // Straight after Back, a name alone reads out the first entries.
    type(QStringLiteral("Ravi"));
    getReading();
    QCOMPARE(shownReading(), expectedTexts(readingOfChakra(6)));
}

void AstrologyScreenTest::secondReadingOverwritesTheFirst()
{
    QVERIFY(openByButton());
    const Expected &first = readingOfChakra(0);
    const Expected &second = readingOfChakra(6);
    // The two readings share no text, so every label must change.
    for (int i = 0; i < 11; ++i)
        QVERIFY(QString::fromUtf8(first.results[i]) != QString::fromUtf8(second.results[i]));

    enter(QStringLiteral("Mira"), first.month, first.day, first.year);
    getReading();
    QCOMPARE(shownReading(), expectedTexts(first));
    QCOMPARE(shownPicture(), QString::fromLatin1(kPictures[0]));

    click(w(QStringLiteral("cmdBack")));
    enter(QStringLiteral("Ravi"), second.month, second.day, second.year);
    getReading();
    QCOMPARE(shownReading(), expectedTexts(second));
    QCOMPARE(shownPicture(), QString::fromLatin1(kPictures[6]));
}

void AstrologyScreenTest::oddNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("blanks only") << QStringLiteral("      ");
    QTest::newRow("tab") << QStringLiteral("\t");
    QTest::newRow("10 000 letters") << QStringLiteral("Mira").repeated(2500);
    QTest::newRow("10 000 mixed") << QStringLiteral("Zoë 李 שׂ 🙂 ").repeated(1000).left(10000);
    QTest::newRow("emoji") << QStringLiteral("🧘🏽‍♀️ Mira 🙂🕉️");
    QTest::newRow("hebrew") << QStringLiteral("שׂרה כהן");
    QTest::newRow("arabic") << QStringLiteral("فاطمة الزهراء");
    QTest::newRow("direction overrides") << QStringLiteral("\u202eariM\u202c \u200f");
    QTest::newRow("zero-width space") << QStringLiteral("\u200b");
    QTest::newRow("combining marks") << QStringLiteral("Z\u0301\u0302\u0303\u0304o\u0308e\u0308");
    QTest::newRow("looks like a reading") << QStringLiteral("Leo - The Sun");
    QTest::newRow("markup") << QStringLiteral("<b>Mira</b> &amp; <img src=x>");
}

void AstrologyScreenTest::oddNames()
{
    QFETCH(QString, name);
    QVERIFY(openByButton());
    const QRect window = m_form->windowGeometryTwips();
    const QRect box = twipsOf(nameBox());
    const Expected &e = readingOfChakra(4);  // 31 March: Aries
    enter(name, e.month, e.day, e.year);
    // Whatever was typed is kept whole.
    QCOMPARE(nameBox()->text(), name);
    getReading();
    QVERIFY(m_desk->messages.isEmpty());
    QVERIFY(page(1)->isVisible());
    // The reading does not depend on the name and never shows it.
    QCOMPARE(shownReading(), expectedTexts(e));
    if (name.trimmed().size() > 3)
        for (const QString &text : shownReading())
            QVERIFY(!text.contains(name));
    QCOMPARE(m_form->windowGeometryTwips(), window);
    QCOMPARE(twipsOf(nameBox()), box);

    click(w(QStringLiteral("cmdBack")));
    QVERIFY(nameBox()->text().isEmpty());
    QVERIFY(page(0)->isVisible());
}

void AstrologyScreenTest::closingShowsTheWelcomePanel_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("File, Exit") << true;
    QTest::newRow("close box") << false;
}

void AstrologyScreenTest::closingShowsTheWelcomePanel()
{
    QFETCH(bool, byMenu);
    QVERIFY(openByButton());
    // Another screen open beside it is left alone.
    Form *other = m_main->openScreen(screens::kTestMain);
    QVERIFY(other);
    QVERIFY(!m_main->isWelcomeVisible());

    if (byMenu)
        QVERIFY(trigger(m_form, QStringLiteral("mnuExit")));
    else
        m_form->subWindow()->close();
    settle();
    QVERIFY(!m_main->screen(screens::kAstrologyMain));
    QVERIFY(m_main->isWelcomeVisible());
    QVERIFY(m_main->isVisible());
    QCOMPARE(m_main->screen(screens::kTestMain), other);
    QVERIFY(m_desk->messages.isEmpty());
    QVERIFY(m_desk->opened.isEmpty());
}

void AstrologyScreenTest::pagesAreLaidOutCleanly()
{
    QVERIFY(openByButton());
    // The whole window fits in the main window's area for the screens,
    // below the banner and program bar, on a 1280 x 1024 screen.
    QMdiArea *area = m_main->mdiArea();
    settle();
    const QRect window = m_form->subWindow()->geometry();
    QVERIFY2(area->viewport()->rect().contains(window),
             qPrintable(QStringLiteral("%1 %2").arg(window.bottom()).arg(area->viewport()->height())));
    QVERIFY(area->mapTo(m_main.get(), QPoint(0, 0)).y() >= twipsToPxY(1460));

    // Controls on a page neither overlap nor leave it, and the frames and
    // promotional labels keep apart.
    auto checkApart = [](QWidget *parent) {
        QList<QWidget *> kids;
        for (QWidget *kid : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!kid->isHidden() && !kid->isWindow())
                kids << kid;
        for (int a = 0; a < kids.size(); ++a) {
            QVERIFY2(parent->rect().contains(kids[a]->geometry()), qPrintable(kids[a]->objectName()));
            for (int b = a + 1; b < kids.size(); ++b)
                QVERIFY2(!kids[a]->geometry().intersects(kids[b]->geometry()),
                         qPrintable(kids[a]->objectName() + QStringLiteral(" / ") + kids[b]->objectName()));
        }
    };
    checkApart(page(0));
    for (QWidget *kid : {w(QStringLiteral("Label14")), w(QStringLiteral("fraFullBrand"))})
        QVERIFY(!kid->geometry().intersects(page(0)->geometry()));
    QVERIFY(m_form->client()->rect().contains(w(QStringLiteral("fraFullBrand"))->geometry()));

    // Every text is readable in full: the introduction and captions, and
    // each reading, however long its texts.
    auto fits = [](QLabel *label) {
        return label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                 : label->sizeHint().width() <= label->width();
    };
    for (int i = 0; i < 14; ++i) {
        QLabel *label = child<QLabel>(m_form, QStringLiteral("lblLabel"), i);
        QVERIFY2(fits(label), qPrintable(label->text()));
    }
    for (const Expected &e : kReadings) {
        enter(QStringLiteral("Mira"), e.month, e.day, e.year);
        getReading();
        checkApart(page(1));
        for (int i = 0; i < 11; ++i)
            QVERIFY2(fits(result(i)), qPrintable(result(i)->text()));
        click(w(QStringLiteral("cmdBack")));
    }
}

PADMORA_TEST_MAIN(AstrologyScreenTest)
#include "tst_astrologyscreen.moc"
