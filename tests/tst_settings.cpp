// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settingsstore.h"
#include "app/updatereminder.h"
#include "kit/desktop.h"
#include "kit/qtdesktop.h"
#include "support/recordingdesktop.h"
#include "support/testing.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace padmora;
using padmora::testing::RecordingDesktop;

namespace {

// The recording desktop, but with the real per-user settings store.
class RealStoreDesktop : public RecordingDesktop {
public:
    StoredValue readSetting(const QString &section, const QString &key) override
    {
        log.append(QStringLiteral("read"));
        return real.readSetting(section, key);
    }
    bool writeSetting(const QString &section, const QString &key, const QString &value) override
    {
        const bool written = real.writeSetting(section, key, value);
        if (written)
            log.append(QStringLiteral("write"));
        return written;
    }
    QtDesktop real;
};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Sets or clears a file's immutable flag (what makes a file read-only even
// for root); false when the file system or the user cannot.
bool setImmutable(const QString &path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

QString obfuscated(const QString &plain)
{
    return obfuscate(plain).value_or(QStringLiteral("?"));
}

// A store file with a Duration entry holding the given (already stored) text.
QByteArray storeWithDuration(const QString &storedValue)
{
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("store.conf"));
    {
        QSettings s(path, QSettings::IniFormat);
        s.setValue(kSettingsSection + QLatin1Char('/') + obfuscated(kDurationKey), storedValue);
    }
    return readAll(path);
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_config;
    int m_generation = 0;

    QString storePath() const { return QtDesktop::storeFilePath(); }

    void writeStoreFile(const QByteArray &content)
    {
        QDir().mkpath(QFileInfo(storePath()).absolutePath());
        QFile f(storePath());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        // Each case gets its own time stamp, so no cached copy of an earlier
        // case can stand in for it.
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime::currentDateTime().addSecs(-3600 + ++m_generation), QFileDevice::FileModificationTime);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        // The real store lives under this test's own configuration folder.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        QCOMPARE(storePath(), m_config.filePath(QStringLiteral("Padmora/Padmora.conf")));
        QSettings native(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Padmora"),
                         QStringLiteral("Padmora"));
        QCOMPARE(native.fileName(), storePath());
    }

    void cleanup()
    {
        setImmutable(storePath(), false);
        setImmutable(QFileInfo(storePath()).absolutePath(), false);
        QFile::setPermissions(storePath(), QFile::ReadOwner | QFile::WriteOwner);
        QFileInfo store(storePath());
        if (store.isDir())
            QDir(storePath()).removeRecursively();
        else
            QFile::remove(storePath());
        QLocale::setDefault(QLocale::c());
    }

    // --- the obfuscation ---------------------------------------------------

    void obfuscationReversesAndRaisesEveryCode()
    {
        const std::optional<QString> ab = obfuscate(QStringLiteral("ab"));
        QVERIFY(ab);
        QCOMPARE(ab->size(), 2);
        QCOMPARE(int(ab->at(0).unicode()), 183);
        QCOMPARE(int(ab->at(1).unicode()), 182);
        QCOMPARE(deobfuscate(*ab).value_or(QString()), QStringLiteral("ab"));

        const QString key = obfuscated(kDurationKey);
        const QChar expected[] = {QChar(110 + 85), QChar(111 + 85), QChar(105 + 85), QChar(116 + 85),
                                  QChar(97 + 85),  QChar(114 + 85), QChar(117 + 85), QChar(68 + 85)};
        QCOMPARE(key, QString(expected, 8));
        QCOMPARE(deobfuscate(key).value_or(QString()), kDurationKey);
        QCOMPARE(obfuscate(QString()).value_or(QStringLiteral("?")), QString());
    }

    void codesOutsideTheObfuscationAreRefused()
    {
        // 171 and above cannot be raised within 8 bits.
        QVERIFY(obfuscate(QString(QChar(170))));
        QVERIFY(!obfuscate(QString(QChar(171))));
        QVERIFY(!obfuscate(QStringLiteral("Zoë")));
        // Stored codes below 85 or above 255 cannot have come from Padmora.
        QVERIFY(!deobfuscate(QStringLiteral("2026-12-08")));
        QVERIFY(!deobfuscate(QString(QChar(84))));
        QVERIFY(!deobfuscate(QString(QChar(256))));
        QVERIFY(deobfuscate(QString(QChar(85))));
        QVERIFY(deobfuscate(QString(QChar(255))));
    }

