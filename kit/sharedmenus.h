// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Help menu, the business-offer item and the promotional labels that
// every program screen repeats, built in one place.

#include <QString>

class QAction;
class QFrame;
class QMenu;
class QMenuBar;
class QWidget;

namespace padmora {

class LinkLabel;

// The three caption sets the screens use.
enum class MenuCaptions {
    Standard,       // main window, start screens, astrology screen
    Questionnaire,  // the questionnaires
    TarotPages,     // tarot result screen and interpretation pages
};

struct SharedMenus {
    QMenu *help = nullptr;
    QAction *online = nullptr;
    QAction *visit = nullptr;
    QAction *update = nullptr;
    QAction *about = nullptr;
    QAction *makeMoney = nullptr;
};

// Appends a screen's own "&File" menu (mnuFile).
QMenu *addFileMenu(QMenuBar *bar);
// Appends a named item to a menu; connect its triggered signal.
QAction *addMenuItem(QMenu *menu, const QString &name, const QString &caption);

// Appends "&Help" and the top-level business item to a menu bar. The item is
// named mkmoney on the main window, mnuMakeMoney or mnuMakeMoneyOnline on the
// program screens; it starts switched off (greyed).
SharedMenus addSharedMenus(QMenuBar *bar, MenuCaptions captions, const QString &makeMoneyName);

// What "&About Software" shows. The about box lies above the screens that
// offer it, so the shell names it at start-up; until then the item does
// nothing.
void setAboutBoxCommand(void (*show)());

// The one-line banner that invites the user to the forum.
QString forumBannerText();

// The co-branding text with its doubled ampersand, as stored.
QString coBrandText();
// The full-branding offer.
QString fullBrandText();

struct PromoLabels {
    QFrame *fraFullBrand = nullptr;
    LinkLabel *lblCobrand = nullptr;
    LinkLabel *lblFullBrand = nullptr;
    LinkLabel *forum = nullptr;
};

// Adds the forum banner label (named forumLabelName: Label61, or Label14 on
// the astrology screen) at the given top, and below it the frame with the
// co-branding and full-branding labels, all spanning the given width (twips).
PromoLabels addPromoLabels(QWidget *parent, const QString &forumLabelName, double left, double top,
                           double width);

// Height in twips that addPromoLabels takes.
inline constexpr double kPromoLabelsHeight = 1500;

} // namespace padmora
