// SPDX-License-Identifier: GPL-3.0-or-later
// The astrology reading's logic without a window: sun-sign boundaries, the
// sign-to-chakra road, the details check against the real calendar and the
// screen's own crown-first tables.

#include "astrology/astrologyreading.h"
#include "chakras/catalogue.h"
#include "support/testing.h"

#include <QDate>
#include <QMap>
#include <QSet>

using namespace padmora;
using namespace padmora::astrology;

namespace {

// The road the screen takes from a birth day to the chakra line it shows.
struct Road {
    QString sign;
    QString planet;
    QString chakraLine;
    int index = -1;
};

Road roadOf(const QString &month, int day)
{
    Road r;
    r.sign = sunSign(month, day);
    const SignEntry *e = signEntry(r.sign);
    if (!e)
        return r;
    r.planet = e->rulingPlanet;
    r.index = chakraIndexOf(e->chakraName);
    if (const AstroChakra *c = astroChakra(r.index))
        r.chakraLine = resultTexts(r.sign, r.planet, *c)[2];
    return r;
}

} // namespace

class AstrologyReadingTest : public QObject {
    Q_OBJECT
private slots:
    void signBoundaries_data();
    void signBoundaries();
    void everyDayOfTheYear();
    void lookupsAreExact();
    void leapYears();
    void detailsCheckFollowsTheCalendar();
    void crownFirstTables();
};

void AstrologyReadingTest::signBoundaries_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("planet");
    QTest::addColumn<QString>("chakraLine");

    struct Side {
        const char *month;
        int day;
        const char *sign, *planet, *chakra;
    };
    const Side sides[] = {
        {"January", 19, "Capricorn", "Saturn", "Root Chakra - Muladhara"},
        {"January", 20, "Aquarius", "Uranus and Saturn", "Root Chakra - Muladhara"},
        {"February", 18, "Aquarius", "Uranus and Saturn", "Root Chakra - Muladhara"},
        {"February", 19, "Pisces", "Neptune and Jupiter", "Sacral Chakra - Swadhisthanna"},
        {"March", 20, "Pisces", "Neptune and Jupiter", "Sacral Chakra - Swadhisthanna"},
        {"March", 21, "Aries", "Mars", "Navel Chakra - Manipura"},
        {"April", 20, "Aries", "Mars", "Navel Chakra - Manipura"},
        {"April", 21, "Taurus", "Venus", "Heart Chakra - Anahata"},
        {"May", 20, "Taurus", "Venus", "Heart Chakra - Anahata"},
        {"May", 21, "Gemini", "Mercury", "Throat Chakra - Vishuddha"},
        {"June", 20, "Gemini", "Mercury", "Throat Chakra - Vishuddha"},
        {"June", 21, "Cancer", "The Moon", "Third Eye Chakra - Ajna"},
        {"July", 20, "Cancer", "The Moon", "Third Eye Chakra - Ajna"},
        {"July", 21, "Leo", "The Sun", "Crown Chakra - Sahasrara"},
        {"August", 20, "Leo", "The Sun", "Crown Chakra - Sahasrara"},
        {"August", 21, "Virgo", "Mercury", "Throat Chakra - Vishuddha"},
        {"September", 20, "Virgo", "Mercury", "Throat Chakra - Vishuddha"},
        {"September", 21, "Libra", "Venus", "Heart Chakra - Anahata"},
        {"October", 20, "Libra", "Venus", "Heart Chakra - Anahata"},
        {"October", 21, "Scorpio", "Pluto and Mars", "Navel Chakra - Manipura"},
        {"November", 20, "Scorpio", "Pluto and Mars", "Navel Chakra - Manipura"},
        {"November", 21, "Sagittarius", "Jupiter", "Sacral Chakra - Swadhisthanna"},
        {"December", 20, "Sagittarius", "Jupiter", "Sacral Chakra - Swadhisthanna"},
        {"December", 21, "Capricorn", "Saturn", "Root Chakra - Muladhara"},
        // The first and last day of a month stay on their side.
        {"January", 1, "Capricorn", "Saturn", "Root Chakra - Muladhara"},
        {"December", 31, "Capricorn", "Saturn", "Root Chakra - Muladhara"},
        {"July", 31, "Leo", "The Sun", "Crown Chakra - Sahasrara"},
    };
    for (const Side &s : sides)
        QTest::addRow("%d %s", s.day, s.month) << QString::fromLatin1(s.month) << s.day << QString::fromLatin1(s.sign)
                                               << QString::fromLatin1(s.planet) << QString::fromLatin1(s.chakra);
}

