// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "harness/WaveFile.h"
#include "shell/CueStream.h"
#include "shell/SoundModule.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <functional>
#include <numeric>

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
    QByteArray fmtTail; // what follows the 16 bytes of a plain format
    QByteArray samples = QByteArray(8820, '\x11');
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
        return "RIFF" + le32(quint32(chunks.size() + 4)) + "WAVE" + chunks;
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
    return {
        .tag = 0x11, .bits = 4, .blockAlign = 1024, .fmtTail = le16(2) + le16(2041), .samples = QByteArray(8192, 0)};
}

// The process's peak of memory reserved (VmPeak) or resident (VmHWM).
qint64 peakKiB(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').front().toLongLong();
    }
    return 0;
}

qsizetype openDescriptors()
{
    return QDir(QStringLiteral("/proc/self/fd"))
        .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
        .size();
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

    // What SDL's disk driver was given to play by `cues` and until the last of them ended: written as fast
    // as it can, or at the pace a sound card takes it where how much played before a later call matters.
    enum class Pace { Fastest, RealTime };
    std::vector<qint16> heard(const std::function<void(SoundModule &)> &cues, Pace pace = Pace::Fastest,
                              std::chrono::milliseconds wait = 60s)
    {
        const QString output = path(QStringLiteral("played.raw"));
        qputenv("SDL_DISKAUDIOFILE", output.toLocal8Bit());
        if (pace == Pace::Fastest)
            qputenv("SDL_DISKAUDIODELAY", "0");
        else
            qunsetenv("SDL_DISKAUDIODELAY");
        useDriver("disk");
        {
            SoundModule sound;
            cues(sound);
            sound.finishPlaying(wait);
        }
        QFile played(output);
        if (!played.open(QIODevice::ReadOnly))
            return {};
        const QByteArray raw = played.readAll();
        std::vector<qint16> samples(std::size_t(raw.size()) / 2);
        if (!samples.empty())
            std::memcpy(samples.data(), raw.constData(), samples.size() * 2);
        return samples;
    }

private slots:
    // `make fuzz` keeps the files the rows below write, as the fuzzer's first inputs.
    void initTestCase() { folder.setAutoRemove(!qEnvironmentVariableIsSet("PELMAROOS_KEEP_CUE_ROWS")); }

    void init() { useDriver("dummy"); }

    // Each row is one way a file named like a cue can lie. Whatever it is, play() comes back (a FIFO that
    // were opened would block it for good), reserves no more memory than the cap allows, and a good cue
    // plays after it, holding no more files open than before.
    void everyFilePlaysOrIsRefusedSafely_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plays");
        const qint64 cap = CueStream::maxDecodedBytes;
        auto add = [this](const char *name, bool plays, const QByteArray &bytes) {
            writeFile(path(QLatin1String(name)), bytes);
            QTest::newRow(name) << QString::fromLatin1(name) << plays;
        };
        add("plain.wav", true, Wave {}.bytes());
        add("text.wav", false, "These are not the sounds you want.\n");
        add("header-only.wav", false, Wave {.samples = {}}.bytes());
        add("data-before-fmt.wav", false, Wave {.fmtFirst = false}.bytes());
        add("fmt-claims-4-gib.wav", false, Wave {.fmtSize = 0xFFFFFFF0u}.bytes());
        add("data-claims-2-gib.wav", true, Wave {.dataSize = 0x7FFFFFFFu}.bytes());
        add("no-channels.wav", false, Wave {.channels = 0}.bytes());
        add("rate-of-one.wav", false, Wave {.rate = 1}.bytes());
        // The slowest and fastest rates and the most channels a cue may have, and a rate just too fast.
        add("1-khz.wav", true, Wave {.rate = 1000}.bytes());
        add("768-khz-8-channels.wav", true, Wave {.channels = 8, .rate = 768000, .blockAlign = 16}.bytes());
        add("768001-hz.wav", false, Wave {.rate = 768001}.bytes());
        add("mp3-tagged.wav", false, Wave {.tag = 0x55}.bytes());
        // Decoded whole, so the samples' chunk's claim is cut to the file before the decoder reserves it,
        // after an odd chunk's padding.
        Wave adpcmClaims4GiB = adpcm();
        adpcmClaims4GiB.dataSize = 0xFFFFFFF0u;
        add("adpcm-data-claims-4-gib.wav", true,
            adpcmClaims4GiB.bytes().insert(12, QByteArray("LIST\3\0\0\0odd\0", 12)));
        adpcm().writeSparse(path(QStringLiteral("adpcm-decodes-past-cap.wav")), (cap / (2041 * 2) + 100) * 1024);
        QTest::newRow("adpcm-decodes-past-cap") << QStringLiteral("adpcm-decodes-past-cap.wav") << false;
        // Samples of every width are read as they play, so a file past the cap still plays.
        for (const quint16 bytes : {1, 2, 3, 4}) {
            const QString name = QStringLiteral("%1-bit-past-cap.wav").arg(bytes * 8);
            Wave {.bits = quint16(bytes * 8), .blockAlign = bytes}.writeSparse(path(name), (cap + 3000) * bytes);
            QTest::newRow(qPrintable(name)) << name << true;
        }
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
        const qint64 virtualBefore = peakKiB("VmPeak");
        const qsizetype descriptorsBefore = openDescriptors();
        QCOMPARE(sound.play(path(name)), plays);
        const qint64 reservedMiB = (peakKiB("VmPeak") - virtualBefore) / 1024;
        QVERIFY2(reservedMiB < 512, qPrintable(QStringLiteral("reserved %1 MiB").arg(reservedMiB)));
        QVERIFY(sound.play(path(QStringLiteral("plain.wav"))));
        QCOMPARE(openDescriptors(), descriptorsBefore);
    }

    void failsWithoutADeviceEveryTimeUntilOneTurnsUp()
    {
        useDriver("nosuch");
        writeFile(path(QStringLiteral("cue.wav")), waveBytes(constant(100, 5)));
        SoundModule sound;
        QVERIFY(!sound.play(path(QStringLiteral("cue.wav"))));
        useDriver("dummy");
        QVERIFY(sound.play(path(QStringLiteral("cue.wav"))));
    }

    // A cue that cannot be played silences the one playing as well, and then nothing is left to finish. The
    // farewell is waited for only so long: a longer one is cut there, and the game ends on time.
    void aNewCueReplacesTheOnePlaying_data()
    {
        QTest::addColumn<QString>("next");
        QTest::addColumn<std::size_t>("nextPlayed");
        QTest::addColumn<std::chrono::milliseconds>("wait");
        QTest::newRow("a cue that plays") << QStringLiteral("short.wav") << std::size_t(2205) << 60000ms;
        QTest::newRow("a missing cue") << QStringLiteral("missing.wav") << std::size_t(0) << 60000ms;
        QTest::newRow("none, a wait shorter than the cue") << QString() << std::size_t(0) << 200ms;
    }

    void aNewCueReplacesTheOnePlaying()
    {
        QFETCH(QString, next);
        QFETCH(std::size_t, nextPlayed);
        QFETCH(std::chrono::milliseconds, wait);
        constexpr std::size_t longLength = 22050 * 4;
        writeFile(path(QStringLiteral("long.wav")), waveBytes(constant(longLength, 1111)));
        writeFile(path(QStringLiteral("short.wav")), waveBytes(constant(2205, 2222)));
        const std::vector<qint16> samples = heard(
            [&](SoundModule &sound) {
                QVERIFY(sound.play(path(QStringLiteral("long.wav"))));
                if (!next.isEmpty())
                    QCOMPARE(sound.play(path(next)), nextPlayed > 0);
            },
            Pace::RealTime, wait);
        const auto longPlayed = std::size_t(std::count(samples.begin(), samples.end(), qint16(1111)));
        QCOMPARE(std::size_t(std::count(samples.begin(), samples.end(), qint16(2222))), nextPlayed);
        QVERIFY2(longPlayed < longLength / 4, qPrintable(QStringLiteral("%1 of the first cue").arg(longPlayed)));
    }

    // Each format the file's samples are read in as they stand, a level of 0x1234 in the device's 16 bits
    // (8 bits hold 0x12 of it), held for a second; a rate or channels other than the device's are
    // converted on the way, and resampling may move the level a little and its first and last few samples,
    // but neither loses the cue's end nor sounds anything after it.
    void everySampleFormatIsHeardAsWritten_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("heardLevel");
        auto level = [](const QByteArray &sample, Wave wave) {
            wave.samples = sample.repeated(qsizetype(wave.rate) * wave.channels);
            return wave.bytes();
        };
        QTest::newRow("8-bit") << level("\x92", {.bits = 8, .blockAlign = 1}) << 0x1200;
        QTest::newRow("16-bit") << level(le16(0x1234), {}) << 0x1234;
        QTest::newRow("32-bit") << level(le32(0x12345678), {.bits = 32, .blockAlign = 4}) << 0x1234;
        const float ratio = float(0x1234) / 32767;
        quint32 floatBits = 0;
        std::memcpy(&floatBits, &ratio, 4);
        QTest::newRow("float") << level(le32(floatBits), {.tag = 3, .bits = 32, .blockAlign = 4}) << 0x1234;
        QTest::newRow("extensible float")
            << level(le32(floatBits), {.tag = 0xFFFE,
                                       .bits = 32,
                                       .blockAlign = 4,
                                       .fmtTail = le16(22) + le16(32) + le32(4) + le16(3) + QByteArray(14, 'x')})
            << 0x1234;
        QTest::newRow("8 kHz") << level(le16(0x1234), {.rate = 8000}) << 0x1234;
        QTest::newRow("44.1 kHz stereo") << level(le16(0x1234), {.channels = 2, .rate = 44100, .blockAlign = 4})
                                         << 0x1234;
    }

    void everySampleFormatIsHeardAsWritten()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, heardLevel);
        writeFile(path(QStringLiteral("level.wav")), bytes);
        const std::vector<qint16> samples =
            heard([&](SoundModule &sound) { QVERIFY(sound.play(path(QStringLiteral("level.wav")))); });
        const auto atLevel = std::count_if(samples.begin(), samples.end(),
                                           [heardLevel](qint16 sample) { return std::abs(sample - heardLevel) <= 8; });
        QVERIFY2(atLevel > 22050 - 32, qPrintable(QStringLiteral("%1 samples at the level").arg(atLevel)));
        QVERIFY(
            std::ranges::none_of(samples, [heardLevel](qint16 sample) { return std::abs(sample) > 2 * heardLevel; }));
    }

    // Every sample is heard once, in its order, and nothing after the samples' chunk: a ramp of 1 to 11025,
    // read in many pieces; in 24 bits each level sits in the top 16 bits.
    void everySampleIsHeardOnceInItsOrder_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        constexpr int ramp = 11025;
        QByteArray bits16;
        QByteArray bits24;
        for (int level = 1; level <= ramp; ++level) {
            bits16 += le16(quint16(level));
            bits24 += QByteArray(1, '\0') + le16(quint16(level));
        }
        QTest::newRow("24-bit") << Wave {.bits = 24, .blockAlign = 3, .samples = bits24}.bytes();
        QByteArray followed = Wave {.samples = bits16}.bytes() + "LIST" + le32(8820) + QByteArray(8820, '\x77');
        followed.replace(4, 4, le32(quint32(followed.size() - 8)));
        QTest::newRow("a chunk after the samples") << followed;
    }

    void everySampleIsHeardOnceInItsOrder()
    {
        QFETCH(QByteArray, bytes);
        writeFile(path(QStringLiteral("ramp.wav")), bytes);
        const std::vector<qint16> samples =
            heard([&](SoundModule &sound) { QVERIFY(sound.play(path(QStringLiteral("ramp.wav")))); });
        std::vector<qint16> sounding;
        std::copy_if(samples.begin(), samples.end(), std::back_inserter(sounding),
                     [](qint16 sample) { return sample; });
        std::vector<qint16> ramp(11025);
        std::iota(ramp.begin(), ramp.end(), qint16(1));
        QCOMPARE(sounding.size(), ramp.size());
        // Where the first wrong sample is heard, if there is one.
        QCOMPARE(std::mismatch(sounding.begin(), sounding.end(), ramp.begin()).first - sounding.begin(),
                 std::ssize(ramp));
    }

    // A cue larger than the game could hold is read as it plays: heard to its last second while the
    // process's memory grows by a small part of it. 96 kHz stereo float, a hole in the file beyond the cap
    // of what is decoded whole, then a second at a level.
    void aCueLargerThanAnyBufferIsHeardToItsEnd()
    {
        const Wave wave {.tag = 3, .channels = 2, .rate = 96000, .bits = 32, .blockAlign = 8};
        const float value = 0.25f;
        quint32 floatBits = 0;
        std::memcpy(&floatBits, &value, 4);
        const QByteArray last = le32(floatBits).repeated(96000 * 2);
        const qint64 silence = CueStream::maxDecodedBytes + (16 << 20);
        const QString name = path(QStringLiteral("long-float.wav"));
        wave.writeSparse(name, silence + last.size());
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(file.size() - last.size()));
        QCOMPARE(file.write(last), last.size());
        file.close();

        const qint64 residentBefore = peakKiB("VmHWM");
        const std::vector<qint16> samples = heard([&](SoundModule &sound) { QVERIFY(sound.play(name)); });
        const qint64 grownMiB = (peakKiB("VmHWM") - residentBefore) / 1024;
        QVERIFY2(grownMiB < 16, qPrintable(QStringLiteral("grew by %1 MiB").arg(grownMiB)));
        const auto heardSilence = std::size_t(silence / 8 * 22050 / 96000);
        QVERIFY2(samples.size() > heardSilence + 22050 * 9 / 10, qPrintable(QString::number(samples.size())));
        const auto atLevel = std::count_if(samples.begin() + qsizetype(heardSilence), samples.end(),
                                           [](qint16 sample) { return std::abs(sample - 8191) <= 1; });
        QVERIFY2(atLevel > 22050 * 9 / 10, qPrintable(QStringLiteral("%1 samples at the level").arg(atLevel)));
    }
};

QTEST_GUILESS_MAIN(SoundTest)
#include "SoundTest.moc"
