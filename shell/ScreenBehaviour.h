#pragma once

#include "shell/FormDescription.h"

#include <functional>
#include <initializer_list>
#include <vector>

namespace pelmaroos::shell {

using Procedure = std::function<void()>;

struct ClickProcedure {
    ControlId control;
    Procedure procedure;
};

// The event procedures of one screen: its Load procedure (if any) and the clicks it answers.
struct ScreenBehaviour {
    Procedure load;
    std::vector<ClickProcedure> clicks;
};

// Event procedures written as functions of what they work on.
template<typename Context>
using ContextProcedure = void (*)(Context &);

template<typename Context>
struct NamedClick {
    const char *control;
    ContextProcedure<Context> procedure;
};

// A screen's Load procedure (or none) and click procedures, each bound to its context.
template<typename Context>
ScreenBehaviour bindProcedures(Context &context, ContextProcedure<Context> load,
                               std::initializer_list<NamedClick<Context>> clicks)
{
    auto bind = [&context](ContextProcedure<Context> procedure) -> Procedure {
        if (!procedure)
            return {};
        return [&context, procedure] { procedure(context); };
    };
    ScreenBehaviour behaviour {.load = bind(load), .clicks = {}};
    for (const NamedClick<Context> &click : clicks)
        behaviour.clicks.push_back({{QLatin1String(click.control)}, bind(click.procedure)});
    return behaviour;
}

} // namespace pelmaroos::shell
