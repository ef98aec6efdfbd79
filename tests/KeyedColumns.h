#pragma once

#include "shell/ScreenName.h"

#include <QString>

namespace pelmaroos::tests {

// The keyed cell's column (0 to 2) of questions 0 to 5, copied by hand from the answer key tables, apart
// from the program's own copy so that a slip in either shows.
inline int keyedColumn(shell::ScreenName page, int question)
{
    const char *columns = "";
    switch (page) {
    case shell::ScreenName::Easy1: columns = "201210"; break;
    case shell::ScreenName::Easy2: columns = "111120"; break;
    case shell::ScreenName::Easy3: columns = "101210"; break;
    case shell::ScreenName::Medium1: columns = "112100"; break;
    case shell::ScreenName::Medium2: columns = "110012"; break;
    case shell::ScreenName::Medium3: columns = "101010"; break;
    case shell::ScreenName::Hard1: columns = "121101"; break;
    case shell::ScreenName::Hard2: columns = "102220"; break;
    case shell::ScreenName::Hard3: columns = "210102"; break;
    default: qFatal("not a question page");
    }
    return columns[question] - '0';
}

// The option (1 to 3) that answers a question right, and one that answers it wrong.
inline int keyedOption(shell::ScreenName page, int question)
{
    return keyedColumn(page, question) + 1;
}

inline int wrongOption(shell::ScreenName page, int question)
{
    return (keyedColumn(page, question) + 1) % 3 + 1;
}

} // namespace pelmaroos::tests
