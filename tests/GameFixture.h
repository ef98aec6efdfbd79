#pragma once

#include "Fakes.h"
#include "KeyedColumns.h"
#include "app/Game.h"
#include "shell/OptionButton.h"
#include "shell/Picture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace pelmaroos::tests {

// The whole game over recording fakes, played through its widgets as a player would.
class GameFixture
{
public:
    FakeMessageBoxes boxes;
    FakeSound sound;
    QTemporaryDir folder;
    std::unique_ptr<app::Game> game;

    void start()
    {
        game = std::make_unique<app::Game>(boxes, sound, folder.path());
        game->start();
    }

    shell::Runtime &runtime() { return game->runtime(); }
    shell::Screen &screen(shell::ScreenName name) { return game->runtime().screen(name); }

    QStringList loadedScreens()
    {
        return screensWhere([](shell::Screen &screen) { return screen.isLoaded(); });
    }

    QStringList visibleScreens()
    {
        return screensWhere([](shell::Screen &screen) { return screen.isVisible(); });
    }

    QStringList screensWhere(const std::function<bool(shell::Screen &)> &test)
    {
        QStringList names;
        for (shell::ScreenName name : shell::allScreens) {
            if (runtime().screens().isCreated(name) && test(screen(name)))
                names.append(shell::formName(name));
        }
        return names;
    }

    // Clicks a button or picture of a screen that is on view.
    void click(shell::ScreenName name, const QString &control)
    {
        QVERIFY2(screen(name).isVisible(), qPrintable(shell::formName(name) + QStringLiteral(" is not on view")));
        QWidget *widget = screen(name).window().findChild<QWidget *>(control);
        QVERIFY2(widget && widget->isVisible(), qPrintable(control + QStringLiteral(" cannot be clicked")));
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
    }

    void choose(shell::ScreenName page, int question, int option)
    {
        QVERIFY(screen(page).isVisible());
        QTest::mouseClick(&screen(page).option(QStringLiteral("Option%1").arg(option), question), Qt::LeftButton, {},
                          QPoint(6, 6));
    }

    // From the title screen to the first page of a level.
    void openLevel(const QString &levelButton)
    {
        click(shell::ScreenName::PreMain, QStringLiteral("cmdContinue"));
        click(shell::ScreenName::Main, levelButton);
    }

    // Answers the first `right` questions of a page with their keyed option and the rest wrongly.
    void answer(shell::ScreenName page, int right)
    {
        for (int question = 0; question < 6; ++question)
            choose(page, question, question < right ? keyedOption(page, question) : wrongOption(page, question));
    }

    QString scoreBox(shell::ScreenName page) { return screen(page).textBox(QStringLiteral("Text1")).text(); }
};

} // namespace pelmaroos::tests

Q_DECLARE_METATYPE(pelmaroos::shell::ScreenName)
