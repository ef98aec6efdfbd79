#include "quiz/QuestionPages.h"

#include "shell/Conversions.h"
#include "shell/ExitAll.h"
#include "shell/Runtime.h"

#include <QLineEdit>

#include <algorithm>

namespace pelmaroos::quiz {

using shell::Screen;
using shell::ScreenName;

namespace {

// Whether a move shows the screen it goes to before it leaves the page, or after.
enum class Order { ShowFirst, LeaveFirst };

struct PageLinks {
    ScreenName page;
    ScreenName previous; // the level menu for a first page
    ScreenName next;     // the result screen for a third page
    Order forward;
    Order toMenu;
};

constexpr std::array<PageLinks, 9> links = {{
    {ScreenName::Easy1, ScreenName::Main, ScreenName::Easy2, Order::ShowFirst, Order::ShowFirst},
    {ScreenName::Easy2, ScreenName::Easy1, ScreenName::Easy3, Order::LeaveFirst, Order::LeaveFirst},
    {ScreenName::Easy3, ScreenName::Easy2, ScreenName::EasyAbout, Order::LeaveFirst, Order::LeaveFirst},
    {ScreenName::Medium1, ScreenName::Main, ScreenName::Medium2, Order::ShowFirst, Order::LeaveFirst},
    {ScreenName::Medium2, ScreenName::Medium1, ScreenName::Medium3, Order::ShowFirst, Order::LeaveFirst},
    {ScreenName::Medium3, ScreenName::Medium2, ScreenName::MediumAbout, Order::LeaveFirst, Order::LeaveFirst},
    {ScreenName::Hard1, ScreenName::Main, ScreenName::Hard2, Order::ShowFirst, Order::LeaveFirst},
    {ScreenName::Hard2, ScreenName::Hard1, ScreenName::Hard3, Order::ShowFirst, Order::LeaveFirst},
    {ScreenName::Hard3, ScreenName::Hard2, ScreenName::HardAbout, Order::LeaveFirst, Order::LeaveFirst},
}};

const PageLinks &linksOf(ScreenName page)
{
    return links[std::size_t(pageIndexOf(page))];
}

void move(Screen &from, Screen &to, Order order, void (Screen::*leave)())
{
    if (order == Order::ShowFirst) {
        to.show();
        (from.*leave)();
    } else {
        (from.*leave)();
        to.show();
    }
}

} // namespace

// The score goes into the page's own box before any screen moves.
void QuestionPages::nextPage(ScreenName page)
{
    const PageLinks &link = linksOf(page);
    Screen &here = m_runtime.screen(page);
    here.textBox(QStringLiteral("Text1")).setText(shell::numberToText(ScorePage(page)));
    move(here, m_runtime.screen(link.next), link.forward, &Screen::hide);
}

// Going back scores nothing; the page stays loaded with its choices.
void QuestionPages::previousPage(ScreenName page)
{
    move(m_runtime.screen(page), m_runtime.screen(linksOf(page).previous), Order::LeaveFirst, &Screen::hide);
}

// Only the first page is unloaded; pages 2 and 3 keep their choices and score boxes.
void QuestionPages::mainPage(ScreenName page)
{
    const PageLinks &link = linksOf(page);
    move(m_runtime.screen(page), m_runtime.screen(link.previous), link.toMenu, &Screen::unload);
}

void QuestionPages::quit()
{
    shell::ExitAll(m_runtime);
}

} // namespace pelmaroos::quiz
