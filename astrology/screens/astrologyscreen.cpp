// SPDX-License-Identifier: GPL-3.0-or-later
#include "astrology/screens/astrologyscreen.h"

#include "chakras/catalogue.h"
#include "journal/keeping.h"
#include "kit/controlnames.h"
#include "kit/desktop.h"
#include "kit/pictures.h"
#include "kit/programhost.h"
#include "kit/programnames.h"
#include "kit/resume.h"
#include "kit/screennames.h"
#include "kit/sharedmenus.h"
#include "kit/twips.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace padmora {

using namespace astrology;

namespace {

// Window and page design, in twips.
constexpr double kWidth = 13500;
constexpr double kHeight = 11700;
constexpr double kPageLeft = 120;
constexpr double kPageTop = 90;
constexpr double kPageWidth = kWidth - 480;
constexpr double kPageHeight = 9120;
constexpr double kPromoTop = kPageTop + kPageHeight + 90;

// Details page.
constexpr double kInputLeft = 360;
constexpr double kFieldLeft = 2400;
constexpr double kRowHeight = 345;
constexpr double kPictureSize = 1350;
constexpr double kNameTop = 2040;
constexpr double kDateTop = 2700;
constexpr double kPicturesTop = 3960;
constexpr double kNextTop = 6240;

// Reading page: caption column, result column, picture on the right.
constexpr double kCaptionLeft = 300;
constexpr double kCaptionWidth = 1560;
constexpr double kResultLeft = kCaptionLeft + kCaptionWidth + 60;
constexpr double kChakraPictureSize = 2700;
constexpr double kChakraPictureLeft = kPageWidth - kChakraPictureSize - 300;
constexpr double kResultWidth = kChakraPictureLeft - 300 - kResultLeft;
constexpr double kResultsTop = 390;
constexpr double kResultGap = 75;
// Room for each result: one line for the short facts, up to four for the
// longest texts.
constexpr std::array<double, kResultCount> kResultHeights{300, 300, 300, 780, 540, 540, 780, 300, 1020, 780, 780};

// The captions beside the results, on the page and on paper.
constexpr const char *kResultCaptions[kResultCount] = {
    QT_TRANSLATE_NOOP("Astrology", "Sun Sign"),    QT_TRANSLATE_NOOP("Astrology", "Ruling Planet"),
    QT_TRANSLATE_NOOP("Astrology", "Chakra Name"), QT_TRANSLATE_NOOP("Astrology", "Description"),
    QT_TRANSLATE_NOOP("Astrology", "Symbol"),      QT_TRANSLATE_NOOP("Astrology", "Sanskrit Name"),
    QT_TRANSLATE_NOOP("Astrology", "Keyword"),     QT_TRANSLATE_NOOP("Astrology", "Color"),
    //: Caption of what an open chakra means (the chakra's state).
    QT_TRANSLATE_NOOP("Astrology", "Open"),        QT_TRANSLATE_NOOP("Astrology", "Overactive"),
    QT_TRANSLATE_NOOP("Astrology", "Underactive")};

QString resultCaption(int i)
{
    return QCoreApplication::translate("Astrology", kResultCaptions[i]);
}

QLabel *addLabel(QWidget *parent, int index, const QString &text)
{
    auto *label = new QLabel(text, parent);
    setArrayName(label, QStringLiteral("lblLabel"), index);
    return label;
}

QComboBox *addList(QWidget *parent, const QString &name)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    // Only the list's own entries can be chosen.
    list->setEditable(false);
    return list;
}

void setBold(QWidget *w)
{
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

} // namespace

