// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/controls/Picture.h"

#include <QPushButton>

#include <any>
#include <functional>
#include <variant>
#include <vector>

namespace pelmaroos::shell {

using Procedure = std::function<void()>;
// What a player can click: a button, or a picture that answers clicks.
using Clickable = std::variant<QPushButton *, Picture *>;

// A click procedure, known by its screen, its control and its event joined by underscores
// ("Easy3_Image9_Click"), and the control of the screen's view it answers.
struct ClickProcedure {
    const char *name = nullptr;
    std::function<Clickable(const std::any &view)> control;
    Procedure run;
};

// The event procedures of one screen: its Load procedure (if any) and the clicks it answers.
struct ScreenBehaviour {
    const char *loadName = nullptr;
    Procedure load;
    std::vector<ClickProcedure> clicks;
};

// A screen's procedures as rows: each a name, for a click the button or picture of the view it answers,
// and a routine of the context the procedures work on. Every screen binds its procedures this one way.
template<typename View, typename Context>
struct Procedures {
    using Routine = void (*)(Context &);
    struct Load {
        const char *name = nullptr;
        Routine run = nullptr;
    };
    struct Click {
        const char *name;
        std::variant<QPushButton * View::*, Picture * View::*> control;
        Routine run;
    };
    Load load;
    std::vector<Click> clicks;
};

template<typename View, typename Context>
ScreenBehaviour bindProcedures(Context &context, const Procedures<View, Context> &procedures)
{
    auto bound = [&context](typename Procedures<View, Context>::Routine run) -> Procedure {
        return [&context, run] { run(context); };
    };
    ScreenBehaviour behaviour;
    if (procedures.load.run) {
        behaviour.loadName = procedures.load.name;
        behaviour.load = bound(procedures.load.run);
    }
    for (const auto &click : procedures.clicks) {
        auto control = [member = click.control](const std::any &view) -> Clickable {
            const View *typed = std::any_cast<View>(&view);
            if (!typed)
                return {};
            return std::visit([typed](auto widget) -> Clickable { return typed->*widget; }, member);
        };
        behaviour.clicks.push_back({click.name, control, bound(click.run)});
    }
    return behaviour;
}

} // namespace pelmaroos::shell
