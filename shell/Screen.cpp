// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/Screen.h"

#include "shell/FrameExtents.h"
#include "shell/Picture.h"
#include "shell/ScreenRegistry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include <optional>
#include <variant>

namespace pelmaroos::shell {

namespace {

// The frame the window manager put round the last screen it framed. It puts the same round every screen.
std::optional<QMargins> learntFrame;

QMargins frameOf(const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// Centres a window on the screen, frame included, from the moment it is on view: with the frame the window
// manager put round an earlier screen, or else the one it says it is going to put round this one. When the
// frame turns up the window is centred again, which moves it only where the frame was not known.
class Centring final : public QObject
{
public:
    explicit Centring(QWidget &window)
        : QObject(&window)
        , m_window(window)
    {
        if (!learntFrame)
            learntFrame = frameBeforeShow(window);
        centre(learntFrame.value_or(QMargins()));
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // A manager that keeps the window where it was asked to be does not move it as it frames it: the
        // frame is looked for as the window is first drawn, too.
        const bool placedOrDrawn = event->type() == QEvent::Move || event->type() == QEvent::Paint;
        if (placedOrDrawn && m_window.frameGeometry() != m_window.geometry()) {
            m_window.removeEventFilter(this);
            learntFrame = frameOf(m_window);
            centre(*learntFrame);
            deleteLater();
        }
        return false;
    }

private:
    // Places the window's own area, not its frame: whether a move takes the frame in depends on what the
    // toolkit knows of the frame at the time.
    void centre(const QMargins &frame)
    {
        QRect framed = m_window.geometry().marginsAdded(frame);
        framed.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
        const QRect client = framed.marginsRemoved(frame);
        if (client != m_window.geometry())
            m_window.setGeometry(client);
    }

    QWidget &m_window;
};

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
    if (!m_shownSinceLoad) {
        m_shownSinceLoad = true;
        if (m_registry.layout(m_name).centred)
            new Centring(window);
        if (QWidget *first = m_form->firstInTabOrder())
            first->setFocus();
    }
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
