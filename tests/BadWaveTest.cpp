#include "Fakes.h"
#include "WaveFiles.h"
#include "shell/Runtime.h"
#include "shell/SoundCues.h"
#include "shell/SoundModule.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <random>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::chrono_literals;
using namespace pelmaroos::shell;
using namespace pelmaroos::tests;

namespace {

constexpr quint32 riffId = 0x46464952;
constexpr quint32 waveId = 0x45564157;
constexpr quint32 fmtId = 0x20746d66;
constexpr quint32 dataId = 0x61746164;
constexpr quint32 listId = 0x5453494c;

QByteArray le32(quint32 value)
{
    const quint32 little = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&little), 4);
}

QByteArray le16(quint16 value)
{
    const quint16 little = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&little), 2);
}

struct Format {
    quint16 tag = 1;
    quint32 channels = 1;
    quint32 rate = 22050;
    quint16 bits = 16;
    std::optional<quint32> byteRate;
    std::optional<quint16> blockAlign;
};

QByteArray chunk(quint32 id, const QByteArray &body, std::optional<quint32> declared = {})
{
    QByteArray bytes = le32(id) + le32(declared.value_or(quint32(body.size()))) + body;
    if (body.size() % 2)
        bytes.append('\0');
    return bytes;
}

QByteArray fmtBody(const Format &format)
{
    const quint16 blockAlign = format.blockAlign.value_or(quint16(format.channels * format.bits / 8));
    return le16(format.tag) + le16(quint16(format.channels)) + le32(format.rate) +
        le32(format.byteRate.value_or(format.rate * blockAlign)) + le16(blockAlign) + le16(format.bits);
}

// IMA ADPCM, mono, 1024-byte blocks of 2041 samples each: a block of zeros is valid silence, 4 times the size
// once decoded.
QByteArray imaAdpcmFormat()
{
    return fmtBody({.tag = 0x11, .bits = 4, .byteRate = 11100, .blockAlign = 1024}) + le16(2) + le16(2041);
}

QByteArray riff(const QByteArray &chunks, std::optional<quint32> declared = {})
{
    return le32(riffId) + le32(declared.value_or(quint32(chunks.size() + 4))) + le32(waveId) + chunks;
}

QByteArray samples(int count, int bytesPerSample = 2)
{
    QByteArray bytes(count * bytesPerSample, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 37) % 251);
    return bytes;
}

QByteArray wave(const Format &format, const QByteArray &data)
{
    return riff(chunk(fmtId, fmtBody(format)) + chunk(dataId, data));
}

// What all the files together may add to the peak memory; AddressSanitizer keeps up to 256 MiB of freed
// memory in quarantine besides.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 memoryBudgetMiB = 200 + 256;
#else
constexpr qint64 memoryBudgetMiB = 200;
#endif

// Allowed outcomes of one file.
enum class Expect { Plays, Refused, Either };

struct Case {
    QString name;
    Expect expect;
};

qint64 peakResidentKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The largest address space the process has had, from the kernel's own count.
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

// A file whose header declares `dataBytes` of samples, all there, without holding them in memory.
void writeSparseWave(const QString &path, const QByteArray &format, qint64 dataBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    const QByteArray fmt = chunk(fmtId, format);
    file.write(le32(riffId) + le32(quint32(4 + fmt.size() + 8 + dataBytes)) + le32(waveId) + fmt + le32(dataId) +
               le32(quint32(dataBytes)));
    file.resize(file.size() + dataBytes);
}

} // namespace

