// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/sharedmenus.h"

#include "kit/linklabel.h"
#include "kit/links.h"
#include "kit/twips.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>

namespace padmora {

QString coBrandText()
{
    //: The doubled ampersand shows as one; keep it doubled.
    return QCoreApplication::translate(
        "Menus", "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
                 "site's name &&  link here. See \"Help\" for details.    Click Here for more info on co-branding.");
}

QString fullBrandText()
{
    return QCoreApplication::translate(
        "Menus", "Home Business Opportunity. Start your own Internet business and make money online. Get this "
                 "software fully branded for your website. Click here for more details.");
}

namespace {

void (*g_showAboutBox)() = nullptr;

QAction *addItem(QMenu *menu, const QString &name, const QString &caption, void (*action)())
{
    QAction *a = addMenuItem(menu, name, caption);
    QObject::connect(a, &QAction::triggered, menu, [action] { action(); });
    return a;
}

void addSeparator(QMenu *menu, const QString &name)
{
    menu->addSeparator()->setObjectName(name);
}

} // namespace

QMenu *addFileMenu(QMenuBar *bar)
{
    QMenu *file = bar->addMenu(QCoreApplication::translate("Menus", "&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    return file;
}

QAction *addMenuItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}

SharedMenus addSharedMenus(QMenuBar *bar, MenuCaptions captions, const QString &makeMoneyName)
{
    const bool questionnaire = captions == MenuCaptions::Questionnaire;
    SharedMenus m;
    m.help = bar->addMenu(QCoreApplication::translate("Menus", "&Help"));
    m.help->setObjectName(QStringLiteral("mnuHelp"));
    m.help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    m.online = addItem(m.help, QStringLiteral("mnuOnline"), QCoreApplication::translate("Menus", "&Online Help"), &OpenHelpPage);
    m.visit = addItem(m.help, QStringLiteral("mnuVisit"),
                      questionnaire ? QCoreApplication::translate("Menus", "&Visit us Online")
                                    : QCoreApplication::translate("Menus", "&Visit Us Online"),
                      &OpenForum);
    addSeparator(m.help, QStringLiteral("mnuSep1"));
    m.update = addItem(m.help, QStringLiteral("mnuUpdate"),
                       questionnaire ? QCoreApplication::translate("Menus", "&Check for Software Update")
                                     : QCoreApplication::translate("Menus", "Check for Software &Update"),
                       &OpenDownloadPage);
    addSeparator(m.help, QStringLiteral("mnuSep2"));
    m.about = m.help->addAction(QCoreApplication::translate("Menus", "&About Software"));
    m.about->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(m.about, &QAction::triggered, bar, [] {
        if (g_showAboutBox)
            g_showAboutBox();
    });

    m.makeMoney = bar->addAction(captions == MenuCaptions::TarotPages
                                      ? QCoreApplication::translate("Menus", "&Make Money Online")
                                      : QCoreApplication::translate("Menus", "Make Money &Online"));
    m.makeMoney->setObjectName(makeMoneyName);
    QObject::connect(m.makeMoney, &QAction::triggered, bar, [] { OpenFullBrandPage(); });
    // The business offer starts switched off.
    m.makeMoney->setEnabled(false);
    return m;
}

void setAboutBoxCommand(void (*show)())
{
    g_showAboutBox = show;
}

QString forumBannerText()
{
    //: %1 is the forum's host name.
    return QCoreApplication::translate("Menus", "Chakras, tarot and astrology explained: visit the Padmora forum at %1")
        .arg(forumUrl().host());
}

PromoLabels addPromoLabels(QWidget *parent, const QString &forumLabelName, double left, double top,
                           double width)
{
    PromoLabels p;
    p.forum = new LinkLabel(forumLabelName, forumBannerText(), parent);
    p.forum->setAlignment(Qt::AlignCenter);
    p.forum->setLinkColour(kLinkColour);
    placeTwips(p.forum, left, top, width, 360);
    QObject::connect(p.forum, &LinkLabel::clicked, p.forum, [] { OpenForum(); });

    p.fraFullBrand = new QFrame(parent);
    p.fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    p.fraFullBrand->setFrameShape(QFrame::StyledPanel);
    placeTwips(p.fraFullBrand, left, top + 420, width, 1080);

    // The label shows the doubled ampersand as one.
    QString coBrand = coBrandText();
    coBrand.replace(QStringLiteral("&&"), QStringLiteral("&"));
    p.lblCobrand = new LinkLabel(QStringLiteral("lblCobrand"), coBrand, p.fraFullBrand);
    placeTwips(p.lblCobrand, 60, 45, width / 2 - 90, 990);
    QObject::connect(p.lblCobrand, &LinkLabel::clicked, p.lblCobrand, [] { OpenCoBrandPage(); });

    p.lblFullBrand = new LinkLabel(QStringLiteral("lblFullBrand"), fullBrandText(), p.fraFullBrand);
    placeTwips(p.lblFullBrand, width / 2 + 30, 45, width / 2 - 90, 990);
    // The offers are small print.
    for (LinkLabel *label : {p.lblCobrand, p.lblFullBrand}) {
        QFont small = label->font();
        small.setPointSizeF(7);
        label->setFont(small);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    QObject::connect(p.lblFullBrand, &LinkLabel::clicked, p.lblFullBrand, [] { OpenFullBrandPage(); });
    return p;
}

} // namespace padmora
