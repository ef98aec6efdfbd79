// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/forms/Screen.h"

#include "shell/controls/Picture.h"
#include "shell/forms/ScreenRegistry.h"
#include "shell/x11/CentreGravity.h"
#include "shell/x11/FrameExtents.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include <optional>
#include <variant>

namespace pelmaroos::shell {

namespace {

// Shows a window centred on the screen with its frame, placed once, before it is on view. The same frame goes
// round every screen, so it is asked for once. Where it is not known, the window manager is asked to centre
// whatever frame it puts round the window where the window itself would be centred.
void showCentred(QWidget &window)
{
    static const std::optional<QMargins> knownFrame = frameBeforeShow(window);
    const QMargins frame = knownFrame.value_or(QMargins());
    QRect framed = window.geometry().marginsAdded(frame);
    framed.moveCenter(QGuiApplication::primaryScreen()->geometry().center());
    window.setGeometry(framed.marginsRemoved(frame));
    if (knownFrame)
        window.show();
    else
        showWithCentreGravity(window);
}

} // namespace

Screen::Screen(ScreenName name, ScreenRegistry &registry)
    : m_name(name)
    , m_registry(registry)
{
}

Screen::~Screen() = default;

bool Screen::isVisible() const
{
    return m_form && m_form->window().isVisible();
}

void Screen::show()
{
    ScreenWindow &window = form().window();
    const bool firstShow = !m_shownSinceLoad;
    if (firstShow) {
        m_shownSinceLoad = true;
        if (QWidget *first = m_form->firstInTabOrder())
            first->setFocus();
    }
    if (firstShow && m_registry.layout(m_name).centred)
        showCentred(window);
    else
        window.show();
    window.activateWindow();
}

void Screen::hide()
{
    form().window().hide();
}

void Screen::unload()
{
    if (!m_form)
        return;
    std::unique_ptr<Form> discarded = std::move(m_form);
    discarded->discardLater();
}

QString Screen::caption()
{
    return form().window().windowTitle();
}

void Screen::setCaption(const QString &caption)
{
    form().window().setWindowTitle(caption);
}

ScreenWindow &Screen::window()
{
    return form().window();
}

Form &Screen::form()
{
    if (!m_form) {
        m_form = std::make_unique<Form>(m_registry.layout(m_name), [this] { m_registry.requestClose(); });
        m_shownSinceLoad = false;
        connectClicks();
        emit m_registry.screenLoaded(m_name);
        m_registry.runProcedure(m_registry.behaviour(m_name).load);
        Q_ASSERT_X(m_form, "Screen", "a Load procedure unloaded its own screen");
    }
    return *m_form;
}

void Screen::noSuchView() const
{
    qFatal("%s has no view of that kind", qPrintable(formName(m_name)));
}

void Screen::connectClicks()
{
    for (const ClickProcedure &click : m_registry.behaviour(m_name).clicks) {
        // The name says which control the procedure is: a row bound to another control is a fault.
        const Clickable control = click.control(m_form->view());
        const QWidget *widget = std::visit([](const QWidget *clickable) { return clickable; }, control);
        if (!widget || QLatin1String(click.name) !=
                           formName(m_name) + QLatin1Char('_') + widget->objectName() + QStringLiteral("_Click"))
            qFatal("%s is not bound to the control it names", click.name);
        auto run = [this, procedure = click.run] { m_registry.runProcedure(procedure); };
        std::visit(
            [&run](auto *clickable) {
                QObject::connect(clickable, &std::remove_pointer_t<decltype(clickable)>::clicked, clickable, run);
            },
            control);
    }
}

} // namespace pelmaroos::shell