// Hostile and broken wave files where the cues belong: each plays or gives the warning, quickly, in bounded
// memory, and never blocks, whatever it is.
class BadWaveTest final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    std::vector<Case> corpus;
    quint32 seed = 20260601;

    QString path(const QString &name) const { return folder.filePath(name); }

    void add(const QString &name, const QByteArray &bytes, Expect expect = Expect::Either)
    {
        writeFile(path(name), bytes);
        corpus.push_back({name, expect});
    }

    void addTruncations(const QString &stem, const QByteArray &whole)
    {
        // Every chunk boundary, a few bytes either side of it, and a spread of offsets through the samples.
        std::vector<qsizetype> cuts;
        for (qsizetype at = 12; at + 8 <= whole.size();) {
            for (qsizetype near = at - 3; near <= at + 9; ++near)
                cuts.push_back(near);
            at += 8 + qFromLittleEndian<quint32>(whole.constData() + at + 4);
        }
        for (qsizetype at = 0; at < 64; ++at)
            cuts.push_back(at);
        for (qsizetype at = 64; at < whole.size(); at += 211)
            cuts.push_back(at);
        std::ranges::sort(cuts);
        const auto [first, last] = std::ranges::unique(cuts);
        cuts.erase(first, last);
        for (qsizetype cut : cuts) {
            if (cut >= 0 && cut < whole.size())
                add(QStringLiteral("%1-cut-%2.wav").arg(stem).arg(cut), whole.left(cut));
        }
    }

    void buildCorpus()
    {
        const QByteArray pcm = samples(4410);
        const QByteArray valid = wave({}, pcm);
        add(QStringLiteral("valid.wav"), valid, Expect::Plays);
        add(QStringLiteral("valid-44k-stereo.wav"), wave({.channels = 2, .rate = 44100}, samples(4410 * 2)),
            Expect::Plays);
        add(QStringLiteral("valid-8bit.wav"), wave({.bits = 8}, samples(4410, 1)), Expect::Plays);
        add(QStringLiteral("valid-24bit.wav"), wave({.bits = 24}, samples(4410, 3)), Expect::Plays);
        add(QStringLiteral("valid-odd-chunk.wav"),
            riff(chunk(listId, QByteArray("INFOISFT\x05\0\0\0Sox", 15)) + chunk(fmtId, fmtBody({})) +
                 chunk(dataId, pcm)),
            Expect::Plays);

        addTruncations(QStringLiteral("plain"), valid);
        addTruncations(QStringLiteral("listed"),
                       riff(chunk(fmtId, fmtBody({})) + chunk(listId, QByteArray(40, 'x')) + chunk(dataId, pcm)));

        // Declared sizes that lie.
        for (quint32 size : {0u, 1u, 8u, 13u, 15u, 17u, 1000u, 0x7FFFFFFFu, 0xFFFFFFF0u, 0xFFFFFFFFu}) {
            add(QStringLiteral("fmt-size-%1.wav").arg(size),
                riff(chunk(fmtId, fmtBody({}), size) + chunk(dataId, pcm)));
            add(QStringLiteral("data-size-%1.wav").arg(size),
                riff(chunk(fmtId, fmtBody({})) + chunk(dataId, pcm, size)));
            add(QStringLiteral("riff-size-%1.wav").arg(size),
                riff(chunk(fmtId, fmtBody({})) + chunk(dataId, pcm), size));
            add(QStringLiteral("list-size-%1.wav").arg(size),
                riff(chunk(listId, QByteArray(8, 'y'), size) + chunk(fmtId, fmtBody({})) + chunk(dataId, pcm)));
        }
        add(QStringLiteral("huge-everything.wav"),
            riff(chunk(fmtId, fmtBody({}), 0xFFFFFFF0u) + chunk(dataId, pcm, 0xFFFFFFF0u), 0xFFFFFFF0u));

        // Absurd formats.
        for (quint32 rate : {0u, 1u, 2u, 7u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu})
            add(QStringLiteral("rate-%1.wav").arg(rate), wave({.rate = rate, .byteRate = 44100}, samples(64)));
        for (quint32 channels : {0u, 3u, 9u, 255u, 256u, 65535u})
            add(QStringLiteral("channels-%1.wav").arg(channels),
                wave({.channels = channels, .blockAlign = quint16(2 * channels)}, pcm));
        for (quint16 bits : {quint16(0), quint16(1), quint16(7), quint16(12), quint16(24), quint16(32), quint16(64),
                             quint16(65535)})
            add(QStringLiteral("bits-%1.wav").arg(bits), wave({.bits = bits}, pcm));
        for (quint16 tag : {quint16(0), quint16(2), quint16(3), quint16(6), quint16(7), quint16(0x11), quint16(0x55),
                            quint16(0xFFFE), quint16(0xFFFF)}) {
            add(QStringLiteral("tag-%1.wav").arg(tag), wave({.tag = tag}, pcm));
            add(QStringLiteral("tag-%1-long-fmt.wav").arg(tag),
                riff(chunk(fmtId, fmtBody({.tag = tag, .bits = 4, .blockAlign = 256}) + le16(1046) +
                                      samples(523, 2)) + chunk(dataId, pcm)));
        }
        for (quint16 blockAlign : {quint16(0), quint16(1), quint16(3), quint16(4096), quint16(65535)})
            add(QStringLiteral("block-align-%1.wav").arg(blockAlign), wave({.blockAlign = blockAlign}, pcm));

        // Chunks out of place, twice over, or far too many.
        add(QStringLiteral("data-before-fmt.wav"), riff(chunk(dataId, pcm) + chunk(fmtId, fmtBody({}))));
        add(QStringLiteral("two-fmt.wav"),
            riff(chunk(fmtId, fmtBody({})) + chunk(fmtId, fmtBody({.channels = 255, .rate = 1})) + chunk(dataId, pcm)));
        add(QStringLiteral("two-data.wav"),
            riff(chunk(fmtId, fmtBody({})) + chunk(dataId, pcm, 0xFFFFFFF0u) + chunk(dataId, pcm)));
        add(QStringLiteral("no-data.wav"), riff(chunk(fmtId, fmtBody({}))));
        add(QStringLiteral("no-fmt.wav"), riff(chunk(dataId, pcm)));
        add(QStringLiteral("no-riff.wav"), le32(waveId) + chunk(fmtId, fmtBody({})) + chunk(dataId, pcm));
        QByteArray crowd;
        for (int i = 0; i < 20000; ++i)
            crowd += chunk(listId, {});
        add(QStringLiteral("twenty-thousand-chunks.wav"), riff(crowd + chunk(fmtId, fmtBody({})) + chunk(dataId, pcm)));

        // Random bytes, and valid files with random bytes changed: seeded, so a failure can be repeated.
        std::mt19937 random(seed);
        auto byte = [&random] { return char(random() & 0xFF); };
        for (int i = 0; i < 150; ++i) {
            QByteArray noise(int(random() % 4096), '\0');
            std::ranges::generate(noise, byte);
            if (i % 2)
                noise = le32(riffId) + le32(quint32(random())) + le32(waveId) + le32(fmtId) + noise;
            add(QStringLiteral("noise-%1.wav").arg(i), noise);
        }
        for (int i = 0; i < 300; ++i) {
            QByteArray mutated = valid;
            const int changes = 1 + int(random() % 6);
            for (int change = 0; change < changes; ++change)
                mutated[qsizetype(random() % 48)] = byte();
            add(QStringLiteral("mutated-%1.wav").arg(i), mutated);
        }

        // Past the cap: by file size, after decoding (24-bit samples grow by a third), and in conversion.
        writeSparseWave(path(QStringLiteral("seventy-mib.wav")), fmtBody({}), 70 << 20);
        corpus.push_back({QStringLiteral("seventy-mib.wav"), Expect::Refused});
        const qint64 grows = (SoundModule::maxCueBytes / 4 + 3000) * 3;
        writeSparseWave(path(QStringLiteral("decodes-past-cap.wav")), fmtBody({.bits = 24}), grows);
        corpus.push_back({QStringLiteral("decodes-past-cap.wav"), Expect::Refused});
        // Decoded IMA ADPCM is already in the device's format: nothing but the cap stops it after decoding.
        add(QStringLiteral("adpcm.wav"),
            riff(chunk(fmtId, imaAdpcmFormat()) + chunk(dataId, QByteArray(8 * 1024, '\0'))), Expect::Plays);
        writeSparseWave(path(QStringLiteral("adpcm-decodes-past-cap.wav")), imaAdpcmFormat(),
                        (SoundModule::maxCueBytes / (2041 * 2) + 100) * 1024);
        corpus.push_back({QStringLiteral("adpcm-decodes-past-cap.wav"), Expect::Refused});
        add(QStringLiteral("converts-past-cap.wav"), wave({.rate = 1, .byteRate = 2}, samples(1000)), Expect::Refused);
        writeSparseWave(path(QStringLiteral("twenty-mib.wav")), fmtBody({}), 20 << 20);
        corpus.push_back({QStringLiteral("twenty-mib.wav"), Expect::Plays});

        // Things that are not wave files at all.
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("folder.wav")));
        corpus.push_back({QStringLiteral("folder.wav"), Expect::Refused});
        QVERIFY(mkfifo(qPrintable(path(QStringLiteral("fifo.wav"))), 0600) == 0);
        corpus.push_back({QStringLiteral("fifo.wav"), Expect::Refused});
        QVERIFY(QFile::link(path(QStringLiteral("loop-b.wav")), path(QStringLiteral("loop-a.wav"))));
        QVERIFY(QFile::link(path(QStringLiteral("loop-a.wav")), path(QStringLiteral("loop-b.wav"))));
        corpus.push_back({QStringLiteral("loop-a.wav"), Expect::Refused});
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path(QStringLiteral("zero.wav"))));
        corpus.push_back({QStringLiteral("zero.wav"), Expect::Refused});
        QVERIFY(QFile::link(path(QStringLiteral("valid.wav")), path(QStringLiteral("link-to-valid.wav"))));
        corpus.push_back({QStringLiteral("link-to-valid.wav"), Expect::Plays});
        corpus.push_back({QStringLiteral("missing.wav"), Expect::Refused});
        if (geteuid() != 0) {
            add(QStringLiteral("unreadable.wav"), valid, Expect::Refused);
            QFile::setPermissions(path(QStringLiteral("unreadable.wav")), {});
        }
    }

