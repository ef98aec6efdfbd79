// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/ScreenName.h"

namespace pelmaroos::shell {

QString formName(ScreenName screen)
{
    switch (screen) {
    case ScreenName::PreMain: return QStringLiteral("PreMain");
    case ScreenName::Main: return QStringLiteral("Main");
    case ScreenName::Easy1: return QStringLiteral("Easy1");
    case ScreenName::Easy2: return QStringLiteral("Easy2");
    case ScreenName::Easy3: return QStringLiteral("Easy3");
    case ScreenName::Medium1: return QStringLiteral("Medium1");
    case ScreenName::Medium2: return QStringLiteral("Medium2");
    case ScreenName::Medium3: return QStringLiteral("Medium3");
    case ScreenName::Hard1: return QStringLiteral("Hard1");
    case ScreenName::Hard2: return QStringLiteral("Hard2");
    case ScreenName::Hard3: return QStringLiteral("Hard3");
    case ScreenName::EasyAbout: return QStringLiteral("EasyAbout");
    case ScreenName::MediumAbout: return QStringLiteral("MediumAbout");
    case ScreenName::HardAbout: return QStringLiteral("HardAbout");
    case ScreenName::zzzExtra: return QStringLiteral("zzzExtra");
    }
    return {};
}

} // namespace pelmaroos::shell
