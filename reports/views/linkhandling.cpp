// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/views/linkhandling.h"

#include "kit/desktop.h"
#include "kit/resume.h"

#include <QMouseEvent>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

namespace padmora {

namespace {

LinkHook g_hook;

// A closing bracket that nothing in the address opened.
bool unmatchedClose(const QString &candidate, QChar open, QChar close)
{
    return candidate.endsWith(close) && candidate.count(close) > candidate.count(open);
}

} // namespace

QList<DetectedAddress> findWebAddresses(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("(?<![\\w@.\\-/])(?:(?:https?|ftp)://|www\\.|mailto:)[^\\s<>\"]+"),
        QRegularExpression::CaseInsensitiveOption);
    QList<DetectedAddress> found;
    auto it = pattern.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        QString candidate = m.captured(0);
        // Punctuation that ends a sentence, a closing quote and a closing
        // bracket the address did not open belong to the text around it.
        while (!candidate.isEmpty()) {
            const QChar last = candidate.back();
            if (QStringLiteral(".,;:!?'\u2019\u201d").contains(last)) {
                candidate.chop(1);
            } else if (unmatchedClose(candidate, u'(', u')') || unmatchedClose(candidate, u'[', u']')) {
                candidate.chop(1);
            } else {
                break;
            }
        }
        QString address = candidate;
        if (address.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
            address.prepend(QStringLiteral("https://"));
        const QUrl url(address, QUrl::StrictMode);
        if (!url.isValid() || !isOpenableAddress(url))
            continue;
        found.append({m.capturedStart(0), candidate.size(), url});
    }
    return found;
}

bool isOpenableAddress(const QUrl &url)
{
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("mailto"))
        return !url.path().isEmpty();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ftp"))
        return !url.host().isEmpty();
    return false;
}

int markWebAddresses(QTextDocument *document)
{
    return document ? markWebAddresses(document, 0, document->characterCount()) : 0;
}

int markWebAddresses(QTextDocument *document, int from, int to)
{
    if (!document)
        return 0;
    int marked = 0;
    const QTextBlock last = document->findBlock(std::max(from, to));
    for (QTextBlock block = document->findBlock(from); block.isValid(); block = block.next()) {
        if (last.isValid() && block.position() > last.position())
            break;
        const QString text = block.text();
        for (const DetectedAddress &a : findWebAddresses(text)) {
            QTextCursor cursor(document);
            cursor.setPosition(block.position() + int(a.start));
            cursor.setPosition(block.position() + int(a.start + a.length), QTextCursor::KeepAnchor);
            const QString href = a.url.toString(QUrl::FullyEncoded);
            QTextCharFormat current = cursor.charFormat();
            if (current.isAnchor() && current.anchorHref() == href)
                continue;
            QTextCharFormat link;
            link.setAnchor(true);
            link.setAnchorHref(href);
            link.setFontUnderline(true);
            link.setForeground(QColor(0, 0, 255));
            cursor.mergeCharFormat(link);
            ++marked;
        }
    }
    return marked;
}

class LinkHandler : public QObject {
    Q_OBJECT
public:
    explicit LinkHandler(QTextBrowser *view) : QObject(view), m_view(view), m_viewport(view->viewport())
    {
        m_view->setOpenLinks(false);
        m_view->setOpenExternalLinks(false);
        m_viewport->installEventFilter(this);
        // Only what changed is searched: a document written piece by piece
        // is searched once in all, not once more for every piece.
        m_connection = QObject::connect(m_view->document(), &QTextDocument::contentsChange, this,
                                        [this](int from, int, int added) {
                                            if (added > 0)
                                                detect(from, from + added);
                                        });
        detect(0, m_view->document()->characterCount());
    }

    ~LinkHandler() override
    {
        // A handler that goes with its view must not reach into the half
        // destroyed view: only the viewport's own guard is consulted.
        QObject::disconnect(m_connection);
        if (m_viewport)
            m_viewport->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress && m_viewport && watched == m_viewport && m_view) {
            auto *press = static_cast<QMouseEvent *>(event);
            if (press->button() == Qt::LeftButton) {
                const QString href = m_view->anchorAt(press->position().toPoint());
                step([&] {
                    const QUrl url(href);
                    if (!href.isEmpty() && isOpenableAddress(url))
                        desktop().openUrl(url);
                });
            }
        }
        // The press goes on to the view's own handling too.
        return false;
    }

private:
    void detect(int from, int to)
    {
        if (m_detecting || !m_view)
            return;
        m_detecting = true;
        step([&] { markWebAddresses(m_view->document(), from, to); });
        m_detecting = false;
    }

    QPointer<QTextBrowser> m_view;
    QPointer<QWidget> m_viewport;
    QMetaObject::Connection m_connection;
    bool m_detecting = false;
};

const LinkHook &linkHook()
{
    return g_hook;
}

void InstallLinkHandling(QTextBrowser *view, QWidget *owner)
{
    if (!view)
        return;
    if (LinkHandler *existing = view->findChild<LinkHandler *>(QString(), Qt::FindDirectChildrenOnly))
        delete existing;
    g_hook.handler = new LinkHandler(view);
    g_hook.view = view;
    g_hook.owner = owner;
}

void RemoveLinkHandling()
{
    if (!g_hook.handler)
        return;
    delete g_hook.handler.data();
    g_hook.handler = nullptr;
}

bool hasLinkHandling(const QTextBrowser *view)
{
    return view && view->findChild<LinkHandler *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace padmora

#include "linkhandling.moc"
