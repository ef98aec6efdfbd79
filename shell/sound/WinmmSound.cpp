// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/sound/WinmmSound.h"

#include "shell/sound/WaveLength.h"

#include <QDir>

#include <algorithm>
#include <optional>
#include <string>
#include <thread>

// mmsystem.h needs the types windows.h declares.
#include <windows.h>

#include <mmsystem.h>

namespace pelmaroos::shell {

namespace {

constexpr UINT playInBackground = SND_ASYNC; // 1: start the sound and return at once

// The text in the ANSI code page, or none where that code page lacks some of its letters.
std::optional<std::string> toAnsiCodePage(const std::wstring &text)
{
    // Where the ANSI code page is UTF-8 (a choice Windows offers) every name can be spelt, and the call
    // fails outright when asked to refuse look-alike letters or to report a lost one.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL *const report = utf8 ? nullptr : &usedDefault;
    const int length = int(text.size());
    const int size = WideCharToMultiByte(CP_ACP, flags, text.c_str(), length, nullptr, 0, nullptr, report);
    if (size == 0 || usedDefault)
        return std::nullopt;
    std::string ansi(std::size_t(size), '\0');
    WideCharToMultiByte(CP_ACP, flags, text.c_str(), length, ansi.data(), size, nullptr, report);
    return ansi;
}

// winmm takes the name in the ANSI code page. A folder whose name has letters that code page lacks is
// reached through its short name, which has none; with no short name either, the cue cannot be named.
std::optional<std::string> soundName(const QString &path)
{
    const std::wstring wide = QDir::toNativeSeparators(path).toStdWString();
    if (std::optional<std::string> ansi = toAnsiCodePage(wide))
        return ansi;
    const DWORD room = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (room == 0)
        return std::nullopt;
    std::wstring shortName(room, L'\0');
    shortName.resize(GetShortPathNameW(wide.c_str(), shortName.data(), room));
    return toAnsiCodePage(shortName);
}

} // namespace

bool WinmmSound::play(const QString &path)
{
    const std::optional<std::string> name = soundName(path);
    const bool started = name && sndPlaySoundA(name->c_str(), playInBackground) != FALSE;
    m_length = started ? waveLength(path) : std::chrono::milliseconds::zero();
    m_started.start();
    return started;
}

void WinmmSound::finishPlaying(std::chrono::milliseconds limit)
{
    if (!m_started.isValid())
        return;
    const std::chrono::milliseconds left = m_length - std::chrono::milliseconds(m_started.elapsed());
    if (left.count() > 0)
        std::this_thread::sleep_for(std::min(left, limit));
    // The header's length is only a guide to when winmm's own player is done: it is stopped, and waited
    // for, so that no sound is still being written when the process ends.
    sndPlaySoundA(nullptr, 0);
}

} // namespace pelmaroos::shell
