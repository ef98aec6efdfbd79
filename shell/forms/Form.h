// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/forms/FormDescription.h"
#include "shell/forms/ScreenWindow.h"

#include <QHash>
#include <QPointer>

#include <functional>
#include <memory>

namespace pelmaroos::shell {

// The window and controls of a loaded screen, built from its description.
class Form final
{
public:
    using CloseHandler = std::function<void()>;

    Form(const FormDescription &description, CloseHandler onCloseRequest);
    ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    ScreenWindow &window() const { return *m_window; }
    QWidget *control(const ControlId &id) const;
    // The screen's view, its controls in place; empty for a screen without one.
    const std::any &view() const { return m_view; }
    QWidget *firstInTabOrder() const { return m_firstInTabOrder; }

    // Discards the window once the event that is running has returned: a procedure may unload
    // its own screen and go on.
    void discardLater();

private:
    QWidget *createControl(const ControlDescription &control, QWidget *parent);
    void setTabOrder(const FormDescription &description);

    std::unique_ptr<ScreenWindow> m_window;
    QHash<QString, QWidget *> m_controls;
    std::any m_view;
    QPointer<QWidget> m_firstInTabOrder;
};

} // namespace pelmaroos::shell
