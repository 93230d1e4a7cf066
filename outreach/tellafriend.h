// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// modTellAFriend: the checks of the tell-a-friend form and the web address
// that sends it. Plain code; the farewell screen calls it.

#include <QString>
#include <QUrl>
#include <optional>

namespace padmora::modTellAFriend {

// What each box shows while it holds nothing of the user's.
inline const QString kNamePlaceholder = QStringLiteral("Your Name");
inline const QString kEmailPlaceholder = QStringLiteral("Your Email Address");
inline const QString kMessagePlaceholder = QStringLiteral("Your Message");
inline const QString kFriendNamePlaceholder = QStringLiteral("Friend's Name");
inline const QString kFriendEmailPlaceholder = QStringLiteral("Friend's Email Address");

inline const QString kNoSpaceInEmail = QStringLiteral("Email Address Cannot Contain Space");
inline const QString kDistinctEmails = QStringLiteral("Please Enter Distinct Email Addresses");
inline const QString kProperEmail = QStringLiteral("Please Enter Proper Email Address");
inline const QString kEnterName = QStringLiteral("Please Enter Your Name");
inline const QString kEnterEmail = QStringLiteral("Please Enter Your Email");
inline const QString kEnterMessage = QStringLiteral("Please Enter Your Message");
inline const QString kEnterFriendName = QStringLiteral("Please Enter Your Friend's Name");
inline const QString kEnterFriendEmail = QStringLiteral("Please Enter Your Friend's Email");

// The five values, each the trimmed text of its box.
struct Referral {
    QString senderName;
    QString senderEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The form's own checks of the two addresses, in order: identical, no "@",
// no ".". The message to show, or nullopt when they pass.
std::optional<QString> emailProblem(const Referral &r);

// The final check, in order: each value empty or still its placeholder.
std::optional<QString> finalCheckProblem(const Referral &r);

// The tell-a-friend page with taf1 to taf5 (the five values) and taf6 (the
// product's home page). Every value is percent-encoded as UTF-8, so no
// character in it can add a parameter or cut the address short.
QUrl composeAddress(const Referral &r);

// The final check, then either its message or the address opened in the
// default browser.
void sendReferral(const Referral &r);

// Shows one of this form's messages: critical icon, OK, the application title.
void showProblem(const QString &text);

} // namespace padmora::modTellAFriend
