#include "quiz/Level.h"

#include <algorithm>

namespace pelmaroos::quiz {

using shell::ScreenName;

LevelScreens screensOf(Level level)
{
    switch (level) {
    case Level::Easy: return {ScreenName::Easy1, ScreenName::Easy2, ScreenName::Easy3, ScreenName::EasyAbout};
    case Level::Medium:
        return {ScreenName::Medium1, ScreenName::Medium2, ScreenName::Medium3, ScreenName::MediumAbout};
    case Level::Hard: return {ScreenName::Hard1, ScreenName::Hard2, ScreenName::Hard3, ScreenName::HardAbout};
    }
    return {};
}

int pageIndexOf(ScreenName page)
{
    const auto found = std::ranges::find(questionPages, page);
    Q_ASSERT(found != questionPages.end());
    return int(found - questionPages.begin());
}

} // namespace pelmaroos::quiz
