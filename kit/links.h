// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Padmora's outward links. Each opens one fixed address in the default
// browser and returns at once; nothing is checked or reported.

#include <QUrl>

namespace padmora {

QUrl forumSite(const QString &path = QString());
QUrl helpSite(const QString &path);

QUrl helpPageUrl();
QUrl forumUrl();
QUrl downloadPageUrl();
QUrl fullBrandPageUrl();
QUrl coBrandPageUrl();
QUrl softwaresPageUrl();
QUrl tellAFriendPageUrl();
QUrl productHomePageUrl();

void OpenHelpPage();
void OpenForum();
void OpenDownloadPage();
void OpenFullBrandPage();
void OpenCoBrandPage();
void OpenSoftwaresPage();

} // namespace padmora