AstrologyScreen::AstrologyScreen(QWidget *parent)
    : Form(screens::kAstrologyMain, kAstrologyCaption, kWidth, kHeight, parent)
{
    QWidget *area = client();

    QMenu *file = addFileMenu(menuBar());
    //: File menu: closes the astrology screen.
    connect(addMenuItem(file, QStringLiteral("mnuExit"), tr("E&xit")),
            &QAction::triggered, this, &AstrologyScreen::mnuExit_Click);
    addSharedMenus(menuBar(), MenuCaptions::Standard, QStringLiteral("mnuMakeMoney"));

    const QString pageTitles[2] = {tr("Personal Details"), tr("Astro Chakra Details")};
    for (int i = 0; i < 2; ++i) {
        auto *page = new QGroupBox(pageTitles[i], area);
        setArrayName(page, QStringLiteral("fraStep"), i);
        placeTwips(page, kPageLeft, kPageTop, kPageWidth, kPageHeight);
        m_fraStep[std::size_t(i)] = page;
    }
    // Each page can hold the focus, for a screen reader to say where the user
    // is (and, on the reading page, the reading); Tab passes them by.
    for (QGroupBox *page : m_fraStep)
        page->setFocusPolicy(Qt::ClickFocus);

    // The details page.
    QGroupBox *details = m_fraStep[0];
    //: "VQ Vovuvev Avoverazi" is the program's name and stays as it is.
    QLabel *intro = addLabel(details, 0,
                             tr("VQ Vovuvev Avoverazi is an unique tool that generates your chakras reading based on "
                                "your zodiac sun sign. Just enter your date of birth and know which Chakra "
                                "influences you the most."));
    intro->setWordWrap(true);
    intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    {
        QFont f = intro->font();
        f.setPointSizeF(f.pointSizeF() * 1.2);
        intro->setFont(f);
    }
    placeTwips(intro, kInputLeft, 420, kPageWidth - 2 * kInputLeft, 1080);

    QLabel *nameCaption = addLabel(details, 1, tr("Name"));
    setBold(nameCaption);
    placeTwips(nameCaption, kInputLeft, kNameTop + 30, kFieldLeft - kInputLeft - 120, kRowHeight);
    m_txtName = new QLineEdit(details);
    m_txtName->setObjectName(QStringLiteral("txtName"));
    // A name is kept whole, whatever its length or script; it only has to be
    // there, and the reading never shows it.
    m_txtName->setMaxLength(32767);
    placeTwips(m_txtName, kFieldLeft, kNameTop, 5400, kRowHeight + 60);
    nameCaption->setBuddy(m_txtName);

    QLabel *dateCaption = addLabel(details, 2, tr("Date of Birth"));
    setBold(dateCaption);
    placeTwips(dateCaption, kInputLeft, kDateTop + 30, kFieldLeft - kInputLeft - 120, kRowHeight);
    m_cboMonth = addList(details, QStringLiteral("cboMonth"));
    placeTwips(m_cboMonth, kFieldLeft, kDateTop, 2100, kRowHeight + 60);
    m_cboDate = addList(details, QStringLiteral("cboDate"));
    placeTwips(m_cboDate, kFieldLeft + 2220, kDateTop, 1080, kRowHeight + 60);
    m_cboYear = addList(details, QStringLiteral("cboYear"));
    placeTwips(m_cboYear, kFieldLeft + 3420, kDateTop, 1260, kRowHeight + 60);
    dateCaption->setBuddy(m_cboMonth);
    const std::pair<QComboBox *, QString> dateParts[] = {
        {m_cboMonth, tr("Month of birth")}, {m_cboDate, tr("Day of birth")}, {m_cboYear, tr("Year of birth")}};
    for (const auto &[list, name] : dateParts) {
        list->setAccessibleName(name);
        list->setAccessibleDescription(name);
    }

    // The seven chakras, crown first, as decoration.
    const double gap = (kPageWidth - astrology::kChakraCount * kPictureSize) / (astrology::kChakraCount + 1);
    for (int p = 0; p < astrology::kChakraCount; ++p) {
        auto *picture = new PictureView(details);
        setArrayName(picture, QStringLiteral("picDisp"), p);
        showPicture(picture, picturePath(p));
        if (const AstroChakra *chakra = astroChakra(p)) {
            picture->setToolTip(chakra->shownName);
            picture->setAccessibleName(chakra->shownName);
        }
        placeTwips(picture, gap + p * (kPictureSize + gap), kPicturesTop, kPictureSize, kPictureSize);
    }

    //: "Vovuvev Avoverazi" is the program's name and stays as it is.
    m_cmdNext = new QPushButton(tr("&Get My Vovuvev Avoverazi Reading"), details);
    m_cmdNext->setObjectName(QStringLiteral("cmdNext"));
    placeTwips(m_cmdNext, (kPageWidth - 4800) / 2, kNextTop, 4800, 525);
    connect(m_cmdNext, &QPushButton::clicked, this, &AstrologyScreen::cmdNext_Click);

    // The reading page.
    QGroupBox *reading = m_fraStep[1];
    double top = kResultsTop;
    for (int i = 0; i < kResultCount; ++i) {
        const double height = kResultHeights[std::size_t(i)];
        QLabel *caption = addLabel(reading, 3 + i, resultCaption(i));
        setBold(caption);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        placeTwips(caption, kCaptionLeft, top, kCaptionWidth, kRowHeight);

        auto *result = new QLabel(reading);
        setArrayName(result, QStringLiteral("lblResult"), i);
        result->setWordWrap(true);
        result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        result->setTextFormat(Qt::PlainText);
        placeTwips(result, kResultLeft, top, kResultWidth, height);
        caption->setBuddy(result);
        m_lblResult[std::size_t(i)] = result;
        top += height + kResultGap;
    }

    m_picChakra = new PictureView(reading);
    m_picChakra->setObjectName(QStringLiteral("picChakra"));
    m_picChakra->setAccessibleName(tr("Chakra"));
    placeTwips(m_picChakra, kChakraPictureLeft, kResultsTop, kChakraPictureSize, kChakraPictureSize);

    //: Button: back to the personal details.
    m_cmdBack = new QPushButton(tr("&Back"), reading);
    m_cmdBack->setObjectName(QStringLiteral("cmdBack"));
    placeTwips(m_cmdBack, (kPageWidth - 1500) / 2, top + 120, 1500, 525);
    connect(m_cmdBack, &QPushButton::clicked, this, &AstrologyScreen::cmdBack_Click);

    addPromoLabels(area, QStringLiteral("Label14"), kPageLeft, kPromoTop, kPageWidth);
}

