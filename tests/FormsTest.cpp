// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "screens/Pictures.h"
#include "shell/controls/OptionButton.h"
#include "shell/controls/Picture.h"
#include "shell/controls/Pixels.h"
#include "shell/forms/Conversions.h"
#include "shell/forms/ScreenRegistry.h"
#include "shell/forms/ViewSlot.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>
#include <QtEndian>

#include <functional>

#include <sys/wait.h>
#include <unistd.h>

using namespace pelmaroos::shell;

namespace {

// How many whole pages under a picture's pixels are in the process's memory.
int residentPages(const QImage &picture)
{
    const auto page = quintptr(sysconf(_SC_PAGESIZE));
    const quintptr first = (quintptr(picture.constBits()) + page - 1) / page;
    const quintptr end = (quintptr(picture.constBits()) + quintptr(picture.sizeInBytes())) / page;
    QFile map(QStringLiteral("/proc/self/pagemap"));
    if (end <= first || !map.open(QIODevice::ReadOnly) || !map.seek(qint64(first * sizeof(quint64))))
        return -1;
    const QByteArray entries = map.read(qint64((end - first) * sizeof(quint64)));
    int resident = 0;
    for (qsizetype at = 0; at + qsizetype(sizeof(quint64)) <= entries.size(); at += sizeof(quint64))
        resident += int(qFromLittleEndian<quint64>(entries.constData() + at) >> 63);
    return resident;
}

// The small screens' view, filled from their description as the real screens' views are.
struct TestView {
    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    std::array<OptionButton *, 2> options {};
};

} // namespace

// The forms layer on two small screens of its own: loading, showing, hiding, unloading, and when the
// program ends.
class FormsTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ScreenRegistry> registry;
    int loads = 0;
    Procedure onCommand1;

    static FormDescription layout()
    {
        const ControlId frame {QStringLiteral("Frame1"), 0};
        return {
            .caption = QStringLiteral("Layout caption"),
            .width = 3000,
            .height = 1500,
            .controls =
                {
                    {.type = ControlType::Label,
                     .id = {QStringLiteral("Label1")},
                     .geometry = {0, 0, 1500, 255},
                     .caption = QStringLiteral("as laid out"),
                     .inView = viewMember(&TestView::Label1)},
                    {.type = ControlType::TextBox,
                     .id = {QStringLiteral("Text1")},
                     .geometry = {0, 300, 600, 285},
                     .visible = false,
                     .tabIndex = 2,
                     .inView = viewMember(&TestView::Text1)},
                    {.type = ControlType::CommandButton,
                     .id = {QStringLiteral("Command1")},
                     .geometry = {1500, 0, 735, 255},
                     .caption = QStringLiteral("Go"),
                     .tabIndex = 1,
                     .inView = viewMember(&TestView::Command1)},
                    {.type = ControlType::Frame, .id = frame, .geometry = {0, 600, 2500, 900}, .tabIndex = 0},
                    {.type = ControlType::OptionButton,
                     .id = {QStringLiteral("Option1"), 0},
                     .geometry = {120, 240, 1500, 255},
                     .container = frame,
                     .inView = viewPlace<TestView>([](TestView & view) -> auto & { return view.options[0]; })},
                    {.type = ControlType::OptionButton,
                     .id = {QStringLiteral("Option2"), 0},
                     .geometry = {120, 480, 1500, 255},
                     .container = frame,
                     .inView = viewPlace<TestView>([](TestView & view) -> auto & { return view.options[1]; })},
                    {.type = ControlType::Image,
                     .id = {QStringLiteral("Image1")},
                     .geometry = {2500, 0, 150, 150},
                     .picture = pelmaroos::screens::pictures::rightArrow},
                },
            .view = TestView {},
        };
    }

    Screen &a() { return registry->screen(ScreenName::PreMain); }
    Screen &b() { return registry->screen(ScreenName::Main); }
    // Reaching a control loads its screen.
    const TestView &controlsOfA() { return a().view<TestView>(); }
    const TestView &controlsOfB() { return b().view<TestView>(); }

