// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/sound/WaveLength.h"
#include "harness/WaveFile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;
using namespace pelmaroos;

namespace {

// One second in the cues' own format: its fmt chunk at 12, its data chunk at 36.
const QByteArray oneSecond = harness::waveBytes(std::vector<qint16>(22050, 0x0101));
const QByteArray fmtChunk = oneSecond.mid(12, 24);
const QByteArray dataChunk = oneSecond.mid(36);

} // namespace

// How long the farewell is let play where the sound service cannot say when a sound ends.
class WaveLengthTest final : public QObject
{
    Q_OBJECT

private slots:
    void theHeaderSaysHowLongAFilePlays_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("milliseconds");
        QTest::newRow("one second") << oneSecond << qint64(1000);
        QTest::newRow("stereo at 44.1 kHz")
            << harness::waveBytes(std::vector<qint16>(44100, 0), 44100, 2) << qint64(500);
        QTest::newRow("samples before the format") << oneSecond.left(12) + dataChunk + fmtChunk << qint64(1000);
        QTest::newRow("an odd chunk first, padded")
            << oneSecond.left(12) + QByteArray("LIST\x03\0\0\0abc\0", 12) + fmtChunk + dataChunk << qint64(1000);
        // A header may claim more than the file holds: only what is there plays.
        QTest::newRow("cut short") << oneSecond.left(36 + 8 + 11025) << qint64(250);
        QTest::newRow("no format") << oneSecond.left(12) + dataChunk << qint64(0);
        QTest::newRow("no samples") << oneSecond.left(36) << qint64(0);
        QTest::newRow("nothing per second") << QByteArray(oneSecond).replace(28, 4, QByteArray(4, '\0')) << qint64(0);
        // The header walk is the cue reader's too: its hostile files in SoundTest are this one's as well.
        QTest::newRow("not a wave file") << QByteArray("RIFX") + oneSecond.mid(4) << qint64(0);
    }

    void theHeaderSaysHowLongAFilePlays()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, milliseconds);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("cue.wav"));
        harness::writeFile(path, bytes);
        QCOMPARE(shell::waveLength(path).count(), milliseconds);
    }
};

QTEST_GUILESS_MAIN(WaveLengthTest)
#include "WaveLengthTest.moc"
