#pragma once

#include "app/Game.h"

#include <QTest>

namespace pelmaroos::bench {

// Plays the game through its widgets, as a player would click.
class GameDriver
{
public:
    explicit GameDriver(app::Game &game)
        : m_game(game)
    {
    }

    void click(shell::ScreenName screen, const QString &control)
    {
        QWidget *widget = m_game.runtime().screen(screen).window().findChild<QWidget *>(control);
        Q_ASSERT(widget);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
    }

    // Chooses the first option of every question on a page.
    void answerPage(shell::ScreenName page)
    {
        for (int question = 0; question < 6; ++question)
            click(page, QStringLiteral("Option1(%1)").arg(question));
    }

    // Answers and leaves the three pages of a level: its first page must be on view.
    void playLevel(shell::ScreenName firstPage)
    {
        const bool easy = firstPage == shell::ScreenName::Easy1;
        for (int number = 0; number < 3; ++number) {
            const auto page = shell::ScreenName(int(firstPage) + number);
            answerPage(page);
            click(page, easy && number != 1 ? QStringLiteral("Image9") : QStringLiteral("Image10"));
        }
    }

    // From the title screen through all three levels and back to the menu.
    void playEverything()
    {
        using shell::ScreenName;
        click(ScreenName::PreMain, QStringLiteral("cmdContinue"));
        click(ScreenName::Main, QStringLiteral("cmdEasy"));
        playLevel(ScreenName::Easy1);
        click(ScreenName::EasyAbout, QStringLiteral("Command1"));
        playLevel(ScreenName::Medium1);
        click(ScreenName::MediumAbout, QStringLiteral("Command1"));
        playLevel(ScreenName::Hard1);
        click(ScreenName::HardAbout, QStringLiteral("Command3"));
    }

private:
    app::Game &m_game;
};

} // namespace pelmaroos::bench
