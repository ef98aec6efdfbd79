// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/forms/ScreenWindow.h"

#include <QCloseEvent>

namespace pelmaroos::shell {

ScreenWindow::ScreenWindow(std::function<void()> onCloseRequest)
    : m_onCloseRequest(std::move(onCloseRequest))
{
}

void ScreenWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (m_onCloseRequest)
        m_onCloseRequest();
}

} // namespace pelmaroos::shell
