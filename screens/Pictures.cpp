// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "screens/Pictures.h"

#include <array>

// Resources compiled into a static library must be registered by name, outside any namespace.
static void registerPictureResources()
{
    Q_INIT_RESOURCE(pictures);
    Q_INIT_RESOURCE(pictures_2x);
}

namespace pelmaroos::screens::pictures {

void registerResources()
{
    static const bool registered = (registerPictureResources(), true);
    Q_UNUSED(registered);
}

QString questionIcon(int number)
{
    return QStringLiteral(":/pictures/question-%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString questionIconName(int number)
{
    static constexpr std::array<const char *, 36> names {
        "A steaming pie", "A tuba", "A skateboard", "A squid", "A seagull", "A ferry", "A lighthouse",
        "A camper van", "A garden shed", "A gravy boat", "A football", "A bone", "A bakery", "Round glasses",
        "A moustache", "A sealed letter", "A poodle", "A pier", "A palm tree island", "A crown", "A sandwich",
        "A rocket", "A striped sock", "A cannon", "A trophy", "A medal on a chain", "A cup of tea", "A bell",
        "An umbrella in the wind", "An anchor", "A fish", "A smiling star", "A question mark", "A ghost",
        "A pudding", "Seaweed",
    };
    Q_ASSERT(number >= 1 && number <= int(names.size()));
    return QLatin1String(names[std::size_t(number - 1)]);
}

} // namespace pelmaroos::screens::pictures
