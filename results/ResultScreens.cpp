#include "results/ResultScreens.h"

#include "shell/Conversions.h"
#include "shell/ExitAll.h"
#include "shell/Runtime.h"
#include "shell/SoundCues.h"

#include <QLabel>
#include <QLineEdit>

namespace pelmaroos::results {

using quiz::Level;
using shell::ScreenName;

namespace {

struct ResultConstants {
    QString titleText;
    QString lowCue;
    QString topCue;
    ScreenName next; // where the go-on button leads
};

ResultConstants constantsOf(Level level)
{
    namespace cues = shell::cues;
    switch (level) {
    case Level::Easy: return {QStringLiteral("Your Score On The Easy Level: "), cues::bad, cues::wow, ScreenName::Medium1};
    case Level::Medium:
        return {QStringLiteral("Your Score On The Medium Level: "), cues::haha, cues::excellent, ScreenName::Hard1};
    case Level::Hard:
        return {QStringLiteral("Your Score On The Hard Level: "), cues::stupid, cues::brilliant, ScreenName::Main};
    }
    return {};
}

} // namespace

// The three cue tests are separate, not a chain; the top one compares the text itself with "18".
void loadResultScreen(shell::Runtime &runtime, Level level)
{
    const quiz::LevelScreens screens = quiz::screensOf(level);
    const ResultConstants constants = constantsOf(level);
    shell::Screen &me = runtime.screen(screens.result);
    auto total = [&] { return runtime.screen(screens.page3).textBox(QStringLiteral("Text1")).text(); };
    QLabel &holder = me.label(QStringLiteral("Label10"));

    me.label(QStringLiteral("Label1")).setText(QStringLiteral("You got ") + total() + QStringLiteral(" out of 18."));
    me.setCaption(constants.titleText + total() + QStringLiteral(" out of 18"));
    holder.setText(total());

    if (shell::textToNumber(holder.text()) >= 10.0 && holder.text() != QStringLiteral("18"))
        shell::PlayCue(runtime, shell::cues::good);
    if (shell::textToNumber(holder.text()) <= 9.0)
        shell::PlayCue(runtime, constants.lowCue);
    if (holder.text() == QStringLiteral("18"))
        shell::PlayCue(runtime, constants.topCue);
}

// The result screen goes first; the level's pages stay loaded and hidden.
void goOn(shell::Runtime &runtime, Level level)
{
    runtime.screen(quiz::screensOf(level).result).unload();
    runtime.screen(constantsOf(level).next).show();
}

void EasyAbout_Form_Load(shell::Runtime &runtime)
{
    loadResultScreen(runtime, Level::Easy);
}

void MediumAbout_Form_Load(shell::Runtime &runtime)
{
    loadResultScreen(runtime, Level::Medium);
}

void HardAbout_Form_Load(shell::Runtime &runtime)
{
    loadResultScreen(runtime, Level::Hard);
}

void EasyAbout_Command1_Click(shell::Runtime &runtime)
{
    goOn(runtime, Level::Easy);
}

void MediumAbout_Command1_Click(shell::Runtime &runtime)
{
    goOn(runtime, Level::Medium);
}

void HardAbout_Command3_Click(shell::Runtime &runtime)
{
    goOn(runtime, Level::Hard);
}

void EasyAbout_Command2_Click(shell::Runtime &runtime)
{
    shell::ExitAll(runtime);
}

void EasyAbout_Command3_Click(shell::Runtime &runtime)
{
    shell::ExitAll(runtime);
}

void MediumAbout_Command2_Click(shell::Runtime &runtime)
{
    shell::ExitAll(runtime);
}

void MediumAbout_Command3_Click(shell::Runtime &runtime)
{
    shell::ExitAll(runtime);
}

void HardAbout_Command4_Click(shell::Runtime &runtime)
{
    shell::ExitAll(runtime);
}

void HardAbout_Command5_Click(shell::Runtime &runtime)
{
    shell::ExitAll(runtime);
}

shell::ScreenBehaviour resultScreenBehaviour(shell::Runtime &runtime, ScreenName screen)
{
    using Procedure = shell::ContextProcedure<shell::Runtime>;
    struct Entry {
        Procedure load;
        const char *goOnButton;
        Procedure goOn;
        const char *largeQuit;
        Procedure largeQuitClick;
        const char *smallQuit;
        Procedure smallQuitClick;
    };
    const Entry entry = [screen]() -> Entry {
        switch (screen) {
        case ScreenName::EasyAbout:
            return {EasyAbout_Form_Load, "Command1", EasyAbout_Command1_Click, "Command2", EasyAbout_Command2_Click,
                    "Command3", EasyAbout_Command3_Click};
        case ScreenName::MediumAbout:
            return {MediumAbout_Form_Load, "Command1", MediumAbout_Command1_Click, "Command2",
                    MediumAbout_Command2_Click, "Command3", MediumAbout_Command3_Click};
        default:
            return {HardAbout_Form_Load, "Command3", HardAbout_Command3_Click, "Command4", HardAbout_Command4_Click,
                    "Command5", HardAbout_Command5_Click};
        }
    }();
    return shell::bindProcedures(runtime, entry.load,
                                 {{entry.goOnButton, entry.goOn},
                                  {entry.largeQuit, entry.largeQuitClick},
                                  {entry.smallQuit, entry.smallQuitClick}});
}

} // namespace pelmaroos::results
