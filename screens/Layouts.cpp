// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "screens/Layouts.h"
#include "screens/Pictures.h"

namespace pelmaroos::screens {

using shell::ScreenName;

shell::FormDescription layoutOf(ScreenName screen)
{
    pictures::registerResources();
    switch (screen) {
    case ScreenName::PreMain: return titleScreenLayout();
    case ScreenName::Main: return levelMenuLayout();
    case ScreenName::zzzExtra: return extraScreenLayout();
    case ScreenName::EasyAbout:
    case ScreenName::MediumAbout:
    case ScreenName::HardAbout: return resultScreenLayout(screen);
    default: return questionPageLayout(screen);
    }
}

} // namespace pelmaroos::screens
