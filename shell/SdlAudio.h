// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

namespace pelmaroos::shell {

// The part of SDL the sound service calls, looked up in the library at run time: SDL and the dozens of
// libraries it brings need not be mapped before the program starts, and can be loaded off the main thread.
struct SdlAudio {
#define PELMAROOS_SDL_CALL(name) decltype(&::name) name = nullptr;
#define PELMAROOS_SDL_CALLS                                                                                            \
    PELMAROOS_SDL_CALL(SDL_SetHint)                                                                                    \
    PELMAROOS_SDL_CALL(SDL_InitSubSystem)                                                                              \
    PELMAROOS_SDL_CALL(SDL_QuitSubSystem)                                                                              \
    PELMAROOS_SDL_CALL(SDL_TLSCleanup)                                                                                 \
    PELMAROOS_SDL_CALL(SDL_Delay)                                                                                      \
    PELMAROOS_SDL_CALL(SDL_OpenAudioDevice)                                                                            \
    PELMAROOS_SDL_CALL(SDL_CloseAudioDevice)                                                                           \
    PELMAROOS_SDL_CALL(SDL_PauseAudioDevice)                                                                           \
    PELMAROOS_SDL_CALL(SDL_GetAudioDeviceStatus)                                                                       \
    PELMAROOS_SDL_CALL(SDL_LockAudioDevice)                                                                            \
    PELMAROOS_SDL_CALL(SDL_UnlockAudioDevice)                                                                          \
    PELMAROOS_SDL_CALL(SDL_RWFromConstMem)                                                                             \
    PELMAROOS_SDL_CALL(SDL_LoadWAV_RW)                                                                                 \
    PELMAROOS_SDL_CALL(SDL_FreeWAV)                                                                                    \
    PELMAROOS_SDL_CALL(SDL_NewAudioStream)                                                                             \
    PELMAROOS_SDL_CALL(SDL_AudioStreamPut)                                                                             \
    PELMAROOS_SDL_CALL(SDL_AudioStreamGet)                                                                             \
    PELMAROOS_SDL_CALL(SDL_AudioStreamFlush)                                                                           \
    PELMAROOS_SDL_CALL(SDL_FreeAudioStream)
    PELMAROOS_SDL_CALLS

    // The library, loaded the first time it is asked for; null when it or any of these calls is missing.
    static const SdlAudio *load();
};

} // namespace pelmaroos::shell
