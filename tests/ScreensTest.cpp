// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "GameFixture.h"
#include "screens/Layouts.h"
#include "screens/Pictures.h"
#include "shell/controls/Picture.h"
#include "shell/controls/PictureAccessibility.h"
#include "shell/controls/Pixels.h"
#include "shell/forms/Form.h"
#include "shell/forms/Look.h"
#include "shell/forms/QtMessageBox.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <map>
#include <set>

using namespace pelmaroos;
using namespace pelmaroos::shell;
using namespace pelmaroos::tests;
using screens::Level;

namespace {

// Where the approved pictures live; PELMAROOS_APPROVE_SCREENS=1 (`make approve-screens`) writes them anew.
const QString goldenFolder = QStringLiteral(PELMAROOS_GOLDEN_DIR);

using Reach = std::function<QWidget *(GameFixture &)>;

// A screen state as the player sees it, by the name of its approved picture.
struct Stop {
    QString name;
    Reach reach;
};

void addScreenRows()
{
    QTest::addColumn<ScreenName>("name");
    for (ScreenName name : allScreens)
        QTest::newRow(qPrintable(formName(name))) << name;
}

QWidget *onView(GameFixture &game)
{
    const QStringList visible = game.visibleScreens();
    Q_ASSERT(visible.size() == 1);
    return &game.screen(*std::ranges::find(allScreens, visible.front(), &formName)).window();
}

std::unique_ptr<QMessageBox> box;

// The last message box the game showed, built as the player would see it.
QWidget *lastBox(GameFixture &game)
{
    const ShownBox &shown = game.boxes.shown.back();
    box = QtMessageBox(screens::pictures::boxQuestion).build(shown.prompt, shown.style, shown.title);
    box->show();
    return box.get();
}

std::vector<Stop> tour()
{
    std::vector<Stop> stops {
        {QStringLiteral("title"), onView},
        // Faces are flat: a button held down shows itself by its colour alone.
        {QStringLiteral("title-continue-held"),
         [](GameFixture &game) {
             game.screen(ScreenName::PreMain).view<TitleScreenView>().cmdContinue->setDown(true);
             return onView(game);
         }},
        {QStringLiteral("level-menu"),
         [](GameFixture &game) {
             game.click(ScreenName::PreMain, QStringLiteral("cmdContinue"));
             return onView(game);
         }},
        // The button that takes the focus takes the default, which Return presses, and its outline.
        {QStringLiteral("level-menu-after-tab"),
         [](GameFixture &game) {
             game.click(ScreenName::PreMain, QStringLiteral("cmdContinue"));
             QWidget *menu = onView(game);
             if (QTest::qWaitForWindowActive(menu))
                 QTest::keyClick(menu->focusWidget(), Qt::Key_Tab);
             return menu;
         }},
        {QStringLiteral("help-box"),
         [](GameFixture &game) {
             game.click(ScreenName::PreMain, QStringLiteral("cmdContinue"));
             game.click(ScreenName::Main, QStringLiteral("cmdHelp"));
             return lastBox(game);
         }},
        {QStringLiteral("music-warning"),
         [](GameFixture &game) {
             game.sound.playAll = false;
             game.click(ScreenName::PreMain, QStringLiteral("Command1"));
             return lastBox(game);
         }},
    };
    const char *levels[] = {"easy", "medium", "hard"};
    for (Level level : {Level::Easy, Level::Medium, Level::Hard}) {
        for (const screens::QuestionPage &page : screens::pagesOf(level)) {
            stops.push_back({QStringLiteral("%1-page-%2").arg(QLatin1String(levels[int(level)])).arg(page.number),
                             [&page](GameFixture &game) {
                                 game.goTo(page.page);
                                 for (int question = 0; question < 4; ++question)
                                     game.choose(page.page, question, 1 + (question + page.number) % 3);
                                 return onView(game);
                             }});
        }
        for (auto [band, total] : {std::pair {"low", 4}, std::pair {"middle", 14}, std::pair {"top", 18}}) {
            stops.push_back({QStringLiteral("%1-result-%2").arg(QLatin1String(levels[int(level)]), QLatin1String(band)),
                             [level, total](GameFixture &game) {
                                 game.openLevel(level);
                                 game.playLevel(level, total);
                                 return onView(game);
                             }});
        }
    }
    // No picture revealed: the plain background, and the score line that a revealed picture would cover.
    stops.push_back({QStringLiteral("medium-result-none"), [](GameFixture &game) {
                         game.page(ScreenName::Medium3).Text1->setText(QStringLiteral("14"));
                         game.screen(ScreenName::MediumAbout).show();
                         return &game.screen(ScreenName::MediumAbout).window();
                     }});
    return stops;
}

// Red where the pictures differ, the actual picture in grey elsewhere.
QImage difference(const QImage &approved, const QImage &actual)
{
    QImage diff = actual.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < diff.height(); ++y) {
        for (int x = 0; x < diff.width(); ++x) {
            if (!approved.valid(x, y) || approved.pixel(x, y) != actual.pixel(x, y))
                diff.setPixel(x, y, qRgb(255, 0, 0));
        }
    }
    return diff;
}