void AstrologyReadingTest::signBoundaries()
{
    QFETCH(QString, month);
    QFETCH(int, day);
    const Road r = roadOf(month, day);
    QTEST(r.sign, "sign");
    QTEST(r.planet, "planet");
    QTEST(r.chakraLine, "chakraLine");
}

void AstrologyReadingTest::everyDayOfTheYear()
{
    // Walk every day of a leap year: each sign covers one unbroken run of
    // days, and each chakra is reached by the signs the table promises.
    QMap<QString, QSet<int>> chakrasOfSign;
    QMap<int, QSet<QString>> signsOfChakra;
    QStringList runs;
    for (QDate d(2000, 1, 1); d.year() == 2000; d = d.addDays(1)) {
        const Road r = roadOf(monthNames()[std::size_t(d.month() - 1)], d.day());
        QVERIFY2(r.index >= 0, qPrintable(d.toString()));
        chakrasOfSign[r.sign].insert(r.index);
        signsOfChakra[r.index].insert(r.sign);
        if (runs.isEmpty() || runs.last() != r.sign)
            runs << r.sign;
    }
    // Capricorn opens and closes the year; the others follow in order once.
    QCOMPARE(runs, (QStringList{"Capricorn", "Aquarius", "Pisces", "Aries", "Taurus", "Gemini", "Cancer", "Leo",
                                "Virgo", "Libra", "Scorpio", "Sagittarius", "Capricorn"}));
    QCOMPARE(signsOfChakra.value(0), (QSet<QString>{"Leo"}));
    QCOMPARE(signsOfChakra.value(1), (QSet<QString>{"Cancer"}));
    QCOMPARE(signsOfChakra.value(2), (QSet<QString>{"Gemini", "Virgo"}));
    QCOMPARE(signsOfChakra.value(3), (QSet<QString>{"Taurus", "Libra"}));
    QCOMPARE(signsOfChakra.value(4), (QSet<QString>{"Aries", "Scorpio"}));
    QCOMPARE(signsOfChakra.value(5), (QSet<QString>{"Sagittarius", "Pisces"}));
    QCOMPARE(signsOfChakra.value(6), (QSet<QString>{"Capricorn", "Aquarius"}));
    for (auto it = chakrasOfSign.cbegin(); it != chakrasOfSign.cend(); ++it)
        QCOMPARE(it.value().size(), 1);
}

void AstrologyReadingTest::lookupsAreExact()
{
    // Month names, signs and chakra names match exactly, case included.
    QCOMPARE(sunSign(QStringLiteral("january"), 25), QString());
    QCOMPARE(sunSign(QStringLiteral("Jan"), 25), QString());
    QCOMPARE(sunSign(QString(), 25), QString());
    QVERIFY(!signEntry(QStringLiteral("leo")));
    QVERIFY(!signEntry(QString()));
    QCOMPARE(chakraIndexOf(QStringLiteral("Crown Chakra")), 0);
    QCOMPARE(chakraIndexOf(QStringLiteral("Third Eye Chakra")), 1);
    QCOMPARE(chakraIndexOf(QStringLiteral("Root Chakra")), 6);
    QCOMPARE(chakraIndexOf(QStringLiteral("Heart chakra")), -1);
    QCOMPARE(chakraIndexOf(QStringLiteral("Heart Chakra ")), -1);
    QCOMPARE(chakraIndexOf(QString()), -1);
    QVERIFY(!astroChakra(-1));
    QVERIFY(!astroChakra(7));
    // Every chakra the sign table names is found in the chakra table.
    for (const SignEntry &e : signTable())
        QVERIFY2(chakraIndexOf(e.chakraName) >= 0, qPrintable(e.chakraName));
}

