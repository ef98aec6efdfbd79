// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <functional>

namespace pelmaroos::shell {

// The top-level window of a loaded screen. A close request from the window frame is handed on
// instead of closing the window alone.
class ScreenWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit ScreenWindow(std::function<void()> onCloseRequest);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::function<void()> m_onCloseRequest;
};

} // namespace pelmaroos::shell