// Compares a picture with its approved one; on a difference, writes it and a picture of the difference into
// the build folder and says where.
void compareWithApproved(const QString &name, const QImage &picture)
{
    const QImage actual = picture.convertToFormat(QImage::Format_RGB32);
    const QString approvedPath = goldenFolder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (qEnvironmentVariableIntValue("PELMAROOS_APPROVE_SCREENS")) {
        QVERIFY(actual.save(approvedPath));
        return;
    }
    const QImage approved = QImage(approvedPath).convertToFormat(QImage::Format_RGB32);
    if (approved == actual)
        return;
    const QDir differ(QStringLiteral(PELMAROOS_DIFFER_DIR));
    differ.mkpath(QStringLiteral("."));
    actual.save(differ.absoluteFilePath(name + QStringLiteral(".png")));
    difference(approved, actual).save(differ.absoluteFilePath(name + QStringLiteral("-diff.png")));
    QFAIL(qPrintable(QStringLiteral("%1 differs from %2: see %3").arg(name, approvedPath, differ.absolutePath())));
}

// Each kind of control is outlined in a hue of its own, fixed here so that the outlines read the same on
// every version of Qt.
int outlineHue(const QWidget &control)
{
    static const std::map<QString, int> hues {
        {QStringLiteral("QPushButton"), 127},
        {QStringLiteral("QLabel"), 299},
        {QStringLiteral("QGroupBox"), 249},
        {QStringLiteral("QLineEdit"), 255},
        {QStringLiteral("pelmaroos::shell::Picture"), 173},
        {QStringLiteral("pelmaroos::shell::OptionButton"), 89},
    };
    const auto hue = hues.find(QString::fromLatin1(control.metaObject()->className()));
    return hue == hues.end() ? -1 : hue->second;
}

} // namespace

// Every screen as the player sees it, against its approved picture; what a picture cannot show, checked
// by hand.
class ScreensTest final : public QObject
{
    Q_OBJECT

private slots:
    // A desktop's own colours, which the game's look replaces.
    void initTestCase()
    {
        QApplication::setPalette(QPalette(Qt::darkRed));
        applyLook();
        installPictureAccessibility();
        screens::pictures::registerResources();
    }
    void cleanup() { box.reset(); }

    // Exact pixels: the screens are drawn offscreen by one style with one font, so any change is a change.
    void everyScreenLooksAsApproved_data()
    {
        QTest::addColumn<QString>("name");
        // At twice the scale only the title: the same layout, the pictures drawn at twice the size.
        const bool doubled = qApp->devicePixelRatio() > 1;
        for (const Stop &stop : tour()) {
            if (!doubled || stop.name == QStringLiteral("title"))
                QTest::newRow(qPrintable(stop.name)) << (doubled ? stop.name + QStringLiteral("@2x") : stop.name);
        }
    }

    void everyScreenLooksAsApproved()
    {
        QFETCH(QString, name);
        const std::vector<Stop> stops = tour();
        const Stop &stop = *std::ranges::find(stops, name.section(QLatin1Char('@'), 0, 0), &Stop::name);
        GameFixture game;
        game.start();
        compareWithApproved(name, stop.reach(game)->grab().toImage());
    }

    // What no screen shows: every control's rectangle, hidden ones and those on a background of their own
    // colour included, outlined in a colour of its kind.
    void everyControlIsWhereApproved_data() { addScreenRows(); }

