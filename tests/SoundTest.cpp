// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "harness/WaveFile.h"
#include "shell/SoundModule.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace std::chrono_literals;
using namespace pelmaroos::harness;
using namespace pelmaroos::shell;

namespace {

// The parts of a wave file that can lie, each defaulting to the truth about 4410 mono 16-bit samples.
struct Wave {
    quint16 tag = 1;
    quint16 channels = 1;
    quint32 rate = 22050;
    quint16 bits = 16;
    quint16 blockAlign = 2;
    QByteArray fmtTail;   // what follows the 16 bytes of a plain format
    QByteArray samples = QByteArray(8820, '\x11');
    std::optional<quint32> riffSize;
    std::optional<quint32> fmtSize;
    std::optional<quint32> dataSize;
    bool fmtFirst = true;

    QByteArray fmtBody() const
    {
        return le16(tag) + le16(channels) + le32(rate) + le32(rate * blockAlign) + le16(blockAlign) + le16(bits) +
            fmtTail;
    }

    QByteArray bytes() const
    {
        const QByteArray body = fmtBody();
        const QByteArray fmt = "fmt " + le32(fmtSize.value_or(quint32(body.size()))) + body;
        const QByteArray data = "data" + le32(dataSize.value_or(quint32(samples.size()))) + samples;
        const QByteArray chunks = fmtFirst ? fmt + data : data + fmt;
        return "RIFF" + le32(riffSize.value_or(quint32(chunks.size() + 4))) + "WAVE" + chunks;
    }

    // The header alone, the samples left for the file system to hold as a hole.
    void writeSparse(const QString &path, qint64 sampleBytes) const
    {
        Wave header = *this;
        header.samples.clear();
        header.dataSize = quint32(sampleBytes);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(header.bytes());
        file.resize(file.size() + sampleBytes);
    }
};

// IMA ADPCM: 1024-byte blocks of 2041 samples, four times the size once decoded; zeros are silence.
Wave adpcm()
{
    return {.tag = 0x11, .bits = 4, .blockAlign = 1024, .fmtTail = le16(2) + le16(2041), .samples = QByteArray(8192, 0)};
}

qint64 peakVirtualKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmPeak:"))
            return line.mid(7).trimmed().split(' ').front().toLongLong();
    }
    return 0;
}

std::vector<qint16> constant(std::size_t count, qint16 value)
{
    return std::vector<qint16>(count, value);
}

} // namespace

// The SDL sound service with SDL's own drivers: dummy (silent), disk (writes what it plays), and a driver
// name that does not exist, for a machine without sound.
class SoundTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;

    QString path(const QString &name) const { return folder.filePath(name); }

    static void useDriver(const char *driver) { qputenv("SDL_AUDIODRIVER", driver); }

private slots:
    void init() { useDriver("dummy"); }

    // Each row is one way a file named like a cue can lie. Whatever it is, play() comes back (a FIFO that
    // were opened would block it for good), reserves no more memory than the cap allows, and a good cue
    // plays after it.
    void everyFilePlaysOrIsRefusedSafely_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plays");
        const qint64 cap = SoundModule::maxCueBytes;
        auto add = [this](const char *name, bool plays, const QByteArray &bytes) {
            writeFile(path(QLatin1String(name)), bytes);
            QTest::newRow(name) << QString::fromLatin1(name) << plays;
        };
        add("plain.wav", true, Wave {}.bytes());
        add("44k-stereo.wav", true, waveBytes(constant(8820, 1000), 44100, 2));
        add("empty.wav", false, {});
        add("text.wav", false, "These are not the sounds you want.\n");
        add("header-only.wav", false, Wave {.samples = {}}.bytes());
        add("cut-in-header.wav", false, Wave {}.bytes().left(30));
        add("data-before-fmt.wav", false, Wave {.fmtFirst = false}.bytes());
        add("riff-claims-4-gib.wav", true, Wave {.riffSize = 0xFFFFFFF0u}.bytes());
        add("fmt-claims-4-gib.wav", false, Wave {.fmtSize = 0xFFFFFFF0u}.bytes());
        add("data-claims-2-gib.wav", true, Wave {.dataSize = 0x7FFFFFFFu}.bytes());
        add("no-channels.wav", false, Wave {.channels = 0}.bytes());
        add("rate-of-one.wav", false, Wave {.rate = 1}.bytes());
        add("mp3-tagged.wav", false, Wave {.tag = 0x55}.bytes());
        add("adpcm.wav", true, adpcm().bytes());
        adpcm().writeSparse(path(QStringLiteral("adpcm-decodes-past-cap.wav")), (cap / (2041 * 2) + 100) * 1024);
        QTest::newRow("adpcm-decodes-past-cap") << QStringLiteral("adpcm-decodes-past-cap.wav") << false;
        Wave {.bits = 24, .blockAlign = 3}.writeSparse(path(QStringLiteral("24-bit-decodes-past-cap.wav")),
                                                       (cap / 4 + 3000) * 3);
        QTest::newRow("24-bit-decodes-past-cap") << QStringLiteral("24-bit-decodes-past-cap.wav") << false;
        Wave {}.writeSparse(path(QStringLiteral("seventy-mib.wav")), 70 << 20);
        QTest::newRow("seventy-mib") << QStringLiteral("seventy-mib.wav") << false;
        QTest::newRow("missing") << QStringLiteral("missing.wav") << false;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("folder.wav")));
        QTest::newRow("folder") << QStringLiteral("folder.wav") << false;
        QVERIFY(mkfifo(qPrintable(path(QStringLiteral("fifo.wav"))), 0600) == 0);
        QTest::newRow("fifo") << QStringLiteral("fifo.wav") << false;
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path(QStringLiteral("zero.wav"))));
        QTest::newRow("link to /dev/zero") << QStringLiteral("zero.wav") << false;
        QVERIFY(QFile::link(path(QStringLiteral("plain.wav")), path(QStringLiteral("link.wav"))));
        QTest::newRow("link to a cue") << QStringLiteral("link.wav") << true;
    }

    void everyFilePlaysOrIsRefusedSafely()
    {
        QFETCH(QString, name);
        QFETCH(bool, plays);
        SoundModule sound;
        QVERIFY(sound.play(path(QStringLiteral("plain.wav"))));
        const qint64 virtualBefore = peakVirtualKiB();
        QCOMPARE(sound.play(path(name)), plays);
        const qint64 reservedMiB = (peakVirtualKiB() - virtualBefore) / 1024;
        QVERIFY2(reservedMiB < 512, qPrintable(QStringLiteral("reserved %1 MiB").arg(reservedMiB)));
        QVERIFY(sound.play(path(QStringLiteral("plain.wav"))));
    }

    void failsWithoutADeviceEveryTimeUntilOneTurnsUp()
    {
        useDriver("nosuch");
        writeFile(path(QStringLiteral("cue.wav")), waveBytes(constant(100, 5)));
        SoundModule sound;
        QVERIFY(!sound.play(path(QStringLiteral("cue.wav"))));
        QVERIFY(!sound.play(path(QStringLiteral("cue.wav"))));
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
        writeFile(path(QStringLiteral("long.wav")), waveBytes(constant(longLength, 1111)));
        writeFile(path(QStringLiteral("short.wav")), waveBytes(constant(2205, 2222)));
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
        QVERIFY2(longPlayed < longLength / 4, qPrintable(QStringLiteral("%1 samples of the first cue").arg(longPlayed)));
    }
};

QTEST_GUILESS_MAIN(SoundTest)
#include "SoundTest.moc"
