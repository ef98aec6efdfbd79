#include "GameFixture.h"
#include "screens/Layouts.h"
#include "shell/Form.h"
#include "shell/Look.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <functional>
#include <map>
#include <set>

using namespace pelmaroos;
using namespace pelmaroos::shell;
using namespace pelmaroos::tests;

namespace {

using Visit = std::function<void(QAccessibleInterface &, const QString &path)>;

// The accessibility tree as an assistive tool walks it, from a window down through every child.
void walk(QAccessibleInterface &node, const QString &path, const Visit &visit)
{
    visit(node, path);
    for (int i = 0; i < node.childCount(); ++i) {
        QAccessibleInterface *child = node.child(i);
        QVERIFY2(child, qPrintable(path + QStringLiteral(": child %1 has no interface").arg(i)));
        walk(*child, path + QLatin1Char('/') + child->object()->objectName(), visit);
    }
}

QAccessibleInterface &interfaceOf(QWidget &widget)
{
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(&widget);
    if (!node)
        qFatal("%s has no accessible interface", qPrintable(widget.objectName()));
    return *node;
}

QString nameOf(QWidget &widget)
{
    return interfaceOf(widget).text(QAccessible::Name);
}

// The names a window's tree gives, by object, with the widgets the walk reached.
struct TreeNames {
    std::map<QObject *, QString> names;
    QStringList nameless;
};

TreeNames namesIn(ScreenWindow &window)
{
    TreeNames tree;
    walk(interfaceOf(window), window.windowTitle(), [&](QAccessibleInterface &node, const QString &path) {
        const QString name = node.text(QAccessible::Name);
        tree.names[node.object()] = name;
        if (name.trimmed().isEmpty())
            tree.nameless.append(path);
    });
    return tree;
}

// Every widget of the window turns up in its tree: a walk that misses controls proves nothing.
void verifyTreeCoversWindow(const TreeNames &tree, ScreenWindow &window)
{
    QVERIFY(tree.names.contains(&window));
    for (QWidget *widget : window.findChildren<QWidget *>())
        QVERIFY2(tree.names.contains(widget), qPrintable(widget->objectName() + QStringLiteral(" is not in the tree")));
}

bool isQuestionPage(ScreenName name)
{
    return name >= ScreenName::Easy1 && name <= ScreenName::Hard3;
}

// The page's arrows and the caption labels beside them: (arrow, label).
std::vector<std::pair<QString, QString>> arrowsOf(ScreenName page)
{
    const bool oddOnes = page == ScreenName::Easy1 || page == ScreenName::Easy3;
    if (oddOnes)
        return {{QStringLiteral("Image8"), QStringLiteral("Label7")},
                {QStringLiteral("Image9"), QStringLiteral("Label8")}};
    return {{QStringLiteral("Image11"), QStringLiteral("Label10")},
            {QStringLiteral("Image10"), QStringLiteral("Label9")}};
}

bool canBePressed(QAccessibleInterface &node)
{
    QAccessibleActionInterface *actions = node.actionInterface();
    return actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

// Presses a control of the screen on view through its accessible press action, as an assistive tool does:
// the one on view with that name that can be pressed (the caption label beside an arrow reads the same).
void press(GameFixture &game, ScreenName screen, const QString &name)
{
    QVERIFY2(game.screen(screen).isVisible(), qPrintable(formName(screen)));
    std::vector<QAccessibleInterface *> found;
    walk(interfaceOf(game.screen(screen).window()), {}, [&](QAccessibleInterface &node, const QString &) {
        if (node.text(QAccessible::Name) == name && !node.state().invisible && canBePressed(node))
            found.push_back(&node);
    });
    QVERIFY2(found.size() == 1,
             qPrintable(formName(screen) + QStringLiteral(": %1 to press named ").arg(found.size()) + name));
    found.front()->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

} // namespace

// What a screen reader finds on every screen, and the arrows pressed through the accessibility interface.
class AccessibilityTest final : public QObject
{
    Q_OBJECT

private:
    void addScreenRows()
    {
        QTest::addColumn<ScreenName>("name");
        for (ScreenName name : allScreens)
            QTest::newRow(qPrintable(formName(name))) << name;
    }

private slots:
    void initTestCase() { applyLook(); }

    // Straight from the layouts, with no procedure behind them. Only what the design leaves without any
    // text, filled in when the screen loads, may be nameless here; the game's own screens are checked below.
    void everyDesignedControlHasAName_data() { addScreenRows(); }

    void everyDesignedControlHasAName()
    {
        QFETCH(ScreenName, name);
        const FormDescription layout = screens::layoutOf(name);
        Form form(layout, {});
        const TreeNames tree = namesIn(form.window());
        verifyTreeCoversWindow(tree, form.window());
        QStringList nameless;
        for (const auto &[object, text] : tree.names) {
            if (!text.trimmed().isEmpty())
                continue;
            auto *label = qobject_cast<QLabel *>(object);
            const bool emptyLabel = label && !qobject_cast<Picture *>(label) && label->text().isEmpty();
            const bool untitledWindow = object == &form.window() && layout.caption.isEmpty();
            if (!emptyLabel && !untitledWindow)
                nameless.append(object->objectName());
        }
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QStringLiteral(", "))));
    }

    void arrowsReadAsTheCaptionsBesideThem_data()
    {
        QTest::addColumn<ScreenName>("name");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        for (ScreenName name : allScreens) {
            if (!isQuestionPage(name))
                continue;
            const int page = (int(name) - int(ScreenName::Easy1)) % 3 + 1;
            QTest::newRow(qPrintable(formName(name)))
                << name << QString::fromLatin1(page == 1 ? "Main Page" : "Previous Page")
                << QString::fromLatin1(page == 3 ? "Submit" : "Next Page");
        }
    }

    void arrowsReadAsTheCaptionsBesideThem()
    {
        QFETCH(ScreenName, name);
        QFETCH(QString, left);
        QFETCH(QString, right);
        Form form(screens::layoutOf(name), {});
        const auto arrows = arrowsOf(name);
        const QStringList expected {left, right};
        for (std::size_t i = 0; i < arrows.size(); ++i) {
            auto *arrow = form.window().findChild<Picture *>(arrows[i].first);
            auto *caption = form.window().findChild<QLabel *>(arrows[i].second);
            QVERIFY(arrow && caption);
            QCOMPARE(caption->text(), expected[int(i)]);
            QCOMPARE(nameOf(*arrow), caption->text());
        }
    }

    // Every screen of the game as a player meets it: each level played to its result, then the menu.
    void noControlOfTheGameIsNameless()
    {
        GameFixture game;
        std::set<ScreenName> walked;
        auto walkLoadedScreens = [&] {
            for (ScreenName name : allScreens) {
                if (!game.runtime().screens().isCreated(name) || !game.screen(name).isLoaded())
                    continue;
                ScreenWindow &window = game.screen(name).window();
                const TreeNames tree = namesIn(window);
                verifyTreeCoversWindow(tree, window);
                QVERIFY2(tree.nameless.isEmpty(), qPrintable(tree.nameless.join(QStringLiteral(", "))));
                QCOMPARE(tree.names.at(&window), game.screen(name).caption());
                walked.insert(name);
            }
        };
        auto playToResult = [&](ScreenName page1, ScreenName result, int right) {
            for (int page = 0; page < 3; ++page) {
                const auto here = ScreenName(int(page1) + page);
                game.answer(here, page == 0 ? right : 0);
                game.click(here, arrowsOf(here)[1].first);
            }
            walkLoadedScreens();
            QLabel &scoreLine = game.screen(result).label(QStringLiteral("Label1"));
            QCOMPARE(scoreLine.text(), QStringLiteral("You got %1 out of 18.").arg(right));
            QCOMPARE(nameOf(scoreLine), scoreLine.text());
            QVERIFY(nameOf(game.screen(result).window()).endsWith(QStringLiteral(": %1 out of 18").arg(right)));
        };

        game.start();
        walkLoadedScreens();
        game.openLevel(QStringLiteral("cmdEasy"));
        playToResult(ScreenName::Easy1, ScreenName::EasyAbout, 3);
        game.click(ScreenName::EasyAbout, QStringLiteral("Command1"));
        playToResult(ScreenName::Medium1, ScreenName::MediumAbout, 5);
        game.click(ScreenName::MediumAbout, QStringLiteral("Command1"));
        playToResult(ScreenName::Hard1, ScreenName::HardAbout, 6);
        game.click(ScreenName::HardAbout, QStringLiteral("Command3"));
        game.screen(ScreenName::zzzExtra).window();
        walkLoadedScreens();
        QCOMPARE(int(walked.size()), int(allScreens.size()));
    }

    // In the game the arrows are buttons with a press action; the other pictures are only graphics.
    void onlyTheArrowsOfferAPress()
    {
        GameFixture game;
        game.start();
        game.openLevel(QStringLiteral("cmdMedium"));
        ScreenWindow &page = game.screen(ScreenName::Medium1).window();
        std::set<QString> pressable;
        for (Picture *picture : page.findChildren<Picture *>()) {
            QAccessibleInterface &node = interfaceOf(*picture);
            const bool press = canBePressed(node);
            QCOMPARE(node.role() == QAccessible::Button, press);
            if (press)
                pressable.insert(node.text(QAccessible::Name));
        }
        QCOMPARE(pressable, (std::set<QString> {QStringLiteral("Main Page"), QStringLiteral("Next Page")}));
    }

    // A whole level played through the accessibility interface alone, back and forth and to the result.
    void aLevelCanBePlayedThroughTheArrows()
    {
        GameFixture game;
        game.start();
        game.openLevel(QStringLiteral("cmdHard"));
        game.answer(ScreenName::Hard1, 6);
        press(game, ScreenName::Hard1, QStringLiteral("Next Page"));
        press(game, ScreenName::Hard2, QStringLiteral("Previous Page"));
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("Hard1")});
        press(game, ScreenName::Hard1, QStringLiteral("Next Page"));
        game.answer(ScreenName::Hard2, 4);
        press(game, ScreenName::Hard2, QStringLiteral("Next Page"));
        press(game, ScreenName::Hard3, QStringLiteral("Submit"));
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("HardAbout")});
        QCOMPARE(game.screen(ScreenName::HardAbout).label(QStringLiteral("Label1")).text(),
                 QStringLiteral("You got 10 out of 18."));
        game.click(ScreenName::HardAbout, QStringLiteral("Command3"));
        // Qt presses a push button with a short animation, the way a click looks.
        press(game, ScreenName::Main, QStringLiteral("Hard"));
        QTRY_COMPARE(game.visibleScreens(), QStringList {QStringLiteral("Hard1")});
        press(game, ScreenName::Hard1, QStringLiteral("Main Page"));
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("Main")});
    }

    // What the mouse cannot reach, the press action cannot either: a hidden page's arrow does nothing.
    void aHiddenArrowCannotBePressed()
    {
        GameFixture game;
        game.start();
        game.openLevel(QStringLiteral("cmdEasy"));
        Picture &next = game.screen(ScreenName::Easy1).image(QStringLiteral("Image9"));
        QAccessibleActionInterface *actions = interfaceOf(next).actionInterface();
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("Easy2")});
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("Easy2")});
        QVERIFY(!game.screen(ScreenName::Easy3).isLoaded());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
