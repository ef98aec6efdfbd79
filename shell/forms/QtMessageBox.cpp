// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/forms/QtMessageBox.h"

#include "shell/controls/Pixels.h"

#include <QLabel>

namespace pelmaroos::shell {

namespace {

// The side of a box's icon, as the pictures are drawn.
constexpr int iconSide = 32;

} // namespace

QtMessageBox::QtMessageBox(QString questionPicture)
    : questionPicture(std::move(questionPicture))
{
}

void QtMessageBox::show(const QString &prompt, MessageStyle style, const QString &title)
{
    // Run modal to the whole program: while a box is open no screen takes input.
    build(prompt, style, title)->exec();
}

std::unique_ptr<QMessageBox> QtMessageBox::build(const QString &prompt, MessageStyle style, const QString &title) const
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    if (style == MessageStyle::Question) {
        box->setIconPixmap(pixelsIcon(questionPicture).pixmap(iconSide));
        // A screen reader reads the icon by what it shows.
        if (auto *icon = box->findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label")))
            icon->setAccessibleName(QStringLiteral("Question mark"));
    }
    return box;
}

} // namespace pelmaroos::shell