    void everyControlIsWhereApproved()
    {
        QFETCH(ScreenName, name);
        const Form form(screens::layoutOf(name), {});
        ScreenWindow &window = form.window();
        QImage outlines(window.size(), QImage::Format_RGB32);
        outlines.fill(Qt::white);
        QPainter painter(&outlines);
        // A picture takes its art's size, never stretched: the designed size is that of the art.
        for (const ControlDescription &control : screens::layoutOf(name).controls) {
            if (const auto *picture = qobject_cast<Picture *>(form.control(control.id)))
                QCOMPARE(picture->size(), QSize(pixels(control.geometry.width), pixels(control.geometry.height)));
        }
        for (QWidget *control : window.findChildren<QWidget *>()) {
            const int hue = outlineHue(*control);
            QVERIFY2(hue >= 0, control->metaObject()->className());
            painter.setPen(QColor::fromHsv(hue, 255, 160));
            painter.drawRect(QRect(control->mapTo(&window, QPoint()), control->size()).adjusted(0, 0, -1, -1));
        }
        compareWithApproved(QStringLiteral("outline-") + formName(name), outlines);
    }

    // Captions of buttons and one-line labels fit on one line; questions fit their two lines.
    void wordingFitsItsControls_data() { addScreenRows(); }

    void wordingFitsItsControls()
    {
        QFETCH(ScreenName, name);
        const Form form(screens::layoutOf(name), {});
        ScreenWindow &window = form.window();
        auto width = [](const QWidget &widget, const QString &text) {
            return widget.fontMetrics().horizontalAdvance(text);
        };
        const int indicator = window.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                              window.style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        for (QPushButton *button : window.findChildren<QPushButton *>())
            QVERIFY2(width(*button, button->text()) + 8 <= button->width(), qPrintable(button->text()));
        for (QRadioButton *option : window.findChildren<QRadioButton *>())
            QVERIFY2(width(*option, option->text()) + indicator <= option->width(), qPrintable(option->text()));
        for (QLabel *label : window.findChildren<QLabel *>()) {
            if (qobject_cast<Picture *>(label) || label->text().isEmpty())
                continue;
            const int lineHeight = label->fontMetrics().lineSpacing();
            const int lines = label->height() < 2 * lineHeight ? 1 : label->height() / lineHeight;
            const QRect needed =
                label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
            QVERIFY2(needed.height() <= lines * lineHeight + 1, qPrintable(label->text()));
        }
    }

    // Tab from the focus a screen comes up with visits its stops in the designed order and comes back to it:
    // a frame's options are one stop, labels, pictures and hidden controls none.
    void tabVisitsEveryScreenInItsDesignedOrder_data()
    {
        QTest::addColumn<ScreenName>("name");
        QTest::addColumn<QStringList>("stops");
        QTest::newRow("PreMain") << ScreenName::PreMain << QStringList {"cmdContinue", "Command1"};
        QTest::newRow("Main") << ScreenName::Main
                              << QStringList {"cmdEasy", "cmdMedium", "cmdHard", "cmdExit", "cmdHelp"};
        for (const screens::QuestionPage &page : screens::questionPages) {
            // Only Easy1's and Easy3's frames are visited from the bottom right up.
            const bool backwards = page.page == ScreenName::Easy1 || page.page == ScreenName::Easy3;
            QStringList stops;
            for (int frame = 0; frame < 6; ++frame)
                stops.append(QStringLiteral("Frame1(%1)").arg(backwards ? 5 - frame : frame));
            stops.append(QLatin1String(page.number == 3 ? "Command3" : "Command2"));
            QTest::newRow(qPrintable(formName(page.page))) << page.page << stops;
        }
        QTest::newRow("EasyAbout") << ScreenName::EasyAbout << QStringList {"Command1", "Command2", "Command3"};
        QTest::newRow("MediumAbout") << ScreenName::MediumAbout << QStringList {"Command2", "Command1", "Command3"};
        QTest::newRow("HardAbout") << ScreenName::HardAbout << QStringList {"Command3", "Command4", "Command5"};
    }

