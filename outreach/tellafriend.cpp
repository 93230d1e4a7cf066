// SPDX-License-Identifier: GPL-3.0-or-later
#include "outreach/tellafriend.h"

#include "kit/desktop.h"
#include "kit/links.h"

namespace padmora::modTellAFriend {

namespace {

bool missing(const QString &value, const QString &placeholder)
{
    return value.isEmpty() || value == placeholder;
}

QByteArray parameter(int number, const QString &value)
{
    return "taf" + QByteArray::number(number) + '=' + QUrl::toPercentEncoding(value);
}

} // namespace

std::optional<QString> emailProblem(const Referral &r)
{
    if (r.senderEmail == r.friendEmail)
        return text(kDistinctEmails);
    if (!r.senderEmail.contains(QLatin1Char('@')) || !r.friendEmail.contains(QLatin1Char('@')))
        return text(kProperEmail);
    if (!r.senderEmail.contains(QLatin1Char('.')) || !r.friendEmail.contains(QLatin1Char('.')))
        return text(kProperEmail);
    return std::nullopt;
}

std::optional<QString> finalCheckProblem(const Referral &r)
{
    if (missing(r.senderName, text(kNamePlaceholder)))
        return text(kEnterName);
    if (missing(r.senderEmail, text(kEmailPlaceholder)))
        return text(kEnterEmail);
    if (missing(r.message, text(kMessagePlaceholder)))
        return text(kEnterMessage);
    if (missing(r.friendName, text(kFriendNamePlaceholder)))
        return text(kEnterFriendName);
    if (missing(r.friendEmail, text(kFriendEmailPlaceholder)))
        return text(kEnterFriendEmail);
    return std::nullopt;
}

QUrl composeAddress(const Referral &r)
{
    const QUrl page = tellAFriendPageUrl();
    const QByteArray query = parameter(1, r.senderName) + '&' + parameter(2, r.senderEmail) + '&'
                             + parameter(3, r.message) + '&' + parameter(4, r.friendName) + '&'
                             + parameter(5, r.friendEmail) + '&'
                             + parameter(6, productHomePageUrl().toString(QUrl::FullyEncoded));
    return QUrl::fromEncoded(page.toEncoded(QUrl::RemoveQuery | QUrl::RemoveFragment) + '?' + query,
                             QUrl::StrictMode);
}

void sendReferral(const Referral &r)
{
    if (const std::optional<QString> problem = finalCheckProblem(r)) {
        showProblem(*problem);
        return;
    }
    desktop().openUrl(composeAddress(r));
}

void showProblem(const QString &text)
{
    desktop().message(text, MessageIcon::Critical, MessageButtons::Ok, kAppTitle);
}

} // namespace padmora::modTellAFriend
