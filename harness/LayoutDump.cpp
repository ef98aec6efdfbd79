// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
// Prints the screens' captions and control rectangles (in twips, from the window's top left) and the question
// pages' arrows and keys as JSON, so that the real-window tests click where the game puts its controls.
#include "quiz/AnswerKey.h"
#include "screens/Layouts.h"
#include "screens/QuestionPageTable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

using namespace pelmaroos;

namespace {

QJsonObject screenOf(const shell::FormDescription &layout)
{
    QJsonObject controls;
    for (const shell::ControlDescription &control : layout.controls) {
        shell::TwipsRect at = control.geometry;
        for (const shell::ControlDescription &container : layout.controls) {
            if (!control.container.name.isEmpty() && container.id == control.container) {
                at.left += container.geometry.left;
                at.top += container.geometry.top;
            }
        }
        controls[shell::keyOf(control.id)] = QJsonArray {at.left, at.top, at.width, at.height};
    }
    return {{QStringLiteral("caption"), layout.caption}, {QStringLiteral("controls"), controls}};
}

} // namespace

int main()
{
    QJsonObject screens;
    for (shell::ScreenName name : shell::allScreens)
        screens[shell::formName(name)] = screenOf(screens::layoutOf(name));
    QJsonObject pages;
    for (const screens::QuestionPage &page : screens::questionPages) {
        QJsonArray key;
        for (int option : quiz::answerKey(page.page))
            key.append(option);
        pages[shell::formName(page.page)] = QJsonObject {
            {QStringLiteral("back"), QLatin1String(page.backArrow)},
            {QStringLiteral("forward"), QLatin1String(page.forwardArrow)},
            {QStringLiteral("quit"), QLatin1String(page.exitButton)},
            {QStringLiteral("key"), key},
        };
    }
    const QByteArray json =
        QJsonDocument(QJsonObject {{QStringLiteral("screens"), screens}, {QStringLiteral("pages"), pages}})
            .toJson(QJsonDocument::Compact);
    std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
    return 0;
}
