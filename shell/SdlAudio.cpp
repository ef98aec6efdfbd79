// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/SdlAudio.h"

#include <dlfcn.h>

namespace pelmaroos::shell {

namespace {

// Never unloaded: SDL's audio threads may outlive any one of its users.
const SdlAudio *resolve()
{
    void *library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    static SdlAudio sdl;
    bool complete = true;
#undef PELMAROOS_SDL_CALL
#define PELMAROOS_SDL_CALL(name)                                                                                       \
    sdl.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name));                                             \
    complete = complete && sdl.name;
    PELMAROOS_SDL_CALLS
    return complete ? &sdl : nullptr;
}

} // namespace

const SdlAudio *SdlAudio::load()
{
    static const SdlAudio *const loaded = resolve();
    return loaded;
}

} // namespace pelmaroos::shell