void AstrologyReadingTest::leapYears()
{
    // The century years: 1900 and 2100 had no 29 February, 2000 and 2400 do.
    QVERIFY(!isLeapYear(1900));
    QVERIFY(!isLeapYear(2100));
    QVERIFY(isLeapYear(2000));
    QVERIFY(isLeapYear(2400));
    for (int year = kFirstYear; year <= kLastYear; ++year)
        QCOMPARE(isLeapYear(year), QDate::isLeapYear(year));
}

void AstrologyReadingTest::detailsCheckFollowsTheCalendar()
{
    // Every entry the three lists allow is accepted exactly when the day
    // existed, and a refusal names the right kind of mistake.
    const QString name = QStringLiteral("Mira");
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const QString yearText = QString::number(year);
        for (int month = 0; month < kMonthCount; ++month) {
            for (int day = 0; day < kDayCount; ++day) {
                const Details verdict = checkDetails(name, month, day, yearText);
                const bool exists = QDate(year, month + 1, day + 1).isValid();
                const QByteArray where = QStringLiteral("%1-%2-%3").arg(year).arg(month + 1).arg(day + 1).toLatin1();
                QVERIFY2((verdict == Details::Valid) == exists, where.constData());
                if (!exists)
                    QVERIFY2(verdict == (month == 1 ? Details::WrongFebruaryDay : Details::WrongThirtyDayDay),
                             where.constData());
            }
        }
    }
}

void AstrologyReadingTest::crownFirstTables()
{
    // This screen counts crown first: its entry i is the catalogue's chakra
    // 6 - i, and the picture at position i shows that same chakra.
    for (int i = 0; i < astrology::kChakraCount; ++i) {
        const AstroChakra *c = astroChakra(i);
        QVERIFY(c);
        QCOMPARE(c->name, chakraName(6 - i));
        QCOMPARE(c->description, chakraDescription(6 - i));
        QCOMPARE(c->openText, chakraOpenText(6 - i));
        QCOMPARE(c->underActiveText, chakraUnderActiveText(6 - i));
        QCOMPARE(picturePath(i), QStringLiteral(":/chakras/%1 %2.svg").arg(i).arg(c->name));
        if (i != 6)
            QCOMPARE(c->overActiveText, chakraOverActiveText(6 - i));
    }
    // This screen's root over-active text has no trailing blank, unlike the
    // catalogue's copy.
    const QString rootOver = astroChakra(6)->overActiveText;
    QVERIFY(rootOver.endsWith(QStringLiteral("violent.")));
    QCOMPARE(rootOver + QLatin1Char(' '), chakraOverActiveText(0));
    // Its own name forms appear in the Sanskrit-name field only.
    QCOMPARE(astroChakra(2)->sanskritMeaning, QStringLiteral("Visuddha (purification)"));
    QCOMPARE(astroChakra(5)->sanskritMeaning, QStringLiteral("Svadhisthana (sweetness)"));
    QCOMPARE(resultTexts(QStringLiteral("Pisces"), QStringLiteral("x"), *astroChakra(5))[2],
             QStringLiteral("Sacral Chakra - Swadhisthanna"));
    QCOMPARE(resultTexts(QStringLiteral("Gemini"), QStringLiteral("x"), *astroChakra(2))[2],
             QStringLiteral("Throat Chakra - Vishuddha"));
}

PADMORA_TEST_MAIN(AstrologyReadingTest)
#include "tst_astrologyreading.moc"
