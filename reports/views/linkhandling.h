// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Web addresses in a result view are recognised and shown as links; a
// left-button press on one opens it in the browser. Every other event keeps
// the view's normal handling.

#include <QList>
#include <QPointer>
#include <QString>
#include <QUrl>

class QTextBrowser;
class QTextDocument;
class QWidget;

namespace padmora {

struct DetectedAddress {
    qsizetype start = 0;   // first character in the text
    qsizetype length = 0;  // characters that belong to the address
    QUrl url;              // what opening it would hand to the desktop
};

// The web and mail addresses in a text (http://, https://, ftp://, www.,
// mailto:), without trailing punctuation or an unmatched closing bracket.
QList<DetectedAddress> findWebAddresses(const QString &text);

// Marks every detected address in the document as a link; returns how many.
int markWebAddresses(QTextDocument *document);
// The same for the paragraphs that hold the characters from `from` to `to`.
int markWebAddresses(QTextDocument *document, int from, int to);

// Only web and mail addresses are ever handed to the desktop: nothing that
// would run a program or open a local file.
bool isOpenableAddress(const QUrl &url);

class LinkHandler;

// The one module-wide record of the link handling in force.
struct LinkHook {
    QPointer<LinkHandler> handler;
    QPointer<QTextBrowser> view;
    QPointer<QWidget> owner;
};

const LinkHook &linkHook();

// Switches link detection and opening on for a view; overwrites the record.
void InstallLinkHandling(QTextBrowser *view, QWidget *owner);
// Switches it off again for the recorded view; a no-op when none is installed.
void RemoveLinkHandling();

// True while the view has link handling.
bool hasLinkHandling(const QTextBrowser *view);

} // namespace padmora
