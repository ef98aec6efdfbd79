// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "harness/GamePlayer.h"

#include "quiz/AnswerKey.h"
#include "quiz/PageMoves.h"
#include "shell/controls/OptionButton.h"

#include <QApplication>
#include <QMouseEvent>

#include <algorithm>

namespace pelmaroos::harness {

using shell::ScreenName;

GamePlayer::GamePlayer(app::Game &game)
    : m_game(game)
{
}

shell::Screen &GamePlayer::screen(ScreenName name)
{
    return m_game.runtime().screen(name);
}

QStringList GamePlayer::loadedScreens()
{
    return screensWhere(&shell::Screen::isLoaded);
}

QStringList GamePlayer::visibleScreens()
{
    return screensWhere(&shell::Screen::isVisible);
}

QStringList GamePlayer::screensWhere(bool (shell::Screen::*test)() const)
{
    QStringList names;
    for (ScreenName name : shell::allScreens) {
        if (m_game.runtime().screens().isCreated(name) && (screen(name).*test)())
            names.append(shell::formName(name));
    }
    return names;
}

void GamePlayer::click(ScreenName name, const QString &control)
{
    const QString where = shell::formName(name) + QLatin1Char('.') + control;
    if (!screen(name).isVisible())
        qFatal("%s: its screen is not on view", qPrintable(where));
    QWidget *widget = screen(name).window().findChild<QWidget *>(control);
    if (!widget || !widget->isVisible())
        qFatal("%s is not there to click", qPrintable(where));
    press(*widget);
}

// As the system delivers a click: the control, or the nearest around it that takes focus on a click, takes
// the focus, then the button goes down and up over the control.
void GamePlayer::press(QWidget &control)
{
    for (QWidget *taker = &control; taker; taker = taker->isWindow() ? nullptr : taker->parentWidget()) {
        if (taker->isEnabled() && (taker->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
            taker->setFocus(Qt::MouseFocusReason);
            break;
        }
    }
    const QPointF at(5, 5);
    const QPointF global = control.mapToGlobal(at);
    QMouseEvent down(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&control, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&control, &up);
}

void GamePlayer::choose(ScreenName page, int question, int option)
{
    click(page, QStringLiteral("Option%1(%2)").arg(option).arg(question));
}

void GamePlayer::answer(ScreenName page, int right)
{
    for (int question = 0; question < 6; ++question)
        choose(page, question, question < right ? keyedOption(page, question) : wrongOption(page, question));
}

void GamePlayer::forward(ScreenName page)
{
    click(page, QLatin1String(screens::questionPage(page).forwardArrow));
}

void GamePlayer::back(ScreenName page)
{
    click(page, QLatin1String(screens::questionPage(page).backArrow));
}

void GamePlayer::openLevel(screens::Level level)
{
    if (screen(ScreenName::PreMain).isVisible())
        click(ScreenName::PreMain, QStringLiteral("cmdContinue"));
    const char *buttons[] = {"cmdEasy", "cmdMedium", "cmdHard"};
    click(ScreenName::Main, QLatin1String(buttons[int(level)]));
}

void GamePlayer::playLevel(screens::Level level, int total)
{
    for (const screens::QuestionPage &page : screens::pagesOf(level)) {
        const int right = std::clamp(total, 0, 6);
        total -= right;
        answer(page.page, right);
        forward(page.page);
    }
}

void GamePlayer::goTo(ScreenName target)
{
    if (target == ScreenName::PreMain)
        return;
    click(ScreenName::PreMain, QStringLiteral("cmdContinue"));
    for (screens::Level level : {screens::Level::Easy, screens::Level::Medium, screens::Level::Hard}) {
        const auto pages = screens::pagesOf(level);
        if (quiz::movesOf(pages[2].page).forward.to == target) {
            openLevel(level);
            playLevel(level, 18);
        } else if (screens::isQuestionPage(target) && screens::questionPage(target).level == level) {
            openLevel(level);
            for (ScreenName at = pages[0].page; at != target; at = quiz::movesOf(at).forward.to)
                forward(at);
        }
    }
}

int keyedOption(ScreenName page, int question)
{
    return quiz::answerKey(page)[std::size_t(question)];
}

int wrongOption(ScreenName page, int question)
{
    return keyedOption(page, question) % 3 + 1;
}

} // namespace pelmaroos::harness
