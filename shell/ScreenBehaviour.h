// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/FormDescription.h"

#include <functional>
#include <initializer_list>
#include <vector>

namespace pelmaroos::shell {

using Procedure = std::function<void()>;

// An event procedure and the name it is known by: its screen, its control (or Form) and its event,
// joined by underscores, as in "Easy3_Image9_Click".
struct NamedProcedure {
    const char *name = nullptr;
    Procedure run;
};

// The event procedures of one screen: its Load procedure (if any) and the clicks it answers.
struct ScreenBehaviour {
    NamedProcedure load;
    std::vector<NamedProcedure> clicks;
};

// The control a click procedure belongs to, read from its name: "Easy3_Image9_Click" is Image9's.
inline ControlId controlOfProcedure(const char *procedure)
{
    return {QString::fromLatin1(procedure).section(QLatin1Char('_'), 1, 1)};
}

// Event procedures written as functions of what they work on.
template<typename Context>
using ContextProcedure = void (*)(Context &);

template<typename Context>
struct NamedClick {
    const char *name;
    ContextProcedure<Context> procedure;
};

// A screen's Load procedure (or none) and click procedures, each bound to its context.
template<typename Context>
ScreenBehaviour bindProcedures(Context &context, NamedClick<Context> load,
                               std::initializer_list<NamedClick<Context>> clicks)
{
    auto bind = [&context](NamedClick<Context> named) -> NamedProcedure {
        if (!named.procedure)
            return {};
        return {named.name, [&context, procedure = named.procedure] { procedure(context); }};
    };
    ScreenBehaviour behaviour {.load = bind(load), .clicks = {}};
    for (const NamedClick<Context> &click : clicks)
        behaviour.clicks.push_back(bind(click));
    return behaviour;
}

} // namespace pelmaroos::shell
