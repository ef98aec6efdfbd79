// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "GameFixture.h"
#include "shell/SoundCues.h"
#include "shell/controls/Picture.h"
#include "shell/forms/Look.h"

#include <QApplication>
#include <QKeySequence>
#include <QPushButton>

#include <map>
#include <random>

using namespace pelmaroos;
using namespace pelmaroos::shell;
using namespace pelmaroos::tests;

namespace {

// PELMAROOS_SOAK_EVENTS and PELMAROOS_SOAK_SEED set the size and the seed of a run.
qint64 setting(const char *name, qint64 fallback)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

bool isExitButton(const QWidget *widget)
{
    const auto *button = qobject_cast<const QPushButton *>(widget);
    return button && (button->text() == QStringLiteral("Quit") || button->text() == QStringLiteral("Exit"));
}

// The offscreen platform says so at every Show; at this many events that would drown the report.
QtMessageHandler forward = nullptr;

void dropRaiseWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != QStringLiteral("This plugin does not support raise()"))
        forward(type, context, message);
}

// Tab, Space, Return, arrows and Escape: what a player's keyboard does to the game.
constexpr std::array<Qt::Key, 10> keys = {
    Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Space, Qt::Key_Return,
    Qt::Key_Enter, Qt::Key_Escape,  Qt::Key_Left,  Qt::Key_Right, Qt::Key_Down,
};

} // namespace

// Random clicks and keys on whatever screen is on view, checking the game's promises after every one: one
// screen on view, the game ends exactly when a Quit, an Exit or a window's frame says so, with the farewell
// last and nothing left loaded, and no window of an ended game outlives it.
class SoakTest final : public QObject
{
    Q_OBJECT

private:
    std::mt19937_64 random;
    std::unique_ptr<GameFixture> game;
    std::map<QString, int> screensShown;
    int endings = 0;
    int restarts = 0;
    int baselineWidgets = 0;

    int below(int bound) { return int(random() % std::uint64_t(bound)); }

    void startGame()
    {
        game = std::make_unique<GameFixture>();
        // Now and then the sound is broken and every cue warns.
        game->sound.playAll = below(4) != 0;
        endings = 0;
        game->start();
        QObject::connect(&game->registry(), &ScreenRegistry::programEnded, this, [this] { ++endings; });
    }

    void endGame()
    {
        // The only boxes a game shows are its help and the music warning.
        for (const ShownBox &box : game->boxes.shown)
            QVERIFY2(box.title == QStringLiteral("Help") || box.title == applicationTitle, qPrintable(box.prompt));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        game.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Every window of the finished game is gone: nothing piles up from one game to the next.
        QCOMPARE(QApplication::allWidgets().size(), baselineWidgets);
        ++restarts;
    }

    ScreenWindow *onView() const
    {
        ScreenWindow *found = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<ScreenWindow *>(widget); window && window->isVisible()) {
                if (found)
                    return nullptr;
                found = window;
            }
        }
        return found;
    }

    // One event; returns whether it must end the game. Most land on the arrows and choices, so that games often
    // reach a result screen; a window's frame is closed rarely.
    bool sendEvent(ScreenWindow &window, QString &what)
    {
        const int pick = below(1000);
        if (pick < 2) {
            what = QStringLiteral("frame close");
            window.close();
            return true;
        }
        if (pick < 300) {
            const Qt::Key key = keys[std::size_t(below(int(keys.size())))];
            QWidget *focus = window.focusWidget();
            what = QStringLiteral("key %1 on %2")
                       .arg(QKeySequence(key).toString(), focus ? focus->objectName() : QString());
            const bool presses = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
            const bool exits = presses && isExitButton(focus);
            QTest::keyClick(window.windowHandle(), key);
            return exits;
        }
        QList<QWidget *> targets;
        for (QWidget *widget : window.findChildren<QWidget *>()) {
            const auto *picture = qobject_cast<Picture *>(widget);
            const int weight = picture && picture->isClickable() ? 8 : qobject_cast<QAbstractButton *>(widget) ? 3 : 1;
            for (int i = 0; widget->isVisible() && i < weight; ++i)
                targets.append(widget);
        }
        QWidget *target = targets.isEmpty() ? &window : targets[below(int(targets.size()))];
        // Only where the target shows: some pictures reach past the window's edge.
        const QRect area = QRect(target->mapTo(&window, QPoint()), target->size()) & window.rect();
        if (area.isEmpty()) {
            what = QStringLiteral("nothing of %1 on view").arg(target->objectName());
            return false;
        }
        const QPoint at = area.topLeft() + QPoint(below(area.width()), below(area.height()));
        QWidget *hit = window.childAt(at);
        what = QStringLiteral("click at %1,%2 on %3").arg(at.x()).arg(at.y()).arg(hit ? hit->objectName() : QString());
        const bool exits = isExitButton(hit);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);
        return exits;
    }

private slots:
    void initTestCase()
    {
        forward = qInstallMessageHandler(dropRaiseWarnings);
        applyLook();
        baselineWidgets = int(QApplication::allWidgets().size());
    }

    void monkey()
    {
        const qint64 events = setting("PELMAROOS_SOAK_EVENTS", 100000);
        const auto seed = std::uint64_t(setting("PELMAROOS_SOAK_SEED", 20260601));
        qInfo("soak: %lld events, seed %llu (PELMAROOS_SOAK_EVENTS, PELMAROOS_SOAK_SEED)", events,
              static_cast<unsigned long long>(seed));
        random.seed(seed);

        startGame();
        QString context = QStringLiteral("the start");
        for (qint64 event = 0; event < events; ++event) {
            ScreenWindow *window = onView();
            const QStringList shown = game->visibleScreens();
            QVERIFY2(window && shown.size() == 1,
                     qPrintable(QStringLiteral("not one screen on view after ") + context));
            ++screensShown[shown.front()];

            const qsizetype cuesBefore = game->sound.played.size();
            QString what;
            const bool mustEnd = sendEvent(*window, what);
            context = QStringLiteral("event %1 on %2: %3").arg(event).arg(shown.front(), what);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (QTest::currentTestFailed())
                return qWarning("%s", qPrintable(context));
            QVERIFY2(endings == (mustEnd ? 1 : 0),
                     qPrintable(context + QStringLiteral(": the game ended %1 times").arg(endings)));
            if (endings > 0) {
                // ExitAll's farewell is the last cue, and nothing is left loaded or on view.
                QVERIFY2(game->sound.played.size() > cuesBefore && game->sound.played.last().endsWith(cues::doh),
                         qPrintable(context));
                QVERIFY2(game->loadedScreens().isEmpty() && !onView(), qPrintable(context));
                endGame();
                if (QTest::currentTestFailed())
                    return qWarning("%s", qPrintable(context));
                startGame();
            }
        }
        game.reset();

        // A run of CI's size or more reaches every screen a player can see; a shorter one only reports.
        if (events >= 10000) {
            for (ScreenName name : allScreens) {
                if (name != ScreenName::zzzExtra)
                    QVERIFY2(screensShown.contains(formName(name)),
                             qPrintable(formName(name) + QStringLiteral(" never shown")));
            }
            QVERIFY(restarts > 0);
        }
    }
};

// Offscreen unless told otherwise: a hundred thousand events on a real desktop would take it over. Qt Test
// stops a test function after five minutes, less than a full run takes under the sanitizers.
int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT",
                QByteArray::number(std::max<qint64>(300000, setting("PELMAROOS_SOAK_EVENTS", 100000) * 20)));
    QApplication application(argc, argv);
    SoakTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SoakTest.moc"
