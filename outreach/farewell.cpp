// SPDX-License-Identifier: GPL-3.0-or-later
#include "outreach/farewell.h"

#include "kit/desktop.h"
#include "kit/linebreak.h"
#include "kit/linklabel.h"
#include "kit/links.h"
#include "kit/pictures.h"
#include "kit/product.h"
#include "kit/resume.h"
#include "kit/twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

namespace padmora {

using namespace modTellAFriend;

namespace {

// The window's client area, in twips.
constexpr double kWidth = 9000;
constexpr double kHeight = 7740;

constexpr double kFrameLeft = 240;
constexpr double kFrameWidth = kWidth - 2 * kFrameLeft;

QPointer<FarewellScreen> g_screen;

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// The screen is a window of its own, and a screen reader says so.
QAccessibleInterface *farewellAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String("padmora::FarewellScreen") || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
}

QLineEdit *addLineBox(QWidget *parent, const QString &name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    // Room for anything a user would paste; nothing typed is cut off.
    box->setMaxLength(1 << 20);
    return box;
}

} // namespace

const std::array<QString, 4> &supportMessages()
{
    static const char *const sources[4] = {
        QT_TRANSLATE_NOOP("Farewell",
                          "Padmora stays free thanks to the people of the Padmora forum. Please visit the forum "
                          "regularly and take part in its discussions."),
        QT_TRANSLATE_NOOP("Farewell",
                          "Every question asked and every answer given on the Padmora forum keeps this software "
                          "alive. Drop by often and join in."),
        QT_TRANSLATE_NOOP("Farewell",
                          "Padmora is made possible by its forum community. Support it by visiting regularly and "
                          "sharing your own experience of the chakras."),
        QT_TRANSLATE_NOOP("Farewell",
                          "The Padmora forum is where this software grows. Visit it often, read along and add "
                          "your voice to the discussions."),
    };
    // Made anew at every call, in the language of the moment; one array, so
    // that its begin and end belong together.
    static std::array<QString, 4> messages;
    for (std::size_t i = 0; i < messages.size(); ++i)
        messages[i] = QCoreApplication::translate("Farewell", sources[i]);
    return messages;
}