private slots:
    void initTestCase()
    {
        qInfo("corpus seed %u", seed);
        QVERIFY(folder.isValid());
        buildCorpus();
    }

    void everyFilePlaysOrWarnsWithoutHangingInBoundedMemory()
    {
        FakeMessageBoxes boxes;
        SoundModule sound;
        Runtime runtime(boxes, sound, folder.path());
        // The device and its thread are opened before the measuring starts.
        QVERIFY(sound.play(path(QStringLiteral("valid.wav"))));

        // Should the module ever open the FIFO, a writer comes along after a while, so that the test fails
        // instead of hanging.
        using Clock = std::chrono::steady_clock;
        std::atomic<Clock::time_point> caseStarted = Clock::now();
        std::atomic<bool> finished = false;
        std::atomic<bool> rescued = false;
        const QByteArray fifo = QFile::encodeName(path(QStringLiteral("fifo.wav")));
        std::thread rescuer([&] {
            while (!finished) {
                std::this_thread::sleep_for(50ms);
                if (Clock::now() - caseStarted.load() < 2100ms)
                    continue;
                // Opening for writing succeeds only when a reader is blocked on the other end.
                const int writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
                if (writer >= 0) {
                    rescued = true;
                    ::close(writer);
                }
            }
        });

        const qint64 residentBefore = peakResidentKiB();
        QStringList failures;
        int played = 0;
        qint64 slowest = 0;
        QString slowestName;
        for (const Case &cue : corpus) {
            const qint64 virtualBefore = peakVirtualKiB();
            const std::size_t warningsBefore = boxes.shown.size();
            QElapsedTimer timer;
            timer.start();
            caseStarted = Clock::now();
            PlayCue(runtime, QLatin1Char('/') + cue.name);
            const qint64 took = timer.elapsed();
            const bool warned = boxes.shown.size() > warningsBefore;
            played += warned ? 0 : 1;
            if (took > slowest) {
                slowest = took;
                slowestName = cue.name;
            }
            // Not a speed limit: only a cue that never comes back counts, with room for a loaded machine.
            if (took > 20000)
                failures.append(QStringLiteral("%1 hung for %2 ms").arg(cue.name).arg(took));
            if ((cue.expect == Expect::Plays && warned) || (cue.expect == Expect::Refused && !warned))
                failures.append(cue.name + (warned ? QStringLiteral(" did not play") : QStringLiteral(" played")));
            // A declared length is never taken at its word: a cue reserves no more than the cap allows.
            const qint64 reservedMiB = (peakVirtualKiB() - virtualBefore) / 1024;
            if (reservedMiB > 512)
                failures.append(QStringLiteral("%1 reserved %2 MiB").arg(cue.name).arg(reservedMiB));
        }
        finished = true;
        rescuer.join();
        QVERIFY2(!rescued, "a cue named like a FIFO was opened and blocked");

        const qint64 grownMiB = (peakResidentKiB() - residentBefore) / 1024;
        qInfo("%zu files, %d played, the rest warned; slowest %lld ms (%s); peak memory grew %lld MiB",
              corpus.size(), played, slowest, qPrintable(slowestName), grownMiB);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
        QVERIFY2(grownMiB < memoryBudgetMiB, qPrintable(QStringLiteral("peak memory grew %1 MiB").arg(grownMiB)));
        // The warning only ever says that the music is missing.
        for (const ShownBox &box : boxes.shown)
            QCOMPARE(box.title, applicationTitle);
        QVERIFY(played > 10 && played < int(corpus.size()) - 10);
        // After all that, a good cue still plays.
        QVERIFY(sound.play(path(QStringLiteral("valid.wav"))));
    }
};

QTEST_GUILESS_MAIN(BadWaveTest)
#include "BadWaveTest.moc"
