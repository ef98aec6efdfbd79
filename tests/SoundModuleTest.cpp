#include "WaveFiles.h"
#include "shell/SoundModule.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace std::chrono_literals;
using namespace pelmaroos::shell;
using namespace pelmaroos::tests;

// The SDL sound service with SDL's own drivers: dummy (silent), disk (writes what it plays), and a
// driver name that does not exist, for a machine without sound.
class SoundModuleTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;

    QString path(const QString &name) const { return folder.filePath(name); }

    static void useDriver(const char *driver) { qputenv("SDL_AUDIODRIVER", driver); }

private slots:
    void init() { useDriver("dummy"); }

    void playsWaveFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("the cues' own format") << waveBytes(constantSamples(22050, 1000));
        QTest::newRow("converted from 44.1 kHz stereo") << waveBytes(constantSamples(8820, 1000), 44100, 2);
        QTest::newRow("a single sample") << waveBytes({42});
    }

    void playsWaveFiles()
    {
        QFETCH(QByteArray, bytes);
        writeFile(path(QStringLiteral("cue.wav")), bytes);
        SoundModule sound;
        QVERIFY(sound.play(path(QStringLiteral("cue.wav"))));
    }

    void refusesWhatCannotBePlayed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QStringLiteral("empty.wav") << QByteArray("");
        QTest::newRow("not a wave") << QStringLiteral("text.wav") << QByteArray("These are not the sounds you want.\n");
        QTest::newRow("header only") << QStringLiteral("header.wav") << waveBytes({});
        QTest::newRow("truncated header") << QStringLiteral("cut.wav") << waveBytes(constantSamples(100, 5)).left(30);
        QTest::newRow("directory") << QStringLiteral("folder.wav") << QByteArray();
    }

    void refusesWhatCannotBePlayed()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        if (name == QStringLiteral("folder.wav"))
            QVERIFY(QDir(folder.path()).mkpath(name));
        else
            writeFile(path(name), bytes);
        SoundModule sound;
        QVERIFY(!sound.play(path(name)));
        writeFile(path(QStringLiteral("good.wav")), waveBytes(constantSamples(100, 5)));
        QVERIFY(sound.play(path(QStringLiteral("good.wav"))));
    }

    void refusesAnUnreadableFile()
    {
        if (geteuid() == 0)
            QSKIP("root reads every file, so no file is unreadable here");
        writeFile(path(QStringLiteral("locked.wav")), waveBytes(constantSamples(100, 5)));
        QFile::setPermissions(path(QStringLiteral("locked.wav")), {});
        SoundModule sound;
        QVERIFY(!sound.play(path(QStringLiteral("locked.wav"))));
    }

    void failsWithoutADeviceEveryTime()
    {
        useDriver("nosuch");
        writeFile(path(QStringLiteral("cue.wav")), waveBytes(constantSamples(100, 5)));
        SoundModule sound;
        QVERIFY(!sound.play(path(QStringLiteral("cue.wav"))));
        QVERIFY(!sound.play(path(QStringLiteral("cue.wav"))));
        // A device that turns up later is used.
        useDriver("dummy");
        QVERIFY(sound.play(path(QStringLiteral("cue.wav"))));
    }

    // A cue that cannot be played silences the one playing as well, and then nothing is left to finish.
    void aNewCueReplacesTheOnePlaying_data()
    {
        QTest::addColumn<QString>("next");
        QTest::addColumn<std::size_t>("nextPlayed");
        QTest::newRow("a cue that plays") << QStringLiteral("short.wav") << std::size_t(2205);
        QTest::newRow("a missing cue") << QStringLiteral("missing.wav") << std::size_t(0);
    }

    void aNewCueReplacesTheOnePlaying()
    {
        QFETCH(QString, next);
        QFETCH(std::size_t, nextPlayed);
        const QString output = path(QStringLiteral("played.raw"));
        qputenv("SDL_DISKAUDIOFILE", output.toLocal8Bit());
        useDriver("disk");
        constexpr std::size_t longLength = 22050 * 4;
        writeFile(path(QStringLiteral("long.wav")), waveBytes(constantSamples(longLength, 1111)));
        writeFile(path(QStringLiteral("short.wav")), waveBytes(constantSamples(2205, 2222)));
        {
            SoundModule sound;
            QVERIFY(sound.play(path(QStringLiteral("long.wav"))));
            QCOMPARE(sound.play(path(next)), nextPlayed > 0);
            sound.finishPlaying(3s);
        }
        QFile played(output);
        QVERIFY(played.open(QIODevice::ReadOnly));
        const QByteArray raw = played.readAll();
        const auto *samples = reinterpret_cast<const qint16 *>(raw.constData());
        const auto count = std::size_t(raw.size()) / 2;
        const auto longPlayed = std::size_t(std::count(samples, samples + count, qint16(1111)));
        QCOMPARE(std::size_t(std::count(samples, samples + count, qint16(2222))), nextPlayed);
        QVERIFY2(longPlayed < longLength / 4,
                 qPrintable(QStringLiteral("%1 samples of the first cue").arg(longPlayed)));
    }
};

QTEST_GUILESS_MAIN(SoundModuleTest)
#include "SoundModuleTest.moc"