    void tabVisitsEveryScreenInItsDesignedOrder()
    {
        QFETCH(ScreenName, name);
        QFETCH(QStringList, stops);
        // As on the forms it was designed on, no two controls of a screen share a tab index.
        std::set<int> indices;
        for (const ControlDescription &control : screens::layoutOf(name).controls)
            QVERIFY2(control.tabIndex < 0 || indices.insert(control.tabIndex).second, qPrintable(keyOf(control.id)));
        GameFixture game;
        game.start();
        game.goTo(name);
        ScreenWindow &window = game.screen(name).window();
        QWidget *const first = window.focusWidget();
        QVERIFY(first);
        QStringList visited;
        QWidget *widget = first;
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(&window))
                visited.append(widget->parentWidget() == &window ? widget->objectName()
                                                                 : widget->parentWidget()->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != first);
        QCOMPARE(visited, stops);
    }

    // Every title bar: its caption word for word (a result screen's is its score line's, here at a total of
    // 0; GameFlowTest has the others) and the program's icon, but for zzzExtra, which has one of its own.
    void everyTitleBarIsAsDesigned_data()
    {
        QTest::addColumn<ScreenName>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("PreMain") << ScreenName::PreMain << QStringLiteral("Ardo's Pelmaroos Trivia!!!");
        QTest::newRow("Main") << ScreenName::Main << QStringLiteral("The Pelmaroos Trivia!");
        const char *levels[] = {"EASY", "MEDIUM", "HARD"};
        for (int level = 0; level < 3; ++level) {
            for (int number = 1; number <= 3; ++number) {
                const auto page = ScreenName(int(ScreenName::Easy1) + 3 * level + number - 1);
                QTest::newRow(qPrintable(formName(page)))
                    << page
                    << QStringLiteral("Pelmaroos Trivia - Page %1 (%2)").arg(number).arg(QLatin1String(levels[level]));
            }
            const auto result = ScreenName(int(ScreenName::EasyAbout) + level);
            QTest::newRow(qPrintable(formName(result)))
                << result << QStringLiteral("Your Score On The %1 Level: 0 out of 18").arg(formName(result).chopped(5));
        }
        QTest::newRow("zzzExtra") << ScreenName::zzzExtra << QStringLiteral("zzzExtra");
    }

    void everyTitleBarIsAsDesigned()
    {
        QFETCH(ScreenName, name);
        QFETCH(QString, caption);
        GameFixture game;
        game.start();
        // A result screen reads its level's total as it loads.
        for (ScreenName lastPage : {ScreenName::Easy3, ScreenName::Medium3, ScreenName::Hard3})
            game.page(lastPage).Text1->setText(QStringLiteral("0"));
        QCOMPARE(game.screen(name).caption(), caption);
        const QString icon =
            name == ScreenName::zzzExtra ? screens::pictures::extraIcon : screens::pictures::applicationIcon;
        // At twice the scale, the icon's own picture at twice the size.
        QImage drawn = pixelsImage(icon + (qApp->devicePixelRatio() > 1 ? QStringLiteral("@2x") : QString()));
        drawn.setDevicePixelRatio(qApp->devicePixelRatio());
        QCOMPARE(game.screen(name).window().windowIcon().pixmap(32).toImage(),
                 drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    // The program stores every picture of the art, each its art pixel for pixel, as Qt reads the art itself.
    void everyPictureIsItsArt()
    {
        const QFileInfoList arts = QDir(QStringLiteral(PELMAROOS_PICTURES_DIR)).entryInfoList(QDir::Files);
        QCOMPARE(QDir(QStringLiteral(":/pictures")).entryList().size(), arts.size());
        for (const QFileInfo &art : arts) {
            const QImage read = QImage(art.filePath()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
            const QImage stored = pixelsImage(QStringLiteral(":/pictures/") + art.completeBaseName());
            QVERIFY2(stored.convertToFormat(read.format()) == read, qPrintable(art.fileName()));
        }
    }

    // Assistive tools are offered a press on exactly the pictures a click reaches: the arrows, not the art.
    void aPictureOffersAPressWhereAClickReachesIt()
    {
        const auto offersPress = [](Picture *picture) {
            return QAccessible::queryAccessibleInterface(picture)->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction());
        };
        GameFixture game;
        game.start();
        const QList<Picture *> art = game.screen(ScreenName::PreMain).window().findChildren<Picture *>();
        QVERIFY(!art.isEmpty());
        for (Picture *picture : art)
            QCOMPARE(offersPress(picture), picture->isClickable());
        game.openLevel(Level::Easy);
        QVERIFY(offersPress(game.page(ScreenName::Easy1).forwardArrow));
    }

    // What a mouse cannot reach, an assistive tool's press cannot either: the arrows of a hidden page do nothing.
    void aHiddenArrowCannotBePressed()
    {
        GameFixture game;
        game.start();
        game.openLevel(Level::Easy);
        game.forward(ScreenName::Easy1);
        for (Picture *hidden : {game.page(ScreenName::Easy1).backArrow, game.page(ScreenName::Easy1).forwardArrow}) {
            QAccessible::queryAccessibleInterface(hidden)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
        }
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("Easy2")});
        QCOMPARE(game.loadedScreens(), (QStringList {"Easy1", "Easy2"}));
    }
};

QTEST_MAIN(ScreensTest)
#include "ScreensTest.moc"
