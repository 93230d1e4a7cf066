// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/links.h"

#include "kit/desktop.h"

namespace padmora {

namespace {
QUrl site(const char *root, const QString &path)
{
    QString address = QString::fromUtf8(root);
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    QUrl url(address + (path.isEmpty() ? QStringLiteral("/") : path));
    // The tell-a-friend request carries names and e-mail addresses: every
    // address Padmora opens is encrypted, whatever the build names as its site.
    url.setScheme(QStringLiteral("https"));
    return url;
}
} // namespace

QUrl forumSite(const QString &path) { return site(PADMORA_FORUM_SITE, path); }
QUrl helpSite(const QString &path) { return site(PADMORA_HELP_SITE, path); }

QUrl helpPageUrl() { return forumSite(QStringLiteral("/padmora/padmora-help.html")); }
QUrl forumUrl() { return forumSite(); }
QUrl downloadPageUrl() { return forumSite(QStringLiteral("/padmora/download-padmora.html")); }
QUrl fullBrandPageUrl() { return helpSite(QStringLiteral("/fully-branded.html")); }
QUrl coBrandPageUrl() { return helpSite(QStringLiteral("/co-brand.html")); }
QUrl softwaresPageUrl() { return forumSite(QStringLiteral("/softwares.html")); }
QUrl tellAFriendPageUrl() { return forumSite(QStringLiteral("/padmora/tell-a-friend.html")); }
QUrl productHomePageUrl() { return forumSite(QStringLiteral("/padmora/")); }

void OpenHelpPage() { desktop().openUrl(helpPageUrl()); }
void OpenForum() { desktop().openUrl(forumUrl()); }
void OpenDownloadPage() { desktop().openUrl(downloadPageUrl()); }
void OpenFullBrandPage() { desktop().openUrl(fullBrandPageUrl()); }
void OpenCoBrandPage() { desktop().openUrl(coBrandPageUrl()); }
void OpenSoftwaresPage() { desktop().openUrl(softwaresPageUrl()); }

} // namespace padmora
