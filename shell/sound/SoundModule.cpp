// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/sound/SoundModule.h"

#include "shell/sound/CueStream.h"
#include "shell/sound/SoundOutput.h"

#include <QFile>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmaroos::shell {

namespace {

// Only a regular file is read: a FIFO or a device named like a cue would block or never end. It is opened
// without waiting, so that a FIFO is found out rather than waited for.
std::unique_ptr<QIODevice> openCueFile(const QString &path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    struct stat status = {};
    auto file = std::make_unique<QFile>();
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file->open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return nullptr;
    }
    return file;
}

// The output is handed a fiftieth of a second at a time, so that the sound thread sees a new cue that soon.
qint64 pieceBytes(const CueFormat &format)
{
    return std::max(1, format.rate / 50) * qint64(format.frameBytes());
}

} // namespace

struct SoundModule::Player {
    std::mutex lock;
    std::condition_variable changed;
    // Guarded by the lock: the cue handed to the sound thread to replace what plays (null: silence), not yet
    // taken, and how many have been handed over; how many the thread has tried to start, and whether the last
    // of them started.
    std::unique_ptr<CueStream> next;
    bool replaced = false;
    quint64 handedOver = 0;
    quint64 tried = 0;
    bool started = false;
    // Guarded by the lock: a cue plays on an output that took its last piece, in this format.
    bool playing = false;
    std::optional<CueFormat> opened;
    bool stopping = false;

    // The sound thread's own: the stream and the cue it plays.
    std::unique_ptr<SoundOutput> output;
    std::unique_ptr<CueStream> cue;

    void run()
    {
        // A stream in the game's own cues' format is ready for the first of them.
        output = openSoundOutput(CueFormat {});
        std::unique_lock held(lock);
        if (output)
            opened = CueFormat {};
        while (true) {
            changed.wait(held, [this] { return stopping || replaced || cue; });
            if (stopping)
                break;
            if (replaced)
                startNext(held);
            else
                playOn(held);
        }
        held.unlock();
        cue.reset();
        output.reset();
    }

    void startNext(std::unique_lock<std::mutex> &held)
    {
        cue = std::move(next);
        replaced = false;
        const quint64 taken = handedOver;
        std::optional<CueFormat> format = opened;
        held.unlock();
        bool plays = false;
        if (cue)
            plays = begin(format);
        else if (output)
            output->flush();
        held.lock();
        opened = output ? format : std::nullopt;
        if (!plays)
            cue.reset();
        playing = plays;
        tried = taken;
        started = plays;
        changed.notify_all();
    }

    // The new cue's first piece goes to the output that is open, with what it still held of the last cue
    // dropped; where that fails, or the format differs, to an output opened anew: a server that went away
    // since the last cue may be back, or no server and the sound card answer instead.
    bool begin(std::optional<CueFormat> &format)
    {
        const QByteArrayView first = cue->next(pieceBytes(cue->format()));
        if (output && format == cue->format()) {
            output->flush();
            if (first.isEmpty() || output->write(first))
                return true;
        }
        output.reset();
        output = openSoundOutput(cue->format());
        format = cue->format();
        return output && (first.isEmpty() || output->write(first));
    }

    void playOn(std::unique_lock<std::mutex> &held)
    {
        held.unlock();
        const QByteArrayView piece = cue->next(pieceBytes(cue->format()));
        const bool failed = !piece.isEmpty() && !output->write(piece);
        // The cue is heard to its end before it counts as over.
        if (piece.isEmpty())
            output->drain();
        held.lock();
        if (!piece.isEmpty() && !failed)
            return;
        cue.reset();
        playing = false;
        if (failed) {
            output.reset();
            opened.reset();
        }
        changed.notify_all();
    }
};

SoundModule::SoundModule()
    : m_player(std::make_unique<Player>())
    , m_thread([player = m_player.get()] { player->run(); })
{
}

SoundModule::~SoundModule()
{
    {
        const std::lock_guard held(m_player->lock);
        m_player->stopping = true;
    }
    m_player->changed.notify_all();
    m_thread.join();
}

bool SoundModule::play(const QString &path)
{
    // A cue that cannot be read is no cue: it silences the one playing, as any new cue does.
    std::unique_ptr<QIODevice> file = openCueFile(path);
    std::unique_ptr<CueStream> cue = file ? CueStream::open(std::move(file)) : nullptr;
    const bool readable = bool(cue);
    Player &player = *m_player;
    std::unique_lock held(player.lock);
    // An output that takes the cue playing now takes the next in its format as well: it starts without a wait.
    const bool takenAsItStands = readable && player.playing && player.opened == cue->format();
    player.next = std::move(cue);
    player.replaced = true;
    const quint64 handedOver = ++player.handedOver;
    player.changed.notify_all();
    if (!readable || takenAsItStands)
        return readable;
    player.changed.wait(held, [&player, handedOver] { return player.tried >= handedOver; });
    return player.started;
}

void SoundModule::finishPlaying(std::chrono::milliseconds limit)
{
    Player &player = *m_player;
    std::unique_lock held(player.lock);
    player.changed.wait_for(held, limit, [&player] { return !player.playing && !player.replaced; });
}

} // namespace pelmaroos::shell
