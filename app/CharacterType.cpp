// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "app/CharacterType.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>
#include <string>

namespace pelmaroos::app {

void useUtf8CharacterType()
{
    std::setlocale(LC_ALL, "");
    const char *encoding = nl_langinfo(CODESET);
    if (strcasecmp(encoding, "UTF-8") == 0 || strcasecmp(encoding, "utf8") == 0)
        return;
    // LC_ALL would override the character type: every other category keeps its value instead.
    if (const char *all = std::getenv("LC_ALL"); all && *all) {
        const std::string locale = all;
        for (const char *category : {"LC_COLLATE", "LC_MESSAGES", "LC_MONETARY", "LC_NUMERIC", "LC_TIME"})
            setenv(category, locale.c_str(), 1);
        unsetenv("LC_ALL");
    }
    setenv("LC_CTYPE", "C.UTF-8", 1);
    std::setlocale(LC_ALL, "");
}

} // namespace pelmaroos::app