void AstrologyScreen::Form_Load()
{
    step([&] { placeCentredAtTop(); });
    step([&] {
        for (int month = 0; month < kMonthCount; ++month)
            m_cboMonth->addItem(monthText(month));
    });
    step([&] {
        for (int day = 1; day <= kDayCount; ++day)
            m_cboDate->addItem(QString::number(day));
    });
    step([&] {
        for (int year = kFirstYear; year <= kLastYear; ++year)
            m_cboYear->addItem(QString::number(year));
    });
    step([&] { m_cboMonth->setCurrentIndex(0); });
    step([&] { m_cboDate->setCurrentIndex(0); });
    step([&] { m_cboYear->setCurrentIndex(0); });
    step([&] { showStep(0); });
}

void AstrologyScreen::cmdNext_Click()
{
    const Details verdict = Validate_Details(m_txtName->text(), m_cboMonth->currentIndex(),
                                             m_cboDate->currentIndex(), m_cboYear->currentText());
    if (verdict != Details::Valid) {
        if (verdict == Details::NameMissing)
            step([&] { m_txtName->setFocus(Qt::OtherFocusReason); });
        return;
    }
    showReading();
    // The reading shown is kept in the journal once it has painted: the birth
    // date and what it gave, never the name.
    step([&] {
        const QDate born(m_cboYear->currentText().toInt(), m_cboMonth->currentIndex() + 1,
                         m_cboDate->currentText().toInt());
        // The journal keeps the tables' names, not the words shown.
        journal::keepReadingOnceShown(journal::astrologyReading(born, m_readingTime));
    });
}

