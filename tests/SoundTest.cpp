// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "harness/WaveFile.h"
#include "shell/sound/CueStream.h"
#include "shell/sound/SoundModule.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <functional>
#include <numeric>

#include <sys/prctl.h>
#include <sys/stat.h>

using namespace std::chrono_literals;
using namespace pelmaroos::harness;
using namespace pelmaroos::shell;

namespace {

constexpr int sinkRate = 22050;
// Beyond what a cue decoded whole could take; files past it are read as they play.
constexpr qint64 largerThanAnyBuffer = 64 * 1024 * 1024;

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

// IMA ADPCM, mono: 1024-byte blocks of 2041 samples; a block whose header holds a level and whose samples
// are all zero stays at that level.
Wave imaAdpcm(qint16 level = 0, int blocks = 8)
{
    const QByteArray block = le16(quint16(level)) + QByteArray(1022, '\0');
    return {
        .tag = 0x11, .bits = 4, .blockAlign = 1024, .fmtTail = le16(2) + le16(2041), .samples = block.repeated(blocks)};
}

// Microsoft ADPCM, mono, with the standard coefficient table: 256-byte blocks of 500 samples; a block that
// starts at a level with the first predictor and whose samples are all zero stays at that level.
Wave microsoftAdpcm(qint16 level)
{
    const QByteArray coefficients = le16(256) + le16(0) + le16(512) + le16(quint16(-256)) + le16(0) + le16(0) +
                                    le16(192) + le16(64) + le16(240) + le16(0) + le16(460) + le16(quint16(-208)) +
                                    le16(392) + le16(quint16(-232));
    const QByteArray block =
        QByteArray(1, '\0') + le16(16) + le16(quint16(level)) + le16(quint16(level)) + QByteArray(249, '\0');
    return {.tag = 0x02,
            .bits = 4,
            .blockAlign = 256,
            .fmtTail = le16(32) + le16(500) + le16(7) + coefficients,
            .samples = block.repeated(88)};
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

// A stream that starts on a sink that plays already loses its first few milliseconds to the server's mixing
// (pacat's do too), so a cue whose every sample is counted leads in with a tenth of a second of silence.
constexpr int leadIn = 2205;

std::vector<qint16> samplesOf(const QByteArray &raw)
{
    std::vector<qint16> samples(std::size_t(raw.size()) / 2);
    if (!samples.empty())
        std::memcpy(samples.data(), raw.constData(), samples.size() * 2);
    return samples;
}

// Everything the reader gives of a file, with the most it held at once.
struct Read {
    std::vector<qint16> samples;
    qsizetype largestPiece = 0;
};

Read readWhole(const QString &path)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return {};
    const std::unique_ptr<CueStream> cue = CueStream::open(std::move(file));
    if (!cue)
        return {};
    Read read;
    QByteArray all;
    for (QByteArrayView piece = cue->next(4096); !piece.isEmpty(); piece = cue->next(4096)) {
        read.largestPiece = std::max(read.largestPiece, piece.size());
        all.append(piece);
    }
    read.samples = samplesOf(all);
    return read;
}

// A process the test starts is killed when the test ends, even by a crash.
void endsWithTheTest(QProcess &process)
{
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

// A PulseAudio of the test's own, as a desktop runs one, whose one sink, a null sink at the cues' rate,
// plays to nobody; what it plays is recorded from its monitor. A silent stream plays beside the cues: a
// null sink alone renders ahead of the clock, and a short cue would be recorded only in part.
class PrivateSoundServer
{
public:
    bool start()
    {
        for (const char *tool : {"pulseaudio", "pactl", "parec", "pacat"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                return false;
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"XDG_RUNTIME_DIR", "HOME", "XDG_CONFIG_HOME"})
            environment.insert(QLatin1String(variable), m_folder.path());
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        environment.insert(QStringLiteral("PULSE_SERVER"), address());
        for (QProcess *process : {&m_server, &m_silence}) {
            process->setProcessEnvironment(environment);
            endsWithTheTest(*process);
        }
        m_server.setStandardOutputFile(m_folder.filePath(QStringLiteral("server.log")));
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start(QStringLiteral("pulseaudio"),
                       {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                        QStringLiteral("--system=false"), QStringLiteral("--disallow-module-loading"),
                        QStringLiteral("-L"),
                        QStringLiteral("module-null-sink sink_name=capture rate=%1 channels=1").arg(sinkRate),
                        QStringLiteral("-L"), QStringLiteral("module-native-protocol-unix")});
        QProcess probe;
        probe.setProcessEnvironment(environment);
        const bool answers = QTest::qWaitFor(
            [&] {
                probe.start(QStringLiteral("pactl"), {QStringLiteral("info")});
                return probe.waitForFinished() && probe.exitCode() == 0;
            },
            20000);
        if (!answers)
            return false;
        m_silence.start(QStringLiteral("pacat"),
                        {QStringLiteral("--raw"), QStringLiteral("--latency-msec=20"), QStringLiteral("/dev/zero")});
        return m_silence.waitForStarted();
    }

    ~PrivateSoundServer()
    {
        for (QProcess *process : {&m_silence, &m_server}) {
            process->kill();
            process->waitForFinished();
        }
    }

    QString address() const { return QStringLiteral("unix:%1/pulse/native").arg(m_folder.path()); }
    QProcessEnvironment environment() const { return m_server.processEnvironment(); }

private:
    QTemporaryDir m_folder;
    QProcess m_server;
    QProcess m_silence;
};

} // namespace

// The sound service through a sound server of the test's own, as a desktop's: what it plays is recorded from
// the server's sink; and the cue reader alone, for what no ear could tell apart.
class SoundTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    PrivateSoundServer server;