    void everyDateTextRoundTrips()
    {
        // Every day a clock may plausibly show, and the ends of the calendar.
        QList<QDate> dates{QDate(1, 1, 1), QDate(999, 12, 31), QDate(9999, 12, 31)};
        for (QDate d(1970, 1, 1); d <= QDate(2100, 12, 31); d = d.addDays(1))
            dates.append(d);
        for (const QDate &d : dates) {
            const QString text = durationText(d);
            QCOMPARE(text.size(), 10);
            const std::optional<QString> stored = obfuscate(text);
            QVERIFY(stored);
            QVERIFY(!stored->contains(text.left(4)));
            QCOMPARE(deobfuscate(*stored).value_or(QString()), text);
            QCOMPARE(parseDurationText(text), d);
        }
        QCOMPARE(durationText(QDate(2026, 3, 7)), QStringLiteral("2026-03-07"));
    }

    void theDateTextDoesNotDependOnTheLocale()
    {
        // A date written under one locale reads back under any other: the
        // locale's own short date would not (and the reminder would stop).
        const QDate date(2026, 12, 8);
        const QString written = durationText(date);
        for (const QLocale &locale : {QLocale(QLocale::Arabic, QLocale::Egypt), QLocale(QLocale::German),
                                      QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::Persian)}) {
            QLocale::setDefault(locale);
            QCOMPARE(durationText(date), written);
            QCOMPARE(parseDurationText(written), date);
        }
        QLocale::setDefault(QLocale::c());
        // Only the one form is a date; other forms are not taken for one.
        QVERIFY(!parseDurationText(QStringLiteral("08/12/2026")).isValid());
        QVERIFY(!parseDurationText(QStringLiteral("2026-12-8")).isValid());
        QVERIFY(!parseDurationText(QStringLiteral("2026-13-08")).isValid());
        QVERIFY(!parseDurationText(QStringLiteral(" 2026-12-08")).isValid());
        QVERIFY(!parseDurationText(QString()).isValid());
    }

    // --- the real per-user store -------------------------------------------

    void theStoreFileHoldsNeitherThePlainKeyNorThePlainDate()
    {
        RealStoreDesktop desk;
        QVERIFY(saveSetting(kDurationKey, durationText(QDate(2026, 12, 8))));
        const QByteArray file = readAll(storePath());
        QVERIFY(file.contains("[Settings]"));
        QVERIFY(!file.contains("Duration"));
        QVERIFY(!file.toLower().contains("duration"));
        QVERIFY(!file.contains("2026-12-08"));
        QVERIFY(!file.contains("2026"));

        // What is there is the obfuscated key with the obfuscated date ...
        QSettings direct(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Padmora"),
                         QStringLiteral("Padmora"));
        direct.beginGroup(QStringLiteral("Settings"));
        QCOMPARE(direct.childKeys(), QStringList{obfuscated(kDurationKey)});
        QCOMPARE(direct.value(obfuscated(kDurationKey)).toString(), obfuscated(QStringLiteral("2026-12-08")));
        // ... and Padmora reads its plain date back.
        const SettingRead back = getSetting(kDurationKey);
        QVERIFY(back.ok);
        QCOMPARE(back.text, QStringLiteral("2026-12-08"));
    }

    void theReminderRunsOnTheRealStore()
    {
        RealStoreDesktop desk;
        desk.todayValue = QDate(2026, 12, 8);
        runUpdateReminder();  // first start: written, nothing asked
        QVERIFY(desk.messages.isEmpty());
        QCOMPARE(getSetting(kDurationKey).text, QStringLiteral("2026-12-08"));

        desk.todayValue = QDate(2026, 12, 23);  // 15 days on
        desk.answers = {MessageAnswer::Yes};
        runUpdateReminder();
        QCOMPARE(desk.messages.size(), 1);
        QCOMPARE(desk.log.mid(desk.log.size() - 2),
                 QStringList({QStringLiteral("write"), QStringLiteral("open ") + desk.lastOpened().toString()}));
        QCOMPARE(getSetting(kDurationKey).text, QStringLiteral("2026-12-23"));
    }

    // --- store files the reminder must survive -------------------------------

    void badStoreFilesEndTheReminderQuietly_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("rewritten");  // false: left exactly as it was
        QTest::newRow("binary garbage") << QByteArray("\x00\x01\xff\xfe[[[=\n=\n[Settings\n", 20) << false;
        QTest::newRow("unclosed section") << QByteArray("[Settings\nfoo=bar\n") << false;
        QTest::newRow("huge file") << QByteArray("[Other]\nkey=" + QByteArray(3 << 20, 'v') + "\n") << false;
        // Readable, but no date: the reminder starts afresh from today.
        // Values Padmora cannot have written (a date typed in by hand is not
        // obfuscated) are no date either.
        QTest::newRow("date written by hand") << storeWithDuration(QStringLiteral("2026-01-01")) << true;
        QTest::newRow("recent date written by hand") << storeWithDuration(QStringLiteral("2026-12-01")) << true;
        // An unquoted comma makes the entry a list.
        QTest::newRow("foreign list") << storeWithDuration(QStringLiteral("LIST")).replace("LIST", "\xc2\xb7, \xc2\xb8")
                                      << true;
        QTest::newRow("foreign wide letters") << storeWithDuration(QStringLiteral("\u0915\u0916")) << true;
        QTest::newRow("empty file") << QByteArray() << true;
        QTest::newRow("no date") << storeWithDuration(obfuscated(QStringLiteral("next week"))) << true;
        QTest::newRow("locale date") << storeWithDuration(obfuscated(QStringLiteral("12/8/26"))) << true;
        QByteArray hugeValue;
        for (int i = 0; i < 200000; ++i)
            hugeValue += "\xc2\x99";  // U+0099, a code the obfuscation can produce
        QTest::newRow("huge value") << storeWithDuration(QStringLiteral("HUGE")).replace("HUGE", hugeValue) << true;
        QTest::newRow("other sections only") << QByteArray("[General]\na=1\n[Other]\nb=2\n") << true;
    }
    void badStoreFilesEndTheReminderQuietly()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, rewritten);
        writeStoreFile(content);
        RealStoreDesktop desk;
        desk.todayValue = QDate(2026, 12, 8);
        runUpdateReminder();
        QVERIFY(desk.messages.isEmpty());
        QVERIFY(desk.opened.isEmpty());
        if (rewritten) {
            QCOMPARE(getSetting(kDurationKey).text, QStringLiteral("2026-12-08"));
        } else {
            QCOMPARE(readAll(storePath()), content);
            QVERIFY(!desk.log.contains(QStringLiteral("write")));
        }
    }

    void anUnreadableStoreEndsTheReminderQuietly()
    {
        // A folder where the file should be cannot be read by anyone.
        QVERIFY(QDir().mkpath(storePath()));
        RealStoreDesktop desk;
        QVERIFY(!desk.real.readSetting(kSettingsSection, obfuscated(kDurationKey)).readable);
        runUpdateReminder();
        QVERIFY(desk.messages.isEmpty());
        QVERIFY(!desk.log.contains(QStringLiteral("write")));
        QVERIFY(QFileInfo(storePath()).isDir());
    }

    void aReadOnlyStoreEndsTheReminderQuietly()
    {
        const QString stored = obfuscated(durationText(QDate(2026, 11, 1)));
        const QByteArray content = storeWithDuration(stored);
        writeStoreFile(content);
        QFile::setPermissions(storePath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        setImmutable(storePath(), true);
        if (QFile f(storePath()); f.open(QIODevice::ReadWrite))
            QSKIP("cannot make a file read-only here");

        RealStoreDesktop desk;
        desk.todayValue = QDate(2026, 12, 8);
        desk.answers = {MessageAnswer::Yes};
        runUpdateReminder();
        // The date is read and the question asked, but the answer cannot be
        // kept: the reminder stops there and opens nothing.
        QCOMPARE(desk.messages.size(), 1);
        QVERIFY(desk.opened.isEmpty());
        QVERIFY(!desk.log.contains(QStringLiteral("write")));
        QCOMPARE(readAll(storePath()), content);

        // Nothing stored and a folder that takes no file: nothing asked, nothing written.
        cleanup();
        const QString folder = QFileInfo(storePath()).absolutePath();
        QVERIFY(QDir().mkpath(folder));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        setImmutable(folder, true);
        RealStoreDesktop empty;
        runUpdateReminder();
        QVERIFY(empty.messages.isEmpty());
        QVERIFY(!QFileInfo::exists(storePath()));
        setImmutable(folder, false);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

PADMORA_TEST_MAIN(SettingsTest)
#include "tst_settings.moc"
