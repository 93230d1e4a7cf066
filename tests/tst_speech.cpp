// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud without a speech service: the speech module's thread driven
// with engines that take for ever to start or cannot speak, and the desktop
// loading the module only when a text is first read.

#include "kit/qtdesktop.h"
#include "practice/speech/speechthread.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>

namespace {

// What the engines were asked to do, in order, across threads.
class Log {
public:
    void add(const QString &line)
    {
        QMutexLocker lock(&m_mutex);
        m_lines << line;
    }
    QStringList lines()
    {
        QMutexLocker lock(&m_mutex);
        return m_lines;
    }

private:
    QMutex m_mutex;
    QStringList m_lines;
};

class FakeEngine final : public padmora::SpeechEngine {
public:
    FakeEngine(Log &log, QString problem) : m_log(log), m_problem(std::move(problem)) {}
    QString problem() const override { return m_problem; }
    void say(const QString &text) override { m_log.add(QStringLiteral("say ") + text); }
    void stop() override { m_log.add(QStringLiteral("stop")); }

private:
    Log &m_log;
    QString m_problem;
};

bool mapped(const QString &library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/" + library.toUtf8());
}

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT

private slots:
    // While the engine is being made (here: until the test lets it), every
    // text and stop returns at once; the engine is made on another thread,
    // at the first text, and then reads only the latest one.
    void anEngineThatDoesNotAnswerHoldsNoCaller()
    {
        QSemaphore gate;
        Log log;
        std::atomic<int> made = 0;
        std::atomic<QThread *> madeOn = nullptr;
        padmora::SpeechThread speech([&] {
            madeOn = QThread::currentThread();
            ++made;
            gate.acquire();
            return std::make_unique<FakeEngine>(log, QString());
        });
        speech.stop();
        QCOMPARE(made.load(), 0);

        QElapsedTimer took;
        took.start();
        QString why;
        QVERIFY(speech.say(QStringLiteral("Breathe in"), &why));
        QVERIFY(speech.say(QStringLiteral("Chant LAM"), &why));
        speech.stop();
        QVERIFY(speech.say(QStringLiteral("Breathe out"), &why));
        QTRY_COMPARE(made.load(), 1);
        QVERIFY2(took.elapsed() < 1000, qPrintable(QString::number(took.elapsed())));
        QVERIFY(madeOn.load() != QThread::currentThread());
        QVERIFY(log.lines().isEmpty());

        gate.release();
        QTRY_COMPARE(log.lines(), QStringList{QStringLiteral("say Breathe out")});
        QVERIFY(speech.say(QStringLiteral("Rest"), &why));
        QTRY_COMPARE(log.lines().size(), 2);
        speech.stop();
        QTRY_COMPARE(log.lines(),
                     (QStringList{QStringLiteral("say Breathe out"), QStringLiteral("say Rest"), QStringLiteral("stop")}));
        QCOMPARE(made.load(), 1);
    }

    // An engine that cannot speak is made once; the texts after it has said
    // so fail at once with its reason, and nothing is read.
    void anEngineThatCannotSpeakSaysWhy()
    {
        Log log;
        std::atomic<int> made = 0;
        padmora::SpeechThread speech([&] {
            ++made;
            return std::make_unique<FakeEngine>(log, QStringLiteral("no voice is installed"));
        });
        QString why;
        QVERIFY(speech.say(QStringLiteral("Breathe in"), &why));
        QTRY_VERIFY(!speech.say(QStringLiteral("Breathe out"), &why));
        QCOMPARE(why, QStringLiteral("no voice is installed"));
        speech.stop();
        QVERIFY(!speech.say(QStringLiteral("Rest"), &why));
        QCOMPARE(made.load(), 1);
        QTRY_COMPARE(made.load(), 1);
        QVERIFY(log.lines().isEmpty());
    }

    // Without its module the desktop reads nothing aloud and says which
    // file is missing; with it, Qt TextToSpeech comes in at the first text
    // and not before, and the text is handed over at once.
    void theDesktopLoadsSpeechAtTheFirstText()
    {
        {
            QTemporaryDir empty;
            qputenv("PADMORA_MODULE_DIR", empty.path().toUtf8());
            padmora::QtDesktop desktop;
            QString why;
            QVERIFY(!desktop.speak(QStringLiteral("Breathe in"), &why));
            QVERIFY2(why.startsWith(empty.path() + QStringLiteral("/libpadmora-speech.so cannot be loaded (")),
                     qPrintable(why));
        }
        qputenv("PADMORA_MODULE_DIR", PADMORA_BUILT_MODULES);
        padmora::QtDesktop desktop;
        desktop.stopSpeaking();
        QVERIFY(!mapped(QStringLiteral("libQt6TextToSpeech.so")));
        QElapsedTimer took;
        took.start();
        QString why;
        const bool handed = desktop.speak(QStringLiteral("Breathe in"), &why);
        QVERIFY2(took.elapsed() < 1000, qPrintable(QString::number(took.elapsed())));
        QVERIFY2(handed || !why.isEmpty(), "a text refused without a reason");
        QVERIFY(mapped(QStringLiteral("libQt6TextToSpeech.so")));
        desktop.stopSpeaking();
    }
};

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
