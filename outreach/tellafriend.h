// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// modTellAFriend: the checks of the tell-a-friend form and the web address
// that sends it. Plain code; the farewell screen calls it.

#include <QCoreApplication>
#include <QString>
#include <QUrl>
#include <optional>

namespace padmora::modTellAFriend {

// What each box shows while it holds nothing of the user's, and the form's
// messages, in English; text() gives them in the user's language.
inline constexpr const char *kNamePlaceholder = QT_TRANSLATE_NOOP("TellAFriend", "Your Name");
inline constexpr const char *kEmailPlaceholder = QT_TRANSLATE_NOOP("TellAFriend", "Your Email Address");
inline constexpr const char *kMessagePlaceholder = QT_TRANSLATE_NOOP("TellAFriend", "Your Message");
inline constexpr const char *kFriendNamePlaceholder = QT_TRANSLATE_NOOP("TellAFriend", "Friend's Name");
inline constexpr const char *kFriendEmailPlaceholder = QT_TRANSLATE_NOOP("TellAFriend", "Friend's Email Address");

inline constexpr const char *kNoSpaceInEmail = QT_TRANSLATE_NOOP("TellAFriend", "Email Address Cannot Contain Space");
inline constexpr const char *kDistinctEmails = QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Distinct Email Addresses");
inline constexpr const char *kProperEmail = QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Proper Email Address");
inline constexpr const char *kEnterName = QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Your Name");
inline constexpr const char *kEnterEmail = QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Your Email");
inline constexpr const char *kEnterMessage = QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Your Message");
inline constexpr const char *kEnterFriendName = QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Your Friend's Name");
inline constexpr const char *kEnterFriendEmail = QT_TRANSLATE_NOOP("TellAFriend", "Please Enter Your Friend's Email");

// One of the texts above as the user reads it.
inline QString text(const char *source)
{
    return QCoreApplication::translate("TellAFriend", source);
}

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
