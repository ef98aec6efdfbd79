// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/QtMessageBox.h"

#include <QLabel>

namespace pelmaroos::shell {

void QtMessageBox::show(const QString &prompt, MessageStyle style, const QString &title)
{
    // Run modal to the whole program: while a box is open no screen takes input.
    build(prompt, style, title)->exec();
}

std::unique_ptr<QMessageBox> QtMessageBox::build(const QString &prompt, MessageStyle style, const QString &title)
{
    auto box = std::make_unique<QMessageBox>(
        style == MessageStyle::Question ? QMessageBox::Question : QMessageBox::NoIcon, title, prompt, QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    // A screen reader reads the icon by what it shows.
    if (style == MessageStyle::Question) {
        if (auto *icon = box->findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label")))
            icon->setAccessibleName(QStringLiteral("Question mark"));
    }
    return box;
}

} // namespace pelmaroos::shell
