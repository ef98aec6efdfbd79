// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/forms/CarriedFonts.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <QResource>

#ifdef PELMAROOS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

// Resources compiled into a static library must be registered by name, outside any namespace.
static void registerFontResources()
{
    Q_INIT_RESOURCE(fonts);
}

namespace pelmaroos::shell {

namespace {

#ifdef PELMAROOS_FONTCONFIG
// Debian's own rendering rules: grey antialiasing, slight hinting, the default filter for screens that
// draw colour fringes.
constexpr char renderingRules[] = R"(<?xml version="1.0"?>
<fontconfig>
  <match target="pattern">
    <edit name="antialias" mode="append"><bool>true</bool></edit>
    <edit name="hintstyle" mode="append"><const>hintslight</const></edit>
    <edit name="lcdfilter" mode="append"><const>lcddefault</const></edit>
  </match>
</fontconfig>
)";

// Set before the toolkit first asks fontconfig for anything; where it cannot be made, the system's own stays.
void useOwnFontList()
{
    FcConfig *own = FcConfigCreate();
    if (!own)
        return;
    // The current configuration holds a reference of its own.
    if (FcConfigParseAndLoadFromMemory(own, reinterpret_cast<const FcChar8 *>(renderingRules), FcTrue) &&
        FcConfigBuildFonts(own))
        FcConfigSetCurrent(own);
    FcConfigDestroy(own);
}
#endif

} // namespace

QString useCarriedFonts()
{
#ifdef PELMAROOS_FONTCONFIG
    useOwnFontList();
#endif
    registerFontResources();
    QString family;
    // Handed over as data (given the resource's name, fontconfig would also look for it as a file), read
    // where the program file holds it, stored uncompressed for that: a copy would cost half a megabyte.
    for (QDirIterator fonts(QStringLiteral(":/fonts")); fonts.hasNext();) {
        const QResource face(fonts.next());
        const int id = QFontDatabase::addApplicationFontFromData(
            QByteArray::fromRawData(reinterpret_cast<const char *>(face.data()), face.size()));
        // Both faces, regular and bold, are of the one family.
        if (id >= 0)
            family = QFontDatabase::applicationFontFamilies(id).value(0);
    }
    return family;
}

} // namespace pelmaroos::shell
