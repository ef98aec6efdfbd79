// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/forms/ScreenRegistry.h"

namespace pelmaroos::shell {

namespace {

std::size_t slotOf(ScreenName name)
{
    return static_cast<std::size_t>(name);
}

} // namespace

ScreenRegistry::ScreenRegistry() = default;

ScreenRegistry::~ScreenRegistry() = default;

void ScreenRegistry::define(ScreenName name, FormDescription layout, ScreenBehaviour behaviour)
{
    m_definitions[slotOf(name)] = {{}, std::move(layout), std::move(behaviour)};
}

void ScreenRegistry::define(ScreenName name, LayoutBuilder layout, ScreenBehaviour behaviour)
{
    m_definitions[slotOf(name)] = {layout, std::nullopt, std::move(behaviour)};
}

void ScreenRegistry::setCloseRequestProcedure(Procedure procedure)
{
    m_closeRequest = std::move(procedure);
}

Screen &ScreenRegistry::screen(ScreenName name)
{
    std::unique_ptr<Screen> &slot = m_slots[slotOf(name)];
    if (!slot)
        slot = std::make_unique<Screen>(name, *this);
    return *slot;
}

bool ScreenRegistry::isCreated(ScreenName name) const
{
    return m_slots[slotOf(name)] != nullptr;
}

bool ScreenRegistry::anyLoaded() const
{
    return std::ranges::any_of(m_slots, [](const auto &slot) { return slot && slot->isLoaded(); });
}

void ScreenRegistry::runProcedure(const Procedure &procedure)
{
    ++m_running;
    if (procedure)
        procedure();
    if (--m_running == 0 && !anyLoaded())
        emit programEnded();
}

void ScreenRegistry::requestClose()
{
    runProcedure(m_closeRequest);
}

const FormDescription &ScreenRegistry::layout(ScreenName name) const
{
    Definition &definition = m_definitions[slotOf(name)];
    if (!definition.layout)
        definition.layout = definition.build ? definition.build(name) : FormDescription {};
    return *definition.layout;
}

const ScreenBehaviour &ScreenRegistry::behaviour(ScreenName name) const
{
    return m_definitions[slotOf(name)].behaviour;
}

} // namespace pelmaroos::shell
