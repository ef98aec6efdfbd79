#include "quiz/QuestionPages.h"

#include "shell/OptionButton.h"
#include "shell/Runtime.h"

namespace pelmaroos::quiz {

using shell::False;
using shell::ScreenName;
using shell::True;
using shell::TruthValue;

namespace {

const QString option1 = QStringLiteral("Option1");
const QString option2 = QStringLiteral("Option2");
const QString option3 = QStringLiteral("Option3");

} // namespace

QuestionPages::QuestionPages(shell::Runtime &runtime)
    : m_runtime(runtime)
{
}

const AnswerMatrix &QuestionPages::answerMatrix(ScreenName page) const
{
    return m_matrices[std::size_t(pageIndexOf(page))];
}

AnswerMatrix &QuestionPages::matrixOf(ScreenName page)
{
    return m_matrices[std::size_t(pageIndexOf(page))];
}

void QuestionPages::loadPage(ScreenName page)
{
    shell::Screen &screen = m_runtime.screen(page);
    AnswerMatrix &matrix = matrixOf(page);
    for (int i = 0; i < 6; ++i) {
        for (std::size_t j = 0; j < 6; ++j) {
            screen.option(option1, i).setValue(False);
            screen.option(option2, i).setValue(False);
            screen.option(option3, i).setValue(False);
            matrix[std::size_t(i)][j] = False;
        }
    }
    const std::array<int, 6> key = answerKey(page);
    for (std::size_t i = 0; i < 6; ++i)
        matrix[i][std::size_t(key[i] - 1)] = True;
}

// A question counts when its chosen option's cell is True; option N belongs to column N - 1.
std::int16_t QuestionPages::ScorePage(ScreenName page)
{
    shell::Screen &screen = m_runtime.screen(page);
    const AnswerMatrix &matrix = matrixOf(page);
    std::int16_t score = 0;
    for (int i = 0; i < 6; ++i) {
        for (std::size_t j = 0; j < 6; ++j) {
            const TruthValue cell = matrix[std::size_t(i)][j];
            const TruthValue value1 = screen.option(option1, i).value();
            const TruthValue value2 = screen.option(option2, i).value();
            const TruthValue value3 = screen.option(option3, i).value();
            if (value1 == cell && value1 == True && j == 0)
                ++score;
            else if (value2 == cell && value2 == True && j == 1)
                ++score;
            else if (value3 == cell && value3 == True && j == 2)
                ++score;
        }
    }
    return score;
}

} // namespace pelmaroos::quiz
