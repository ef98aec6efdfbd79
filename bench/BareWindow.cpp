// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
// The baseline: the smallest Qt Widgets program that shows one window of the title screen's size.
// With --text it also shows a line of text, so that the cost of the font machinery can be told apart.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(730, 267);
    if (application.arguments().contains(QStringLiteral("--text")))
        new QLabel(QStringLiteral("Welcome to the bare window"), &window);
    window.show();
    return QApplication::exec();
}