    QString path(const QString &name) const { return folder.filePath(name); }

    // ALSA's default device as a configuration file describes it: none, or one that writes what it is given.
    // Each has a file of its own: ALSA reads a file again only when it has another name or time.
    void useAlsa(const QString &name, const QByteArray &configuration)
    {
        writeFile(path(name), configuration);
        qputenv("ALSA_CONFIG_PATH", path(name).toLocal8Bit());
    }

    // What the server's sink played while `cues` ran and until the last of them ended, as 16-bit samples at
    // the sink's rate.
    std::vector<qint16> heard(const std::function<void(SoundModule &)> &cues, std::chrono::milliseconds wait = 60s)
    {
        const QString output = path(QStringLiteral("heard.raw"));
        QProcess recorder;
        recorder.setProcessEnvironment(server.environment());
        endsWithTheTest(recorder);
        recorder.setStandardOutputFile(output, QIODevice::Truncate);
        recorder.start(QStringLiteral("parec"),
                       {QStringLiteral("-d"), QStringLiteral("capture.monitor"), QStringLiteral("--format=s16le"),
                        QStringLiteral("--rate=%1").arg(sinkRate), QStringLiteral("--channels=1"),
                        QStringLiteral("--latency-msec=20"), QStringLiteral("--raw")});
        const auto recorded = [&output] { return QFileInfo(output).size(); };
        if (!QTest::qWaitFor([&] { return recorded() > 0; }, 20000))
            return {};
        {
            SoundModule sound;
            cues(sound);
            sound.finishPlaying(wait);
        }
        // The monitor is a little behind the sink: a fifth of a second more is recorded.
        const qint64 ended = recorded();
        if (!QTest::qWaitFor([&] { return recorded() > ended + sinkRate / 5 * 2; }, 20000))
            return {};
        recorder.terminate();
        recorder.waitForFinished();
        QFile played(output);
        return played.open(QIODevice::ReadOnly) ? samplesOf(played.readAll()) : std::vector<qint16> {};
    }

private slots:
    void initTestCase()
    {
        // `make fuzz` keeps the files the rows below write, as the fuzzer's first inputs.
        folder.setAutoRemove(!qEnvironmentVariableIsSet("PELMAROOS_KEEP_CUE_ROWS"));
        if (!server.start())
            QSKIP("PulseAudio and its tools (Debian's pulseaudio, pulseaudio-utils) are needed to hear the cues");
    }

