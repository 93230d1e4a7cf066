// SPDX-License-Identifier: GPL-3.0-or-later
#include "guidance/screens/tarotpages.h"

#include "chakras/catalogue.h"
#include "kit/colours.h"
#include "kit/controlnames.h"
#include "kit/desktop.h"
#include "kit/pictures.h"
#include "kit/programhost.h"
#include "kit/programnames.h"
#include "kit/resume.h"
#include "kit/screennames.h"
#include "kit/sharedmenus.h"
#include "kit/twips.h"
#include "tarot/tarotcards.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <limits>

namespace padmora {

namespace {

constexpr double kWidth = 11400;
constexpr double kHeight = 8940;

constexpr double kTextLeft = 360;
constexpr double kCaptionWidth = 2040;
constexpr double kReadingLeft = kTextLeft + kCaptionWidth + 120;
constexpr double kReadingWidth = 4920;
constexpr double kTextWidth = kReadingLeft + kReadingWidth - kTextLeft;
constexpr double kReadingHeight = 1800;

// The card pictures are 200 x 340.
constexpr double kPictureLeft = kReadingLeft + kReadingWidth + 360;
constexpr double kPictureTop = 240;
constexpr double kPictureWidth = 3300;
constexpr double kPictureHeight = kPictureWidth * 340 / 200;

constexpr double kButtonsTop = kPictureTop + kPictureHeight + 240;
constexpr double kButtonWidth = 1500;
constexpr double kButtonHeight = 420;
constexpr double kPromoTop = kButtonsTop + kButtonHeight + 240;

QLabel *textLabel(QWidget *parent, const QString &name, double top, double left, double width, double height,
                  int pointSize, bool bold)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = label->font();
    if (pointSize > 0)
        font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    placeTwips(label, left, top, width, height);
    return label;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, double left)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    placeTwips(b, left, kButtonsTop, kButtonWidth, kButtonHeight);
    return b;
}

} // namespace

