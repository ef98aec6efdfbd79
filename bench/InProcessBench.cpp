// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
// Timings taken inside one process: starting a cue, turning a page, playing a level, opening the device.
#include "harness/GamePlayer.h"
#include "harness/WaveFile.h"
#include "screens/Pictures.h"
#include "shell/forms/Look.h"
#include "shell/forms/QtMessageBox.h"
#include "shell/sound/SoundModule.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <vector>

using namespace pelmaroos;
using shell::ScreenName;

namespace {

template<typename Step>
double milliseconds(Step &&step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Every sample on one line; run_bench.py takes the median and the spread.
void report(const char *key, const std::vector<double> &samples)
{
    std::printf("%s", key);
    for (double sample : samples)
        std::printf(" %.4f", sample);
    std::printf("\n");
    std::fflush(stdout);
}

QString writeTone(const QTemporaryDir &folder, const QString &name, int seconds)
{
    std::vector<qint16> samples(std::size_t(seconds) * 22050);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = qint16(8000 * std::sin(double(i) * 2 * M_PI * 440 / 22050));
    const QString path = folder.filePath(name);
    harness::writeFile(path, harness::waveBytes(samples));
    return path;
}

void benchPlayCue(const QTemporaryDir &folder)
{
    shell::SoundModule sound;
    const QString oneSecond = writeTone(folder, QStringLiteral("1s.wav"), 1);
    sound.play(oneSecond); // opens the device
    const std::pair<const char *, QString> cues[] = {
        {"playcue_1s_ms", oneSecond},
        {"playcue_30s_ms", writeTone(folder, QStringLiteral("30s.wav"), 30)},
        {"playcue_10min_ms", writeTone(folder, QStringLiteral("10min.wav"), 600)},
    };
    for (const auto &[key, path] : cues) {
        std::vector<double> times;
        for (int run = 0; run < 21; ++run)
            times.push_back(milliseconds([&] { sound.play(path); }));
        report(key, times);
    }
    std::vector<double> opening;
    for (int run = 0; run < 11; ++run) {
        shell::SoundModule fresh;
        const double first = milliseconds([&] { fresh.play(oneSecond); });
        const double again = milliseconds([&] { fresh.play(oneSecond); });
        opening.push_back(first - again);
    }
    report("startup_audio_ms", opening);
}

struct PlayedGame {
    shell::QtMessageBox messageBoxes {screens::pictures::boxQuestion};
    shell::SoundModule sound;
    app::Game game {messageBoxes, sound, QStringLiteral(PELMAROOS_PROGRAM_DIR)};
    harness::GamePlayer player {game};

    PlayedGame()
    {
        game.start();
        player.openLevel(screens::Level::Easy);
    }
};

void benchPageFlip()
{
    PlayedGame played;
    std::vector<double> flips;
    for (int flip = 0; flip < 1000; ++flip) {
        flips.push_back(milliseconds([&] { played.player.forward(ScreenName::Easy1); }));
        played.player.back(ScreenName::Easy2);
    }
    report("page_flip_ms", flips);
}

void benchLevel()
{
    std::vector<double> levels;
    for (int run = 0; run < 21; ++run) {
        {
            PlayedGame played;
            levels.push_back(milliseconds([&] { played.player.playLevel(screens::Level::Easy, 6); }));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    report("level_ms", levels);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    shell::applyLook();
    QTemporaryDir folder;
    benchPlayCue(folder);
    benchPageFlip();
    benchLevel();
    return 0;
}
