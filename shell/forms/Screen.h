// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/forms/Form.h"
#include "shell/forms/ScreenBehaviour.h"
#include "shell/forms/ScreenName.h"

#include <memory>

namespace pelmaroos::shell {

class ScreenRegistry;

// The one instance of a screen. It exists from its first reference; its window and controls exist only
// while it is loaded. Reaching its controls loads it, and so does Show.
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

    // The screen's controls by what they are (ScreenViews.h). Every read or write of a control goes
    // through here, so the first one loads the screen.
    template<typename View>
    const View &view()
    {
        const View *typed = std::any_cast<View>(&form().view());
        if (!typed)
            noSuchView();
        return *typed;
    }

    // The loaded window, for tests and tools that look at the screen; loads it.
    ScreenWindow &window();

private:
    Form &form();
    [[noreturn]] void noSuchView() const;
    void connectClicks();

    ScreenName m_name;
    ScreenRegistry &m_registry;
    std::unique_ptr<Form> m_form;
    bool m_shownSinceLoad = false;
};

} // namespace pelmaroos::shell