    // Only the server plays, unless a test picks an ALSA device.
    void init()
    {
        qputenv("PULSE_SERVER", server.address().toLocal8Bit());
        useAlsa(QStringLiteral("no-device.conf"), {});
    }

    // Each row is one way a file named like a cue can lie. Whatever it is, play() comes back (a FIFO that
    // were opened would block it for good), reserves no more memory than a piece of the cue, and a good cue
    // plays after it; once the sound service has gone, no file it opened is left open.
    void everyFilePlaysOrIsRefusedSafely_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plays");
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
        add("9-channels.wav", false, Wave {.channels = 9, .blockAlign = 18}.bytes());
        add("rate-of-one.wav", false, Wave {.rate = 1}.bytes());
        // The slowest rate a cue may have, the most channels at a rate the server takes, and a rate just too
        // fast for any.
        add("1-khz.wav", true, Wave {.rate = 1000}.bytes());
        add("192-khz-8-channels.wav", true, Wave {.channels = 8, .rate = 192000, .blockAlign = 16}.bytes());
        add("768001-hz.wav", false, Wave {.rate = 768001}.bytes());
        add("mp3-tagged.wav", false, Wave {.tag = 0x55}.bytes());
        add("64-bit-float.wav", false, Wave {.tag = 3, .bits = 64, .blockAlign = 8}.bytes());
        add("a-law.wav", true, Wave {.tag = 6, .bits = 8, .blockAlign = 1}.bytes());
        add("mu-law.wav", true, Wave {.tag = 7, .bits = 8, .blockAlign = 1}.bytes());
        // ADPCM whose blocks cannot hold their own headers, or whose samples' chunk claims more than the file
        // holds, after an odd chunk's padding.
        add("adpcm-block-smaller-than-header.wav", false,
            Wave {.tag = 0x11, .channels = 2, .bits = 4, .blockAlign = 4}.bytes());
        Wave adpcmClaims4GiB = imaAdpcm();
        adpcmClaims4GiB.dataSize = 0xFFFFFFF0u;
        add("adpcm-data-claims-4-gib.wav", true,
            adpcmClaims4GiB.bytes().insert(12, QByteArray("LIST\3\0\0\0odd\0", 12)));
        add("microsoft-adpcm-predictor-past-table.wav", true,
            microsoftAdpcm(100).bytes().replace(12 + 8 + 50 + 8, 1, "\x07"));
        // A file of endless tiny chunks is not walked: 256 chunks at most, the format's and the samples' included.
        const QByteArray tiny = QByteArray("junk") + le32(0);
        add("254-chunks-first.wav", true, Wave {}.bytes().insert(12, tiny.repeated(254)));
        add("255-chunks-first.wav", false, Wave {}.bytes().insert(12, tiny.repeated(255)));
        // Samples of every width, and ADPCM, are read as they play, so a file of any size plays.
        for (const quint16 bytes : {1, 2, 3, 4}) {
            const QString name = QStringLiteral("%1-bit-past-64-mib.wav").arg(bytes * 8);
            Wave {.bits = quint16(bytes * 8), .blockAlign = bytes}.writeSparse(path(name), largerThanAnyBuffer * bytes);
            QTest::newRow(qPrintable(name)) << name << true;
        }
        imaAdpcm().writeSparse(path(QStringLiteral("adpcm-past-64-mib.wav")), largerThanAnyBuffer);
        QTest::newRow("adpcm-past-64-mib") << QStringLiteral("adpcm-past-64-mib.wav") << true;
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
        const qsizetype descriptorsBefore = openDescriptors();
        {
            SoundModule sound;
            QVERIFY(sound.play(path(QStringLiteral("plain.wav"))));
            const qint64 virtualBefore = peakKiB("VmPeak");
            QCOMPARE(sound.play(path(name)), plays);
            const qint64 reservedMiB = (peakKiB("VmPeak") - virtualBefore) / 1024;
            QVERIFY2(reservedMiB < 64, qPrintable(QStringLiteral("reserved %1 MiB").arg(reservedMiB)));
            QVERIFY(sound.play(path(QStringLiteral("plain.wav"))));
        }
        QCOMPARE(openDescriptors(), descriptorsBefore);
    }

    // No server and no sound card: every cue fails, until a server answers again.
    void failsWithoutADeviceEveryTimeUntilOneTurnsUp()
    {
        qputenv("PULSE_SERVER", "unix:" + path(QStringLiteral("no-server")).toLocal8Bit());
        writeFile(path(QStringLiteral("cue.wav")), waveBytes(constant(100, 5)));
        SoundModule sound;
        QVERIFY(!sound.play(path(QStringLiteral("cue.wav"))));
        QVERIFY(!sound.play(path(QStringLiteral("cue.wav"))));
        qputenv("PULSE_SERVER", server.address().toLocal8Bit());
        QVERIFY(sound.play(path(QStringLiteral("cue.wav"))));
    }

    // With no server, the cue goes to ALSA's default device, here one that writes what it is given.
    void withoutAServerTheDefaultDeviceIsHeard()
    {
        qputenv("PULSE_SERVER", "unix:" + path(QStringLiteral("no-server")).toLocal8Bit());
        const QString written = path(QStringLiteral("alsa.raw"));
        useAlsa(QStringLiteral("file-device.conf"), "pcm.!default { type file slave.pcm { type null } file \"" +
                                                        written.toLocal8Bit() + "\" format raw }\n");
        std::vector<qint16> ramp(2205);
        std::iota(ramp.begin(), ramp.end(), qint16(1));
        writeFile(path(QStringLiteral("ramp.wav")), waveBytes(ramp));
        {
            SoundModule sound;
            QVERIFY(sound.play(path(QStringLiteral("ramp.wav"))));
            sound.finishPlaying(60s);
        }
        QFile device(written);
        QVERIFY(device.open(QIODevice::ReadOnly));
        QCOMPARE(samplesOf(device.readAll()), ramp);
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
        std::vector<qint16> shortCue = constant(leadIn, 0);
        shortCue.insert(shortCue.end(), 2205, 2222);
        writeFile(path(QStringLiteral("short.wav")), waveBytes(shortCue));
        const std::vector<qint16> samples = heard(
            [&](SoundModule &sound) {
                QVERIFY(sound.play(path(QStringLiteral("long.wav"))));
                if (!next.isEmpty())
                    QCOMPARE(sound.play(path(next)), nextPlayed > 0);
            },
            wait);
        const auto longPlayed = std::size_t(std::count(samples.begin(), samples.end(), qint16(1111)));
        QCOMPARE(std::size_t(std::count(samples.begin(), samples.end(), qint16(2222))), nextPlayed);
        QVERIFY2(longPlayed < longLength / 4, qPrintable(QStringLiteral("%1 of the first cue").arg(longPlayed)));
    }

    // Each format a file's samples may come in, at a level of 0x1234 in 16 bits (8 bits hold 0x12 of it), held
    // for a second or so; the server converts the samples, their rate and their channels to its sink's, which
    // may move the level a little, but loses nothing of the cue and sounds nothing after it.
    void everySampleFormatIsHeardAsWritten_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("heardLevel");
        QTest::addColumn<int>("heardSamples");
        auto level = [](const QByteArray &sample, Wave wave) {
            wave.samples = sample.repeated(qsizetype(wave.rate) * wave.channels);
            return wave.bytes();
        };
        QTest::newRow("8-bit") << level("\x92", {.bits = 8, .blockAlign = 1}) << 0x1200 << sinkRate;
        QTest::newRow("16-bit") << level(le16(0x1234), {}) << 0x1234 << sinkRate;
        QTest::newRow("24-bit") << level(QByteArray(1, '\x56') + le16(0x1234), {.bits = 24, .blockAlign = 3}) << 0x1234
                                << sinkRate;
        QTest::newRow("32-bit") << level(le32(0x12345678), {.bits = 32, .blockAlign = 4}) << 0x1234 << sinkRate;
        const float ratio = float(0x1234) / 32768;
        quint32 floatBits = 0;
        std::memcpy(&floatBits, &ratio, 4);
        QTest::newRow("float") << level(le32(floatBits), {.tag = 3, .bits = 32, .blockAlign = 4}) << 0x1234 << sinkRate;
        QTest::newRow("extensible float")
            << level(le32(floatBits), {.tag = 0xFFFE,
                                       .bits = 32,
                                       .blockAlign = 4,
                                       .fmtTail = le16(22) + le16(32) + le32(4) + le16(3) + QByteArray(14, 'x')})
            << 0x1234 << sinkRate;
        QTest::newRow("8 kHz") << level(le16(0x1234), {.rate = 8000}) << 0x1234 << sinkRate;
        QTest::newRow("44.1 kHz stereo") << level(le16(0x1234), {.channels = 2, .rate = 44100, .blockAlign = 4})
                                         << 0x1234 << sinkRate;
        QTest::newRow("IMA ADPCM") << imaAdpcm(0x1234, 11).bytes() << 0x1234 << 11 * 2041;
        QTest::newRow("Microsoft ADPCM") << microsoftAdpcm(0x1234).bytes() << 0x1234 << 88 * 500;
    }

    void everySampleFormatIsHeardAsWritten()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, heardLevel);
        QFETCH(int, heardSamples);
        writeFile(path(QStringLiteral("level.wav")), bytes);
        const std::vector<qint16> samples =
            heard([&](SoundModule &sound) { QVERIFY(sound.play(path(QStringLiteral("level.wav")))); });
        // Within a percent and a half of the level, which any conversion keeps.
        const auto atLevel = std::count_if(samples.begin(), samples.end(), [heardLevel](qint16 sample) {
            return std::abs(sample - heardLevel) <= heardLevel / 64;
        });
        QVERIFY2(atLevel > heardSamples * 95 / 100, qPrintable(QStringLiteral("%1 samples at the level").arg(atLevel)));
        QVERIFY2(atLevel <= heardSamples + sinkRate / 100,
                 qPrintable(QStringLiteral("%1 samples at the level").arg(atLevel)));
        QVERIFY(
            std::ranges::none_of(samples, [heardLevel](qint16 sample) { return std::abs(sample) > 2 * heardLevel; }));
    }

    // Every sample is heard once, in its order, and nothing after the samples' chunk: a ramp of 1 to 11025,
    // read in many pieces; in 24 bits each level sits in the top 16 bits.
    void everySampleIsHeardOnceInItsOrder_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        constexpr int ramp = 11025;
        QByteArray bits16(2 * leadIn, '\0');
        QByteArray bits24(3 * leadIn, '\0');
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

    // ADPCM as its two formats define it: each block's header starts it afresh; IMA's samples come in groups of
    // eight for each channel in turn, the low half of a byte first; Microsoft's in the order of the channels,
    // the high half first, after the header's two samples, the second first. Each expected sample was
    // worked out by hand from the formats' tables; a block cut short gives its whole frames alone.
    void adpcmDecodesAsItsFormatDefines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<std::vector<qint16>>("expected");
        const QByteArray imaMono = le16(0) + QByteArray("\0\0", 2) + QByteArray("\x44\x7C\x21\x09", 4);
        const Wave ima {.tag = 0x11, .bits = 4, .blockAlign = 8, .fmtTail = le16(2) + le16(9), .samples = imaMono};
        QTest::newRow("IMA") << ima.bytes() << std::vector<qint16> {0, 7, 17, 5, 28, 38, 53, 46, 48};
        Wave imaStereo = ima;
        imaStereo.channels = 2;
        imaStereo.blockAlign = 16;
        imaStereo.samples = le16(0) + QByteArray("\0\0", 2) + le16(1000) + QByteArray("\0\0", 2) +
                            QByteArray("\x44\x7C\x21\x09", 4) + QByteArray(4, '\0');
        QTest::newRow("IMA stereo") << imaStereo.bytes()
                                    << std::vector<qint16> {0,    1000, 7,    1000, 17,   1000, 5,    1000, 28,
                                                            1000, 38,   1000, 53,   1000, 46,   1000, 48,   1000};
        Wave imaHeadersOnly = ima;
        imaHeadersOnly.blockAlign = 4;
        imaHeadersOnly.fmtTail = le16(2) + le16(1);
        imaHeadersOnly.samples = le16(1234) + QByteArray("\0\0", 2) + le16(-5) + QByteArray("\0\0", 2);
        QTest::newRow("IMA, blocks of a header alone") << imaHeadersOnly.bytes() << std::vector<qint16> {1234, -5};
        Wave imaCut = ima;
        imaCut.samples.chop(2);
        QTest::newRow("IMA cut short") << imaCut.bytes() << std::vector<qint16> {0};
        const QByteArray microsoftMono = QByteArray("\x01", 1) + le16(16) + le16(100) + le16(50) + "\x1F\x48";
        const Wave microsoft {
            .tag = 0x02, .bits = 4, .blockAlign = 9, .fmtTail = le16(4) + le16(6) + le16(0), .samples = microsoftMono};
        QTest::newRow("Microsoft") << microsoft.bytes() << std::vector<qint16> {50, 100, 166, 216, 330, 292};
        Wave microsoftCut = microsoft;
        microsoftCut.samples.chop(1);
        QTest::newRow("Microsoft cut short") << microsoftCut.bytes() << std::vector<qint16> {50, 100, 166, 216};
    }

    void adpcmDecodesAsItsFormatDefines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(std::vector<qint16>, expected);
        writeFile(path(QStringLiteral("adpcm.wav")), bytes);
        QCOMPARE(readWhole(path(QStringLiteral("adpcm.wav"))).samples, expected);
    }

    // A cue larger than the game could hold is read as it plays, in pieces, to its last second: 96 kHz stereo
    // float, a hole in the file past any buffer's size, then a second at a level.
    void aCueLargerThanAnyBufferIsReadToItsEnd()
    {
        const Wave wave {.tag = 3, .channels = 2, .rate = 96000, .bits = 32, .blockAlign = 8};
        const float value = 0.25f;
        quint32 floatBits = 0;
        std::memcpy(&floatBits, &value, 4);
        const QByteArray last = le32(floatBits).repeated(96000 * 2);
        const qint64 silence = largerThanAnyBuffer + (16 << 20);
        const QString name = path(QStringLiteral("long-float.wav"));
        wave.writeSparse(name, silence + last.size());
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(file.size() - last.size()));
        QCOMPARE(file.write(last), last.size());
        file.close();

        auto stream = std::make_unique<QFile>(name);
        QVERIFY(stream->open(QIODevice::ReadOnly));
        const std::unique_ptr<CueStream> cue = CueStream::open(std::move(stream));
        QVERIFY(cue);
        qint64 total = 0;
        QByteArray end;
        for (QByteArrayView piece = cue->next(4096); !piece.isEmpty(); piece = cue->next(4096)) {
            QVERIFY(piece.size() <= 4096);
            total += piece.size();
            end = piece.last(8).toByteArray();
        }
        QCOMPARE(total, silence + last.size());
        QCOMPARE(end, le32(floatBits).repeated(2));
    }
};

QTEST_GUILESS_MAIN(SoundTest)
#include "SoundTest.moc"