private slots:
    void initTestCase() { pelmaroos::screens::pictures::registerResources(); }

    void init()
    {
        registry = std::make_unique<ScreenRegistry>();
        loads = 0;
        onCommand1 = {};
        registry->define(ScreenName::PreMain, layout(),
                         bindProcedures<TestView>(*this, {.load = {"PreMain_Form_Load",
                                                                   [](FormsTest &test) {
                                                                       ++test.loads;
                                                                       test.controlsOfA().Label1->setText(
                                                                           QStringLiteral("loaded"));
                                                                   }},
                                                          .clicks = {{"PreMain_Command1_Click", &TestView::Command1,
                                                                      [](FormsTest &test) { test.onCommand1(); }}}}));
        registry->define(ScreenName::Main, layout(), {});
    }

    void cleanup() { registry.reset(); }

    // A reference creates the instance alone; reaching a control loads it, hidden, its Load first.
    void referenceCreatesTheInstanceAndControlAccessLoadsIt()
    {
        QVERIFY(!registry->isCreated(ScreenName::PreMain));
        Screen &screen = a();
        QVERIFY(registry->isCreated(ScreenName::PreMain));
        QCOMPARE(&a(), &screen);
        QVERIFY(!screen.isLoaded());
        QCOMPARE(loads, 0);
        QVERIFY(!registry->isCreated(ScreenName::Main));

        QCOMPARE(controlsOfA().Text1->text(), QString());
        QVERIFY(a().isLoaded());
        QVERIFY(!a().isVisible());
        QCOMPARE(loads, 1);
        QCOMPARE(controlsOfA().Label1->text(), QStringLiteral("loaded"));
    }

    // Hidden, a screen keeps every value; unloaded, it is laid out afresh the next time it is reached.
    void hideKeepsEveryValueAndUnloadReturnsToTheLayout()
    {
        const Screen *instance = &a();
        a().show();
        QVERIFY(a().isVisible());
        controlsOfA().Text1->setText(QStringLiteral("4"));
        controlsOfA().options[1]->setValue(True);
        a().setCaption(QStringLiteral("changed"));
        a().hide();
        QVERIFY(a().isLoaded());
        QVERIFY(!a().isVisible());
        a().show();
        QCOMPARE(loads, 1);
        QCOMPARE(controlsOfA().Text1->text(), QStringLiteral("4"));
        QCOMPARE(controlsOfA().options[1]->value(), True);
        QCOMPARE(a().caption(), QStringLiteral("changed"));

        a().unload();
        QVERIFY(!a().isLoaded());
        QCOMPARE(&a(), instance);
        QCOMPARE(a().caption(), QStringLiteral("Layout caption"));
        QCOMPARE(loads, 2);
        QCOMPARE(controlsOfA().Text1->text(), QString());
        QCOMPARE(controlsOfA().options[1]->value(), False);
        QVERIFY(!a().isVisible());
    }

    // A frame is one tab stop, taken by its choice. A chosen option refuses to clear itself in Qt; putting
    // False must clear it all the same.
    void aChoiceTakesItsFramesTabStopAndFalseClearsIt()
    {
        OptionButton &first = *controlsOfA().options[0];
        OptionButton &second = *controlsOfA().options[1];
        QVERIFY(first.focusPolicy() & Qt::TabFocus);
        QVERIFY(!(second.focusPolicy() & Qt::TabFocus));
        second.setValue(True);
        QCOMPARE(second.value(), True);
        QVERIFY(!(first.focusPolicy() & Qt::TabFocus));
        QVERIFY(second.focusPolicy() & Qt::TabFocus);
        second.setValue(False);
        QCOMPARE(second.value(), False);
        QCOMPARE(first.value(), False);
    }

    void aProcedureMayUnloadItsOwnScreenAndGoOn()
    {
        a().show();
        QPointer<QWidget> oldWindow = &a().window();
        onCommand1 = [this] {
            a().unload();
            b().show();
            controlsOfB().Text1->setText(QStringLiteral("after"));
        };
        QTest::mouseClick(controlsOfA().Command1, Qt::LeftButton);
        QVERIFY(!a().isLoaded());
        QCOMPARE(controlsOfB().Text1->text(), QStringLiteral("after"));
        QTRY_VERIFY(oldWindow.isNull());
    }

    void theProgramEndsOnlyWhenNothingIsLoadedAndNoProcedureRuns()
    {
        QSignalSpy ended(registry.get(), &ScreenRegistry::programEnded);
        registry->runProcedure([this] { a().show(); });
        registry->runProcedure([this] {
            b().show();
            a().hide();
            b().unload();
        });
        QCOMPARE(ended.count(), 0); // a hidden screen is still loaded

        int endedWhileRunning = -1;
        registry->runProcedure([&] {
            registry->runProcedure([this] { a().unload(); });
            endedWhileRunning = int(ended.count());
        });
        QCOMPARE(endedWhileRunning, 0);
        QCOMPARE(ended.count(), 1);
    }

    // A picture takes its art's size, whatever its control's, and a release of the left button over it clicks.
    void aPictureTakesItsArtsSizeAndReactsToAReleaseOverIt()
    {
        Picture &picture = *a().window().findChild<Picture *>();
        QCOMPARE(picture.size(), pixelsImage(pelmaroos::screens::pictures::rightArrow).size());
        QSignalSpy clicked(&picture, &Picture::clicked);
        QTest::mouseClick(&picture, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicked.count(), 1);
        QTest::mouseClick(&picture, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(clicked.count(), 1);
    }

    // Once its screen is gone, a picture's pixels leave the process's memory and come back unchanged when it is
    // drawn again; pixels copied to the heap are left alone.
    void aPictureGoneHandsItsPixelsBackUnchanged()
    {
        const QImage stored = pixelsImage(pelmaroos::screens::pictures::titleLeft);
        const QImage copy = stored.copy();
        auto picture = std::make_unique<Picture>(pelmaroos::screens::pictures::titleLeft, nullptr);
        picture->grab();
        const int drawn = residentPages(stored);
        if (drawn < 0)
            QSKIP("This system does not say which pages are in memory.");
        QVERIFY(drawn > 0);
        picture.reset();
        QCOMPARE(residentPages(stored), 0);
        releasePixels(copy);
        QCOMPARE(stored, copy);
        QVERIFY(residentPages(stored) > 0);
    }

    // A procedure bound to another control than its name says is a fault in the game's tables: loading
    // its screen stops the program, naming it.
    void aProcedureBoundToAnotherControlStopsTheProgram()
    {
        registry->define(ScreenName::Medium1, layout(),
                         bindProcedures<TestView>(
                             *this, {.clicks = {{"Medium1_Label1_Click", &TestView::Command1, [](FormsTest &) {}}}}));
        QVERIFY(saidStopping([this] {
                    registry->screen(ScreenName::Medium1).window();
                }).contains("Medium1_Label1_Click is not bound to the control it names"));
    }

    // So is asking a screen for controls of another kind than it has.
    void aViewOfAnotherKindStopsTheProgram()
    {
        struct OtherView {
            QLabel *Label9 = nullptr;
        };
        QVERIFY(saidStopping([this] {
                    registry->screen(ScreenName::PreMain).view<OtherView>();
                }).contains("PreMain has no view of that kind"));
    }

    // Text read as a number, as the screens' counts are; text that is none stops the program with the
    // run-time error it names.
    void textIsReadAsANumberOrStopsTheProgram()
    {
        QCOMPARE(textToNumber(QStringLiteral(" 12 ")), 12.0);
        QCOMPARE(textToNumber(numberToText(std::int16_t(-7))), -7.0);
        QVERIFY(saidStopping([] {
                    textToNumber(QStringLiteral("twelve"));
                }).contains("Run-time error '13': Type mismatch (\"twelve\" is not a number)"));
    }

private:
    // What the program said as it stopped, running what in a process of its own; nothing if it did not stop.
    static QByteArray saidStopping(const std::function<void()> &what)
    {
        QTemporaryFile said;
        if (!said.open())
            return {};
        const pid_t child = fork();
        if (child == 0) {
            dup2(said.handle(), STDOUT_FILENO);
            dup2(said.handle(), STDERR_FILENO);
            what();
            _exit(0);
        }
        int status = 0;
        if (waitpid(child, &status, 0) != child || !WIFSIGNALED(status) || !said.seek(0))
            return {};
        return said.readAll();
    }
};

QTEST_MAIN(FormsTest)
#include "FormsTest.moc"