qint16 movedPageIndex(qint16 index, int by)
{
    const int moved = int(index) + by;
    if (moved > std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    if (moved < std::numeric_limits<qint16>::min())
        return std::numeric_limits<qint16>::min();
    return qint16(moved);
}

TarotPagesScreen::TarotPagesScreen(QWidget *parent)
    : Form(screens::kTarotPages, QStringLiteral("VQ Dovazov Urera"), kWidth, kHeight, parent)
{
    QWidget *area = client();
    // The card texts keep their designed colours on paper, whatever the desktop's colours.
    fixColours(area, kInk, kPaper);

    QMenu *file = addFileMenu(menuBar());
    //: File menu: back to the program bar.
    connect(addMenuItem(file, QStringLiteral("mnuBack"), tr("&Back")),
            &QAction::triggered, this, &TarotPagesScreen::cmdBack_Click);
    //: File menu: closes the card pages.
    connect(addMenuItem(file, QStringLiteral("mnuExit"), tr("E&xit")),
            &QAction::triggered, this, &TarotPagesScreen::cmdExit_Click);
    addSharedMenus(menuBar(), MenuCaptions::TarotPages, QStringLiteral("mnuMakeMoneyOnline"));

    m_lblChakraName = textLabel(area, QStringLiteral("lblChakraName"), 240, kTextLeft, kTextWidth, 480, 14, true);
    m_lblChakraName->setStyleSheet(QStringLiteral("color: rgb(128, 0, 128);"));

    m_lblCaption[0] = textLabel(area, arrayName(QStringLiteral("lblCaption"), 0), 900, kTextLeft, kTextWidth, 420,
                                12, true);
    m_lblCaption[0]->setStyleSheet(QStringLiteral("color: rgb(0, 128, 128);"));

    const double descriptionTop = 1560;
    const double reverseTop = descriptionTop + kReadingHeight + 240;
    auto *description =
        textLabel(area, QStringLiteral("Label1"), descriptionTop, kTextLeft, kCaptionWidth, 300, 0, true);
    description->setText(tarotReadingCaption());
    m_lblCaption[1] = textLabel(area, arrayName(QStringLiteral("lblCaption"), 1), descriptionTop, kReadingLeft,
                                kReadingWidth, kReadingHeight, 9, false);

    auto *reverse = textLabel(area, QStringLiteral("Label2"), reverseTop, kTextLeft, kCaptionWidth, 300, 0, true);
    reverse->setText(tarotReverseCaption());
    m_lblCaption[2] = textLabel(area, arrayName(QStringLiteral("lblCaption"), 2), reverseTop, kReadingLeft,
                                kReadingWidth, kReadingHeight, 9, false);
    for (int i = 0; i < 3; ++i)
        setArrayName(m_lblCaption[std::size_t(i)], QStringLiteral("lblCaption"), i);

    m_picYoga = new PictureView(area);
    m_picYoga->setObjectName(QStringLiteral("picYoga"));
    m_picYoga->setAccessibleName(tr("Tarot card"));
    placeTwips(m_picYoga, kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight);

    //: Button: the previous card's page.
    auto *cmdBk = button(area, QStringLiteral("cmdBk"), tr("<< &Back"), kTextLeft);
    connect(cmdBk, &QPushButton::clicked, this, &TarotPagesScreen::cmdBk_Click);
    //: Button: the next card's page.
    auto *cmdNext = button(area, QStringLiteral("cmdNext"), tr("&Next >>"), kTextLeft + kButtonWidth + 120);
    connect(cmdNext, &QPushButton::clicked, this, &TarotPagesScreen::cmdNext_Click);
    //: Button: closes the pages, back to the program bar.
    auto *cmdBack = button(area, QStringLiteral("cmdBack"), tr("&Back"),
                           kReadingLeft + kReadingWidth - 2 * kButtonWidth - 120);
    connect(cmdBack, &QPushButton::clicked, this, &TarotPagesScreen::cmdBack_Click);
    //: Button: closes the card pages.
    auto *cmdExit = button(area, QStringLiteral("cmdExit"), tr("E&xit"),
                           kReadingLeft + kReadingWidth - kButtonWidth);
    connect(cmdExit, &QPushButton::clicked, this, &TarotPagesScreen::cmdExit_Click);

    addPromoLabels(area, QStringLiteral("Label61"), 120, kPromoTop, kWidth - 420);
}

QString TarotPagesScreen::shownPicture() const
{
    return padmora::shownPicture(m_picYoga);
}

PrintedCard printedTarotCard(int row, const QString &chakraTitle)
{
    return PrintedCard{tarotCardPicture(row),
                       chakraTitle,
                       tarotCardName(row),
                       {{tarotReadingCaption(), tarotCardReading(row)},
                        {tarotReverseCaption(), tarotCardReverseReading(row)}}};
}

bool TarotPagesScreen::showsReading() const
{
    return !isUnloaded() && firstFilledSlotFrom(0) >= 0;
}

std::optional<PrintableReading> TarotPagesScreen::printableReading() const
{
    if (!showsReading())
        return std::nullopt;
    // The cards are those of the reading taken then; pages opened by
    // themselves date from now.
    const QDateTime takenAt = TarotSlotsTakenAt().isValid() ? TarotSlotsTakenAt() : desktop().now();
    //: What is printed, in a few lower-case words: the heading and the proposed PDF name use it.
    PrintableReading reading(kTarotProgramName, tr("tarot cards"), takenAt);
    for (int slot = firstFilledSlotFrom(0); slot >= 0; slot = firstFilledSlotFrom(slot + 1))
        reading.addCard(printedTarotCard(TarotSlotCard()[std::size_t(slot)], chakraTitle(tarotSlotChakra(slot))));
    return reading;
}

void TarotPagesScreen::Form_Load()
{
    placeCentredAtTop();
    m_tarotPageIndex = 0;
    Display_Yoga_Chakra();
    emit readingChanged();
}

void TarotPagesScreen::Display_Yoga_Chakra()
{
    const int slot = firstFilledSlotFrom(m_tarotPageIndex);
    if (slot < 0)
        return;  // nothing from here to the last slot: the page stays
    const int row = TarotSlotCard()[std::size_t(slot)];
    // In the language of now: the slot's chakra title is read afresh, not
    // the one kept when the cards were drawn.
    step([&] { m_lblCaption[0]->setText(tarotCardName(row)); });
    step([&] { m_lblCaption[1]->setText(tarotCardReading(row)); });
    step([&] { m_lblCaption[2]->setText(tarotCardReverseReading(row)); });
    step([&] { showPicture(m_picYoga, tarotCardPicture(row)); });
    step([&] { m_picYoga->setAccessibleName(tarotCardName(row)); });
    step([&] { m_lblChakraName->setText(chakraTitle(tarotSlotChakra(slot))); });
    m_tarotPageIndex = qint16(slot);
}

void TarotPagesScreen::cmdNext_Click()
{
    m_tarotPageIndex = movedPageIndex(m_tarotPageIndex, 1);
    Display_Yoga_Chakra();
}

void TarotPagesScreen::cmdBk_Click()
{
    m_tarotPageIndex = movedPageIndex(m_tarotPageIndex, -1);
    Display_Yoga_Chakra();
}

void TarotPagesScreen::cmdBack_Click()
{
    unload();
    // No program screen and no welcome panel: the program bar is the way on.
    showWelcomePanel(false);
}

void TarotPagesScreen::cmdExit_Click()
{
    unload();
}

void TarotPagesScreen::Form_Unload()
{
    showWelcomePanel(true);
}

} // namespace padmora