FarewellScreen::FarewellScreen(QWidget *parent) : QWidget(parent, Qt::Window)
{
    static const bool accessible = (QAccessible::installFactory(farewellAccessible), true);
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("frmNagScreen2"));
    setWindowTitle(kProductCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPxX(kWidth), twipsToPxY(kHeight));

    auto *logo = new PictureView(QStringLiteral(":/brand/logo.svg"), this);
    logo->setObjectName(QStringLiteral("Picture1"));
    logo->setAccessibleName(tr("Padmora logo"));
    placeTwips(logo, 240, 240, 1200, 1200);

    QLabel *label1 = addLabel(this, QStringLiteral("Label1"), kProductCaption);
    QFont big = label1->font();
    big.setPointSize(14);
    big.setBold(true);
    label1->setFont(big);
    label1->setWordWrap(false);
    placeTwips(label1, 1680, 240, 7080, 450);

    m_label2 = addLabel(this, QStringLiteral("Label2"), QString());
    m_label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont message = m_label2->font();
    message.setPointSize(10);
    m_label2->setFont(message);
    placeTwips(m_label2, 1680, 780, 7080, 720);

    // The maker's other programs.
    auto *promotion = new QGroupBox(tr("More from the makers of Padmora"), this);
    promotion->setObjectName(QStringLiteral("fraOtherPrograms"));
    placeTwips(promotion, kFrameLeft, 1620, kFrameWidth, 1260);
    QLabel *label3 = addLabel(promotion, QStringLiteral("Label3"),
                              tr("Padmora is one of a family of programs for body, mind and spirit. "
                                 "Have a look at what else its makers have built for you."));
    placeTwips(label3, 150, 330, kFrameWidth - 300, 480);
    auto *goToHome = new LinkLabel(QStringLiteral("lblGoToHome"),
                                   tr("Click here to see our other programs"), promotion);
    goToHome->showAsLink();
    placeTwips(goToHome, 150, 870, kFrameWidth - 300, 270);
    connect(goToHome, &LinkLabel::clicked, this, &FarewellScreen::lblGoToHome_Click);

    // The tell-a-friend form.
    auto *refer = new QGroupBox(tr("Refer A Friend"), this);
    refer->setObjectName(QStringLiteral("fraReferAFriend"));
    placeTwips(refer, kFrameLeft, 3000, kFrameWidth, 3960);
    const double half = (kFrameWidth - 450) / 2;
    const double right = 150 + half + 150;
    m_txtName = addLineBox(refer, QStringLiteral("txtName"));
    placeTwips(m_txtName, 150, 360, half, 330);
    m_txtEmail = addLineBox(refer, QStringLiteral("txtEmail"));
    placeTwips(m_txtEmail, right, 360, half, 330);
    m_txtMessage = new QPlainTextEdit(refer);
    m_txtMessage->setObjectName(QStringLiteral("txtMessage"));
    m_txtMessage->setTabChangesFocus(true);
    placeTwips(m_txtMessage, 150, 810, kFrameWidth - 300, 1680);
    m_txtFriendName = addLineBox(refer, QStringLiteral("txtFriendName"));
    placeTwips(m_txtFriendName, 150, 2610, half, 330);
    m_txtFriendEmail = addLineBox(refer, QStringLiteral("txtFriendEmail"));
    placeTwips(m_txtFriendEmail, right, 2610, half, 330);
    auto *submit = new QPushButton(tr("Refer A Friend &Now"), refer);
    submit->setObjectName(QStringLiteral("cmdSubmit"));
    placeTwips(submit, kFrameWidth - 150 - 2700, 3240, 2700, 450);
    connect(submit, &QPushButton::clicked, this, &FarewellScreen::cmdSubmit_Click);

    m_boxes = {{
        {m_txtName, text(kNamePlaceholder), text(kNamePlaceholder), false},
        {m_txtEmail, text(kEmailPlaceholder), text(kEmailPlaceholder), true},
        {m_txtMessage, text(kMessagePlaceholder), text(kMessagePlaceholder) + kCrLf, false},
        {m_txtFriendName, text(kFriendNamePlaceholder), text(kFriendNamePlaceholder), false},
        {m_txtFriendEmail, text(kFriendEmailPlaceholder), text(kFriendEmailPlaceholder), true},
    }};
    for (const Box &box : m_boxes) {
        setTextOf(box, box.shown);
        // Named by what belongs in it, even once the placeholder has gone.
        box.widget->setAccessibleName(box.placeholder);
        box.widget->installEventFilter(this);
    }

    m_check1 = new QCheckBox(tr("Take me to the Padmora forum home page"), this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    placeTwips(m_check1, kFrameLeft, 7140, 5400, 360);
    connect(m_check1, &QCheckBox::clicked, this, &FarewellScreen::Check1_Click);

    auto *close = new QPushButton(tr("E&xit"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    placeTwips(close, kWidth - kFrameLeft - 1350, 7080, 1350, 450);
    connect(close, &QPushButton::clicked, this, &FarewellScreen::cmdClose_Click);

    // Centred on the screen.
    move(twipsToPxX(centredLeftTwips(kWidth)), twipsToPxY((screenHeightTwips() - kHeight) / 2));
}

void FarewellScreen::Form_Load()
{
    step([this] {
        desktop().seedFromClock();
        const int pick = std::clamp(int(4 * desktop().uniform()), 0, 3);
        m_label2->setText(supportMessages()[std::size_t(pick)]);
    });
    // Above every other window, but it neither moves nor takes the focus
    // when it appears; the user may still click into it and type.
    step([this] {
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
        setAttribute(Qt::WA_ShowWithoutActivating, true);
    });
}

QString FarewellScreen::textOf(const Box &box) const
{
    if (auto *line = qobject_cast<QLineEdit *>(box.widget))
        return line->text();
    if (auto *lines = qobject_cast<QPlainTextEdit *>(box.widget)) {
        QString text = lines->toPlainText();
        text.replace(QLatin1Char('\n'), kCrLf);
        return text;
    }
    return {};
}

void FarewellScreen::setTextOf(const Box &box, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(box.widget))
        line->setText(text);
    else if (auto *lines = qobject_cast<QPlainTextEdit *>(box.widget))
        lines->setPlainText(text);
}

void FarewellScreen::gotFocus(const Box &box)
{
    if (textOf(box).trimmed() == box.placeholder)
        setTextOf(box, QString());
}

void FarewellScreen::lostFocus(const Box &box)
{
    if (textOf(box).trimmed().isEmpty())
        setTextOf(box, box.shown);
}

bool FarewellScreen::keyPress(const Box &box, const QString &typed)
{
    if (!box.email || typed != QStringLiteral(" "))
        return true;
    showProblem(text(kNoSpaceInEmail));
    box.widget->setFocus(Qt::OtherFocusReason);
    return false;
}

bool FarewellScreen::eventFilter(QObject *watched, QEvent *event)
{
    for (const Box &box : m_boxes) {
        if (watched != box.widget)
            continue;
        switch (event->type()) {
        case QEvent::FocusIn:
            step([&] { gotFocus(box); });
            break;
        case QEvent::FocusOut: {
            // Another window taking the focus (a message box, another
            // program) does not move it away from the box.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                step([&] { lostFocus(box); });
            break;
        }
        case QEvent::KeyPress: {
            bool accepted = true;
            step([&] { accepted = keyPress(box, static_cast<QKeyEvent *>(event)->text()); });
            if (!accepted)
                return true;
            break;
        }
        default:
            break;
        }
        break;
    }
    return QWidget::eventFilter(watched, event);
}

Referral FarewellScreen::referral() const
{
    return Referral{textOf(m_boxes[0]).trimmed(), textOf(m_boxes[1]).trimmed(), textOf(m_boxes[2]).trimmed(),
                    textOf(m_boxes[3]).trimmed(), textOf(m_boxes[4]).trimmed()};
}

void FarewellScreen::cmdSubmit_Click()
{
    step([this] {
        const Referral values = referral();
        if (const std::optional<QString> problem = emailProblem(values)) {
            showProblem(*problem);
            return;
        }
        sendReferral(values);
    });
}

void FarewellScreen::Check1_Click()
{
    if (!m_check1->isChecked())
        return;
    step([this] { m_check1->setChecked(false); });
    step([] { OpenForum(); });
}

void FarewellScreen::lblGoToHome_Click()
{
    step([] { OpenSoftwaresPage(); });
}

void FarewellScreen::cmdClose_Click()
{
    close();
}

void FarewellScreen::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_unloaded)
        return;
    m_unloaded = true;
    step([this] { Form_Unload(); });
}

void FarewellScreen::Form_Unload()
{
    emit left();
}

FarewellScreen *createFarewellScreen()
{
    if (g_screen)
        return nullptr;
    g_screen = new FarewellScreen;
    step([] {
        g_screen->Form_Load();
        g_screen->show();
    });
    return g_screen;
}

FarewellScreen *farewellScreen()
{
    return g_screen && !g_screen->isUnloaded() ? g_screen.data() : nullptr;
}

} // namespace padmora