void AstrologyScreen::showReading()
{
    QString day, month;
    step([&] { day = m_cboDate->currentText(); });
    // The month as the tables write it: the list shows it in the user's language.
    step([&] {
        const int m = m_cboMonth->currentIndex();
        month = m >= 0 && m < kMonthCount ? monthNames()[std::size_t(m)] : QString();
    });

    const QString sign = sunSign(month, day.toInt());
    const SignEntry *entry = signEntry(sign);
    const QString chakraName = entry ? entry->chakraName : QString();
    const QString planet = entry ? entry->rulingPlanet : QString();
    const int index = chakraIndexOf(chakraName);

    if (const AstroChakra *chakra = astroChakra(index)) {
        const ResultTexts texts = resultTexts(sign, planet, *chakra);
        for (int i = 0; i < kResultCount; ++i)
            step([&] { m_lblResult[std::size_t(i)]->setText(texts[std::size_t(i)]); });
        // What a screen reader says as the reading page takes the focus: the
        // sign, the ruling planets, the chakra and its colour.
        step([&] {
            QStringList heard;
            for (const int i : {0, 1, 2, 7})
                heard << resultCaption(i) + QStringLiteral(": ") + texts[std::size_t(i)];
            m_fraStep[1]->setAccessibleDescription(heard.join(QStringLiteral(". ")));
        });
        step([&] { showChakraPicture(index); });
    }
    step([&] { m_readingTime = desktop().now(); });
    step([&] { showStep(1); });
    // The reading is heard: the page itself takes the focus (Tab goes on to Back).
    step([&] { m_fraStep[1]->setFocus(Qt::OtherFocusReason); });
}

void AstrologyScreen::showKeptReading(const QDate &birthDate, const QDateTime &takenAt)
{
    step([&] { m_cboMonth->setCurrentIndex(birthDate.month() - 1); });
    step([&] { m_cboDate->setCurrentIndex(birthDate.day() - 1); });
    step([&] { m_cboYear->setCurrentIndex(m_cboYear->findText(QString::number(birthDate.year()))); });
    showReading();
    // It prints as the reading of that day.
    step([&] { m_readingTime = takenAt; });
}

bool openKeptAstrology(const journal::Reading &reading)
{
    auto *screen = qobject_cast<AstrologyScreen *>(openProgramScreen(screens::kAstrologyMain));
    if (!screen || !reading.birthDate.isValid())
        return false;
    screen->showKeptReading(reading.birthDate, reading.localTaken());
    screen->setWindowTitle(journal::reopenedCaption(kAstrologyCaption, reading));
    return true;
}

void AstrologyScreen::cmdBack_Click()
{
    step([&] { m_txtName->clear(); });
    step([&] { m_cboMonth->setCurrentIndex(0); });
    step([&] { m_cboDate->setCurrentIndex(0); });
    step([&] { m_cboYear->setCurrentIndex(0); });
    // The details page comes forward first: a hidden box cannot take the focus.
    step([&] { showStep(0); });
    // The page itself takes the focus, so that a screen reader says which
    // page this is; Tab goes on to the name box.
    step([&] { m_fraStep[0]->setFocus(Qt::OtherFocusReason); });
}

void AstrologyScreen::mnuExit_Click()
{
    unload();
}

void AstrologyScreen::Form_Unload()
{
    showWelcomePanel(true);
}

void AstrologyScreen::showStep(int page)
{
    QGroupBox *front = m_fraStep[std::size_t(page)];
    QGroupBox *back = m_fraStep[std::size_t(1 - page)];
    front->show();
    front->raise();
    // The pages have no background of their own: the one behind is hidden
    // so that its controls neither show through nor take the focus.
    back->hide();
    emit readingChanged();
}

bool AstrologyScreen::showsReading() const
{
    return !isUnloaded() && !m_fraStep[1]->isHidden() && m_readingTime.isValid();
}

std::optional<PrintableReading> AstrologyScreen::printableReading() const
{
    if (!showsReading())
        return std::nullopt;
    //: What is printed, in a few lower-case words: the heading and the proposed PDF name use it.
    PrintableReading reading(kAstrologyProgramName, tr("chakras astrology"), m_readingTime);
    reading.addTitle(m_fraStep[1]->title());
    QList<PrintedFact> facts;
    for (int i = 0; i < kResultCount; ++i)
        facts.append({resultCaption(i), m_lblResult[std::size_t(i)]->text()});
    reading.addFacts(facts, shownChakraPicture());
    return reading;
}

QString AstrologyScreen::shownChakraPicture() const
{
    return shownPicture(m_picChakra);
}

void AstrologyScreen::showChakraPicture(int index)
{
    showPicture(m_picChakra, picturePath(index));
    if (const AstroChakra *chakra = astroChakra(index)) {
        m_picChakra->setToolTip(chakra->shownName);
        m_picChakra->setAccessibleName(chakra->shownName);
    }
}

} // namespace padmora
