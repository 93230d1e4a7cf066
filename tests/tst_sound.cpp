// SPDX-License-Identifier: GPL-3.0-or-later
// The bells of a practice, read as numbers rather than heard: the files the
// build synthesises, and the sound module that plays them, on a computer
// without a sound card.

#include "kit/qtdesktop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

struct Wav {
    QString problem;  // empty when it is a 16-bit PCM mono file
    int rate = 0;
    QVector<double> samples;  // as shares of full scale
};

quint32 le(const QByteArray &bytes, int at, int size)
{
    quint32 v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | quint8(bytes[at + i]);
    return v;
}

// A canonical WAV file: RIFF, a 16-byte format chunk, then the data.
Wav readWav(const QString &path)
{
    Wav wav;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        wav.problem = path + QStringLiteral(" cannot be read");
        return wav;
    }
    const QByteArray b = file.readAll();
    if (b.size() < 44 || b.left(4) != "RIFF" || b.mid(8, 8) != "WAVEfmt " || b.mid(36, 4) != "data")
        wav.problem = QStringLiteral("no canonical WAV header");
    else if (le(b, 4, 4) != quint32(b.size() - 8) || le(b, 40, 4) != quint32(b.size() - 44))
        wav.problem = QStringLiteral("the chunk sizes do not match the file");
    else if (le(b, 16, 4) != 16 || le(b, 20, 2) != 1 || le(b, 22, 2) != 1 || le(b, 34, 2) != 16)
        wav.problem = QStringLiteral("not 16-bit PCM mono");
    else if (le(b, 28, 4) != le(b, 24, 4) * 2 || le(b, 32, 2) != 2)
        wav.problem = QStringLiteral("byte rate or frame size wrong");
    if (!wav.problem.isEmpty())
        return wav;
    wav.rate = int(le(b, 24, 4));
    for (int at = 44; at + 1 < b.size(); at += 2)
        wav.samples << qint16(le(b, at, 2)) / 32768.0;
    return wav;
}

// The loudness of the samples from..to seconds.
double rms(const Wav &wav, double from, double to)
{
    const int a = int(from * wav.rate), z = std::min(int(to * wav.rate), int(wav.samples.size()));
    double sum = 0;
    for (int i = a; i < z; ++i)
        sum += wav.samples[i] * wav.samples[i];
    return z > a ? std::sqrt(sum / (z - a)) : 0;
}

