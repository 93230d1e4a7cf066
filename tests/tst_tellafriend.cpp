// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/links.h"
#include "outreach/tellafriend.h"
#include "support/recordingdesktop.h"
#include "support/testing.h"

Q_DECLARE_METATYPE(padmora::modTellAFriend::Referral)

using namespace padmora;
using namespace padmora::modTellAFriend;
using padmora::testing::RecordingDesktop;

namespace {

Referral valid()
{
    return Referral{QStringLiteral("Ann"), QStringLiteral("ann@example.org"), QStringLiteral("Have a look"),
                    QStringLiteral("Bob"), QStringLiteral("bob@example.org")};
}

Referral placeholders()
{
    return Referral{kNamePlaceholder, kEmailPlaceholder, kMessagePlaceholder, kFriendNamePlaceholder,
                    kFriendEmailPlaceholder};
}

// The query of a composed address, split into its parameters and decoded;
// fails the test when the address is not made of exactly taf1 to taf6.
QStringList decodedValues(const QUrl &address)
{
    const QByteArray encoded = address.toEncoded();
    const qsizetype mark = encoded.indexOf('?');
    if (mark < 0 || encoded.contains('#')) {
        qWarning("malformed address %s", encoded.constData());
        return {};
    }
    const QList<QByteArray> parameters = encoded.mid(mark + 1).split('&');
    QStringList values;
    for (int i = 0; i < parameters.size(); ++i) {
        const QByteArray key = "taf" + QByteArray::number(i + 1) + '=';
        if (!parameters[i].startsWith(key)) {
            qWarning("unexpected parameter %s", parameters[i].constData());
            return {};
        }
        values << QUrl::fromPercentEncoding(parameters[i].mid(key.size()));
    }
    return values;
}

QStringList expectedValues(const Referral &r)
{
    return {r.senderName, r.senderEmail, r.message, r.friendName, r.friendEmail,
            productHomePageUrl().toString(QUrl::FullyEncoded)};
}

} // namespace

class TellAFriendTest : public QObject {
    Q_OBJECT
private slots:
    void emailChecksRunInTheirOrder_data()
    {
        QTest::addColumn<QString>("sender");
        QTest::addColumn<QString>("friendAddress");
        QTest::addColumn<QString>("expected");
        // Both left at their placeholders: they differ and have no "@".
        QTest::newRow("placeholders") << kEmailPlaceholder << kFriendEmailPlaceholder << kProperEmail;
        // Identical wins over every other check.
        QTest::newRow("identical") << "ann@example.org" << "ann@example.org" << kDistinctEmails;
        QTest::newRow("identical without @") << "ann" << "ann" << kDistinctEmails;
        QTest::newRow("identical empty") << "" << "" << kDistinctEmails;
        QTest::newRow("sender without @") << "ann.example.org" << "bob@example.org" << kProperEmail;
        QTest::newRow("friend without @") << "ann@example.org" << "bob.example.org" << kProperEmail;
        QTest::newRow("sender @ without .") << "ann@example" << "bob@example.org" << kProperEmail;
        QTest::newRow("friend @ without .") << "ann@example.org" << "bob@example" << kProperEmail;
        // Compared exactly: a difference in case alone lets the checks go on.
        QTest::newRow("case differs") << "Ann@Example.org" << "ann@example.org" << QString();
        QTest::newRow("valid") << "ann@example.org" << "bob@example.org" << QString();
    }
    void emailChecksRunInTheirOrder()
    {
        QFETCH(QString, sender);
        QFETCH(QString, friendAddress);
        QFETCH(QString, expected);
        Referral r = valid();
        r.senderEmail = sender;
        r.friendEmail = friendAddress;
        QCOMPARE(emailProblem(r).value_or(QString()), expected);
    }

    void finalCheckStopsAtTheFirstMissingValue()
    {
        // Starting from the untouched form, fill in one value after the other:
        // each step moves the message on to the next value.
        Referral r = placeholders();
        QCOMPARE(finalCheckProblem(r).value_or(QString()), kEnterName);
        r.senderName = QStringLiteral("Ann");
        QCOMPARE(finalCheckProblem(r).value_or(QString()), kEnterEmail);
        r.senderEmail = QStringLiteral("ann@example.org");
        QCOMPARE(finalCheckProblem(r).value_or(QString()), kEnterMessage);
        r.message = QStringLiteral("Hello");
        QCOMPARE(finalCheckProblem(r).value_or(QString()), kEnterFriendName);
        r.friendName = QStringLiteral("Bob");
        QCOMPARE(finalCheckProblem(r).value_or(QString()), kEnterFriendEmail);
        r.friendEmail = QStringLiteral("bob@example.org");
        QVERIFY(!finalCheckProblem(r));

        // Empty counts as missing, at every position.
        const QString expected[5] = {kEnterName, kEnterEmail, kEnterMessage, kEnterFriendName, kEnterFriendEmail};
        QString Referral::*fields[5] = {&Referral::senderName, &Referral::senderEmail, &Referral::message,
                                        &Referral::friendName, &Referral::friendEmail};
        for (int i = 0; i < 5; ++i) {
            Referral empty = valid();
            empty.*fields[i] = QString();
            QCOMPARE(finalCheckProblem(empty).value_or(QString()), expected[i]);
        }
        // A placeholder is compared exactly: other text that contains it is a value.
        Referral similar = valid();
        similar.senderName = QStringLiteral("Your Name is Ann");
        QVERIFY(!finalCheckProblem(similar));
    }

