// SPDX-License-Identifier: GPL-3.0-or-later
#include "outreach/aboutbox.h"

#include "kit/desktop.h"
#include "kit/linklabel.h"
#include "kit/links.h"
#include "kit/pictures.h"
#include "kit/product.h"
#include "kit/twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace padmora {

namespace {
constexpr double kWidth = 7200;
constexpr double kHeight = 5200;
} // namespace

AboutBox::AboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kProductCaption);
    setModal(true);
    setFixedSize(twipsToPxX(kWidth), twipsToPxY(kHeight));

    auto *logo = new PictureView(QStringLiteral(":/brand/logo.svg"), this);
    logo->setObjectName(QStringLiteral("Picture1"));
    logo->setAccessibleName(tr("Padmora logo"));
    placeTwips(logo, 240, 240, 1200, 1200);

    auto *label2 = new QLabel(kProductCaption, this);
    label2->setObjectName(QStringLiteral("Label2"));
    QFont big = label2->font();
    big.setPointSize(14);
    big.setBold(true);
    label2->setFont(big);
    placeTwips(label2, 1680, 300, 5200, 420);

    //: The copyright sign stays.
    auto *label1 = new QLabel(
        tr("Padmora is an unique attempt to combine the different worlds of Chakras, Tarot and "
                       "Astrology. This includes chakras reading, chakras astrology, and chakras tarot. Chakras "
                       "have a deep effect on our lives in some way or the other. Knowing how we can take care "
                       "of our under active or over active chakras will help us evolve into better people. "
                       "Copyright © The Padmora developers. Padmora is free software under the GNU "
                       "General Public License, version 3 or later."),
        this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(label1, 1680, 780, 5280, 1800);

    auto *line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);
    placeTwips(line1, 240, 2700, kWidth - 480, 30);

    auto *label3 = new QLabel(tr("Home Business Opportunity. Start your own Internet business and make "
                                 "money online. Get this software fully branded for your website."),
                              this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setWordWrap(true);
    placeTwips(label3, 240, 2850, kWidth - 480, 600);

    auto *coBrand = new LinkLabel(QStringLiteral("lblCoBrand"), tr("Click here for more details."), this);
    coBrand->showAsLink();
    placeTwips(coBrand, 240, 3480, kWidth - 480, 300);
    connect(coBrand, &LinkLabel::clicked, this, [] { OpenFullBrandPage(); });

    auto *homePage = new LinkLabel(QStringLiteral("lblHomePage"),
                                   //: %1 is the forum's web address.
                                   tr("Visit the Padmora forum: %1").arg(forumUrl().toString()), this);
    homePage->showAsLink();
    placeTwips(homePage, 240, 3900, kWidth - 480, 300);
    connect(homePage, &LinkLabel::clicked, this, [] { OpenForum(); });

    auto *ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    placeTwips(ok, kWidth - 1500, 4440, 1200, 420);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void showAboutBox()
{
    AboutBox box(QApplication::activeWindow());
    desktop().execModal(box);
}

} // namespace padmora