// The moments, in seconds, at which the sound grows suddenly louder: where
// 20 ms are more than half again as loud as the 20 ms before them.
QVector<double> strikesOf(const Wav &wav)
{
    QVector<double> onsets;
    const double window = 0.02;
    double before = 0;
    for (double t = 0; t + window <= double(wav.samples.size()) / wav.rate; t += window) {
        const double now = rms(wav, t, t + window);
        if (now > 1.5 * before && now > 0.01)
            onsets << t;
        before = now;
    }
    return onsets;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// True when a shared library whose file name begins so is loaded.
bool mapped(const QString &library)
{
    return contents(QStringLiteral("/proc/self/maps")).contains("/" + library.toUtf8());
}

QString bellFile(const QString &folder, int strikes)
{
    return folder + QStringLiteral("/bell-%1.wav").arg(strikes);
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // No sound server answers here, whatever the machine has.
        qputenv("PULSE_SERVER", "unix:/nonexistent/padmora-test");
    }

    // Without its module the desktop rings no bell, and says which file is
    // missing; Qt Multimedia stays out.
    void aMissingSoundModuleIsNamedByItsPath()
    {
        QTemporaryDir empty;
        qputenv("PADMORA_MODULE_DIR", empty.path().toUtf8());
        padmora::QtDesktop desktop;
        QString why;
        QVERIFY(!desktop.ringBell(1, 80, &why));
        QVERIFY2(why.startsWith(empty.path() + QStringLiteral("/libpadmora-sound.so cannot be loaded (")),
                 qPrintable(why));
        QVERIFY(!mapped(QStringLiteral("libQt6Multimedia.so")));
    }

    // With the module and no audio device, each bell fails at once with
    // that reason instead of waiting for a device; Qt Multimedia comes in
    // with the first bell and not before.
    void withoutAnAudioDeviceEveryBellSaysSoAtOnce()
    {
        qputenv("PADMORA_MODULE_DIR", PADMORA_BUILT_MODULES);
        padmora::QtDesktop desktop;
        QVERIFY(!mapped(QStringLiteral("libQt6Multimedia.so")));
        for (int strikes = 1; strikes <= 3; ++strikes) {
            QElapsedTimer took;
            took.start();
            QString why;
            QVERIFY(!desktop.ringBell(strikes, 50, &why));
            QCOMPARE(why, QStringLiteral("there is no audio device to ring the bells on"));
            QVERIFY2(took.elapsed() < 5000, qPrintable(QString::number(took.elapsed())));
        }
        QVERIFY(mapped(QStringLiteral("libQt6Multimedia.so")));
        // The module holds the bells the build made.
        for (int strikes = 1; strikes <= 3; ++strikes)
            QVERIFY(contents(QStringLiteral(":/padmora/bells/bell-%1.wav").arg(strikes))
                    == contents(bellFile(QStringLiteral(PADMORA_BELL_DIR), strikes)));
        QString why;
        QVERIFY(!desktop.ringBell(4, 50, &why));
        QCOMPARE(why, QStringLiteral("there is no bell of 4 strikes"));
    }

    // Each bell is a few seconds of 16-bit mono, struck once, twice or three
    // times 0.9 s apart, ringing on for 3 s after its last strike and dying
    // away into silence; loud, yet nowhere clipped.
    void theBellsAreStruckOnceTwiceAndThreeTimesAndDieAway()
    {
        for (int strikes = 1; strikes <= 3; ++strikes) {
            const Wav wav = readWav(bellFile(QStringLiteral(PADMORA_BELL_DIR), strikes));
            QVERIFY2(wav.problem.isEmpty(), qPrintable(wav.problem));
            QVERIFY(wav.rate == 44100 || wav.rate == 48000);
            const double seconds = double(wav.samples.size()) / wav.rate;
            QVERIFY2(std::abs(seconds - (3.0 + 0.9 * (strikes - 1))) < 0.001, qPrintable(QString::number(seconds)));

            const QVector<double> onsets = strikesOf(wav);
            QCOMPARE(onsets.size(), strikes);
            for (int i = 0; i < strikes; ++i)
                QVERIFY2(std::abs(onsets[i] - 0.9 * i) <= 0.02, qPrintable(QString::number(onsets[i])));

            double peak = 0;
            for (double s : wav.samples)
                peak = std::max(peak, std::abs(s));
            QVERIFY2(peak > 0.5 && peak < 0.95, qPrintable(QString::number(peak)));
            const double last = 0.9 * (strikes - 1);
            QVERIFY(rms(wav, seconds - 0.4, seconds - 0.3) < 0.1 * rms(wav, last, last + 0.1));
            // No click at either end.
            QVERIFY(std::abs(wav.samples.first()) < 0.01);
            QVERIFY(std::abs(wav.samples.last()) < 0.01);
        }
    }

    // The program that makes them writes the same bytes every time it runs,
    // and they are the build's own.
    void theBellsAreTheSameOnEveryBuild()
    {
        QTemporaryDir first, second;
        for (const QTemporaryDir *dir : {&first, &second})
            QCOMPARE(QProcess::execute(QStringLiteral(PADMORA_MAKEBELLS), {dir->path()}), 0);
        for (int strikes = 1; strikes <= 3; ++strikes) {
            const QByteArray made = contents(bellFile(first.path(), strikes));
            QVERIFY(!made.isEmpty());
            QVERIFY(made == contents(bellFile(second.path(), strikes)));
            QVERIFY(made == contents(bellFile(QStringLiteral(PADMORA_BELL_DIR), strikes)));
        }
        QVERIFY(contents(bellFile(first.path(), 1)) != contents(bellFile(first.path(), 2)));
        QVERIFY(contents(bellFile(first.path(), 2)) != contents(bellFile(first.path(), 3)));
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
