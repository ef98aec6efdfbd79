// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/Form.h"
#include "shell/ScreenBehaviour.h"
#include "shell/ScreenName.h"

#include <memory>

class QLabel;
class QLineEdit;

namespace pelmaroos::shell {

class OptionButton;
class Picture;
class ScreenRegistry;

// The one instance of a screen. It exists from its first reference; its window and controls exist only
// while it is loaded. Reading or writing a control loads it, and so does Show.
class Screen final
{
public:
    Screen(ScreenName name, ScreenRegistry &registry);
    ~Screen();
    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    ScreenName name() const { return m_name; }
    bool isLoaded() const { return m_form != nullptr; }
    bool isVisible() const;

    void show();
    void hide();
    void unload();

    QString caption();
    void setCaption(const QString &caption);

    OptionButton &option(const QString &array, int index);
    QLineEdit &textBox(const QString &name);
    QLabel &label(const QString &name);
    Picture &image(const QString &name);

    // The loaded window, for tests and tools that look at the screen; loads it.
    ScreenWindow &window();

private:
    Form &form();
    QWidget &control(const ControlId &id);
    template<typename T>
    T &controlAs(const ControlId &id);
    void connectClicks();

    ScreenName m_name;
    ScreenRegistry &m_registry;
    std::unique_ptr<Form> m_form;
    bool m_shownSinceLoad = false;
};

} // namespace pelmaroos::shell
