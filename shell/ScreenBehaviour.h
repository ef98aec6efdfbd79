#pragma once

#include "shell/FormDescription.h"

#include <functional>
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

} // namespace pelmaroos::shell
