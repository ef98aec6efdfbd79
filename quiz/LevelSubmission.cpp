#include "quiz/QuestionPages.h"

#include "shell/Conversions.h"
#include "shell/Picture.h"
#include "shell/Runtime.h"

#include <QLineEdit>

namespace pelmaroos::quiz {

using shell::numberToText;
using shell::Screen;
using shell::textToNumber;

void QuestionPages::submitLevel(Level level)
{
    const LevelScreens screens = screensOf(level);
    const QString text1 = QStringLiteral("Text1");
    Screen &page3 = m_runtime.screen(screens.page3);

    const std::int16_t page3Score = ScorePage(screens.page3);
    const QString page1Box = m_runtime.screen(screens.page1).textBox(text1).text();
    const QString page2Box = m_runtime.screen(screens.page2).textBox(text1).text();
    const double total = (textToNumber(page1Box) + double(page3Score)) + textToNumber(page2Box);
    page3.textBox(text1).setText(numberToText(total));

    // The first picture touched loads the result screen, whose Load reads the total from page 3.
    Screen &result = m_runtime.screen(screens.result);
    auto totalNow = [&] { return textToNumber(page3.textBox(text1).text()); };
    if (totalNow() <= 9)
        result.image(QStringLiteral("Image3")).setVisible(true);
    for (int band = 10; band <= 17; ++band) {
        if (totalNow() == band)
            result.image(QStringLiteral("Image2")).setVisible(true);
    }
    if (totalNow() == 18)
        result.image(QStringLiteral("Image1")).setVisible(true);

    page3.hide();
    result.show();
}

} // namespace pelmaroos::quiz
