// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/forms/ScreenName.h"

namespace pelmaroos::shell {

QString formName(ScreenName screen)
{
#define PELMAROOS_SCREEN_NAME(name) #name,
    static constexpr std::array<const char *, screenCount> names = {PELMAROOS_SCREENS(PELMAROOS_SCREEN_NAME)};
#undef PELMAROOS_SCREEN_NAME
    return QLatin1String(names[std::size_t(screen)]);
}

} // namespace pelmaroos::shell
