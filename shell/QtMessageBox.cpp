// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/QtMessageBox.h"

namespace pelmaroos::shell {

void QtMessageBox::show(const QString &prompt, MessageStyle style, const QString &title)
{
    build(prompt, style, title)->exec();
}

std::unique_ptr<QMessageBox> QtMessageBox::build(const QString &prompt, MessageStyle style, const QString &title)
{
    auto box = std::make_unique<QMessageBox>(style == MessageStyle::Question ? QMessageBox::Question : QMessageBox::NoIcon,
                                             title, prompt, QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    // While a box is open no screen of the program takes input.
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

} // namespace pelmaroos::shell
