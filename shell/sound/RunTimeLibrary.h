// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <dlfcn.h>

namespace pelmaroos::shell {

// A library loaded at run time, so that it and the libraries it brings are mapped only when a sound is first
// played, and off the main thread. Never unloaded: its own threads may outlive any one of its users. Null
// when it cannot be loaded.
inline void *loadRunTimeLibrary(const char *soname)
{
    return dlopen(soname, RTLD_NOW | RTLD_LOCAL);
}

// Looks up one call of the library (or of a library it brings) into a pointer of the call's own type; false
// when the library lacks it.
template<typename Function>
bool lookUpCall(void *library, const char *name, Function *&call)
{
    call = reinterpret_cast<Function *>(dlsym(library, name));
    return call != nullptr;
}

} // namespace pelmaroos::shell
