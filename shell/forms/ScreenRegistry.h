// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/forms/FormDescription.h"
#include "shell/forms/Screen.h"
#include "shell/forms/ScreenBehaviour.h"
#include "shell/forms/ScreenName.h"

#include <QObject>

#include <array>
#include <memory>
#include <optional>

namespace pelmaroos::shell {

// The fifteen slots, one per screen. A slot is filled on the screen's first reference and never emptied,
// so every reference by name reaches the same instance.
class ScreenRegistry final : public QObject
{
    Q_OBJECT

public:
    ScreenRegistry();
    ~ScreenRegistry() override;

    // The layouts' own function, called for a screen's description when the screen first needs it: the
    // program starts without the descriptions of the screens its title screen does not show.
    using LayoutBuilder = FormDescription (*)(ScreenName);

    void define(ScreenName name, FormDescription layout, ScreenBehaviour behaviour);
    void define(ScreenName name, LayoutBuilder layout, ScreenBehaviour behaviour);
    // What a close request from a window's frame runs.
    void setCloseRequestProcedure(Procedure procedure);

    Screen &screen(ScreenName name);
    bool isCreated(ScreenName name) const;
    bool anyLoaded() const;

    // Runs an event procedure to its end. The program ends when the outermost one returns with no
    // screen loaded.
    void runProcedure(const Procedure &procedure);
    void requestClose();

    const FormDescription &layout(ScreenName name) const;
    const ScreenBehaviour &behaviour(ScreenName name) const;

signals:
    void screenLoaded(pelmaroos::shell::ScreenName name);
    void programEnded();

private:
    struct Definition {
        LayoutBuilder build = nullptr;
        std::optional<FormDescription> layout;
        ScreenBehaviour behaviour;
    };

    mutable std::array<Definition, screenCount> m_definitions;
    std::array<std::unique_ptr<Screen>, screenCount> m_slots;
    Procedure m_closeRequest;
    int m_running = 0;
};

} // namespace pelmaroos::shell