    void sendingShowsTheMessageOrOpensTheAddress()
    {
        RecordingDesktop desk;
        Referral r = valid();
        r.friendName = kFriendNamePlaceholder;
        sendReferral(r);
        QCOMPARE(desk.messages.size(), 1);
        QCOMPARE(desk.lastMessage().text, kEnterFriendName);
        QCOMPARE(desk.lastMessage().icon, MessageIcon::Critical);
        QCOMPARE(desk.lastMessage().buttons, MessageButtons::Ok);
        QCOMPARE(desk.lastMessage().title, QStringLiteral("Padmora"));
        QVERIFY(desk.opened.isEmpty());

        sendReferral(valid());
        QCOMPARE(desk.messages.size(), 1);
        QCOMPARE(desk.opened.size(), 1);
        QCOMPARE(desk.lastOpened(), composeAddress(valid()));
    }

    void plainValuesMakeThePlainAddress()
    {
        const QUrl address = composeAddress(valid());
        QVERIFY(address.isValid());
        QCOMPARE(address.scheme(), QStringLiteral("https"));
        QCOMPARE(address.host(), tellAFriendPageUrl().host());
        QCOMPARE(address.path(), tellAFriendPageUrl().path());
        const QString page = tellAFriendPageUrl().toString(QUrl::RemoveScheme);
        QCOMPARE(address.toString(QUrl::FullyEncoded),
                 QStringLiteral("https:") + page + QStringLiteral("?taf1=Ann&taf2=ann%40example.org&taf3=Have%20a%20look"
                                                                  "&taf4=Bob&taf5=bob%40example.org&taf6=")
                     + QString::fromLatin1(QUrl::toPercentEncoding(productHomePageUrl().toString(QUrl::FullyEncoded))));
        QCOMPARE(decodedValues(address), expectedValues(valid()));
    }

    void everyValueComesBackExactly_data()
    {
        QTest::addColumn<Referral>("referral");
        QTest::newRow("parameter injection")
            << Referral{QStringLiteral("Ann&taf5=x@y.z"), QStringLiteral("ann@example.org"), QStringLiteral("a=b"),
                        QStringLiteral("Bob&taf6=https://elsewhere.example/"), QStringLiteral("bob@example.org")};
        QTest::newRow("fragment and plus")
            << Referral{QStringLiteral("Ann #1"), QStringLiteral("ann+padmora@example.org"),
                        QStringLiteral("C++ #tips: 1 + 1 = 2, 100% sure?"), QStringLiteral("Bob"),
                        QStringLiteral("bob@example.org")};
        QTest::newRow("blanks and line breaks")
            << Referral{QStringLiteral("Ann  Marie"), QStringLiteral("ann@example.org"),
                        QStringLiteral("First line\r\n\r\nThird line\twith a tab"), QStringLiteral("Bob Lee"),
                        QStringLiteral("bob@example.org")};
        QTest::newRow("letters beyond ASCII")
            << Referral{QStringLiteral("Zoë Łukasiewicz"), QStringLiteral("zoë@exämple.org"),
                        QStringLiteral("Namasté 🙏 — चक्र"), QStringLiteral("Jürgen 日本"),
                        QStringLiteral("jürgen@example.org")};
        QTest::newRow("percent signs")
            << Referral{QStringLiteral("%41nn"), QStringLiteral("ann@example.org"), QStringLiteral("%0D%0A%26"),
                        QStringLiteral("Bob%"), QStringLiteral("bob@example.org")};
        QTest::newRow("ten thousand characters")
            << Referral{QString(10000, QLatin1Char('n')), QStringLiteral("ann@example.org"),
                        QString(10000, QLatin1Char('&')), QStringLiteral("Bob"), QStringLiteral("bob@example.org")};
    }
    void everyValueComesBackExactly()
    {
        QFETCH(Referral, referral);
        const QUrl address = composeAddress(referral);
        QVERIFY(address.isValid());
        QCOMPARE(address.scheme(), QStringLiteral("https"));
        QVERIFY(!address.hasFragment());
        QCOMPARE(decodedValues(address), expectedValues(referral));
        // Nothing in the query could split or cut it.
        const QByteArray query = address.toEncoded().mid(address.toEncoded().indexOf('?') + 1);
        QCOMPARE(query.count('&'), 5);
        QCOMPARE(query.count('='), 6);
        for (const char c : {' ', '#', '+', '\r', '\n', '\t'})
            QVERIFY2(!query.contains(c), qPrintable(QStringLiteral("raw %1 in the query").arg(int(c))));
        // What the browser is handed reads back as the same address.
        QCOMPARE(QUrl::fromEncoded(address.toEncoded(), QUrl::StrictMode), address);
    }
};


PADMORA_TEST_MAIN(TellAFriendTest)
#include "tst_tellafriend.moc"
