// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/forms/Form.h"

#include "shell/controls/OptionButton.h"
#include "shell/controls/Picture.h"
#include "shell/controls/Pixels.h"
#include "shell/forms/Look.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace pelmaroos::shell {

namespace {

QRect pixelRect(const TwipsRect &rect)
{
    return {pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height)};
}

bool isWindowed(ControlType type)
{
    return type != ControlType::Label && type != ControlType::Image;
}

void setColour(QWidget *widget, QPalette::ColorRole role, const Colour &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, resolve(colour));
    widget->setPalette(palette);
}

} // namespace

Form::Form(const FormDescription &description, CloseHandler onCloseRequest)
    : m_window(std::make_unique<ScreenWindow>(std::move(onCloseRequest)))
    , m_view(description.view)
{
    m_window->setWindowTitle(description.caption);
    m_window->resize(pixels(description.width), pixels(description.height));
    m_window->setFont(screenFont({}));
    setColour(m_window.get(), QPalette::Window, description.background);
    if (!description.icon.isEmpty())
        m_window->setWindowIcon(pixelsIcon(description.icon));

    // Screen-level controls first, so that frames exist before their options. Within one container the
    // labels and pictures are created back to front and the windowed controls after them: later widgets
    // lie in front.
    std::vector<const ControlDescription *> order;
    auto addContainer = [&](const QString &container) {
        for (auto it = description.controls.rbegin(); it != description.controls.rend(); ++it) {
            if (keyOf(it->container) == container && !isWindowed(it->type))
                order.push_back(&*it);
        }
        for (const ControlDescription &control : description.controls) {
            if (keyOf(control.container) == container && isWindowed(control.type))
                order.push_back(&control);
        }
    };
    addContainer(QString());
    for (const ControlDescription &control : description.controls) {
        if (control.type == ControlType::Frame)
            addContainer(keyOf(control.id));
    }

    for (const ControlDescription *control : order) {
        const QString container = keyOf(control->container);
        QWidget *parent = container.isEmpty() ? m_window.get() : m_controls.value(container);
        Q_ASSERT_X(parent, "Form", qPrintable(QStringLiteral("no container ") + container));
        QWidget *widget = createControl(*control, parent);
        m_controls.insert(keyOf(control->id), widget);
        if (control->inView)
            control->inView(m_view, *widget);
    }
    setTabOrder(description);
}

Form::~Form() = default;

QWidget *Form::control(const ControlId &id) const
{
    return m_controls.value(keyOf(id));
}

void Form::discardLater()
{
    m_window->hide();
    m_window.release()->deleteLater();
    m_controls.clear();
}

QWidget *Form::createControl(const ControlDescription &control, QWidget *parent)
{
    QWidget *widget = nullptr;
    switch (control.type) {
    case ControlType::CommandButton: {
        auto *button = new QPushButton(control.caption, parent);
        // Return presses the button that has the focus, as Space does.
        button->setAutoDefault(true);
        if (control.background)
            setColour(button, QPalette::Button, *control.background);
        widget = button;
        break;
    }
    case ControlType::Label: {
        auto *label = new QLabel(control.caption, parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAutoFillBackground(true);
        setColour(label, QPalette::Window, control.background.value_or(Colour::of(SystemColour::ButtonFace)));
        setColour(label, QPalette::WindowText, control.foreground.value_or(Colour::of(SystemColour::ButtonText)));
        widget = label;
        break;
    }
    case ControlType::Image: widget = new Picture(control.picture, parent); break;
    case ControlType::Frame: {
        // A frame is opaque: what lies behind it on the screen does not show through.
        auto *frame = new QGroupBox(control.caption, parent);
        frame->setAutoFillBackground(true);
        widget = frame;
        break;
    }
    case ControlType::OptionButton: widget = new OptionButton(control.caption, parent); break;
    case ControlType::TextBox: {
        auto *textBox = new QLineEdit(parent);
        textBox->setText(control.caption);
        widget = textBox;
        break;
    }
    }

    widget->setObjectName(keyOf(control.id));
    // Buttons, options, frames and labels read as their captions; a picture needs a name of its own.
    if (!control.accessibleName.isEmpty())
        widget->setAccessibleName(control.accessibleName);
    else if (control.type == ControlType::Image)
        widget->setAccessibleName(QStringLiteral("Picture"));
    // A control takes the screen's font unless it has its own, never its frame's.
    widget->setFont(screenFont(control.font.value_or(Font {})));
    QRect rect = pixelRect(control.geometry);
    if (auto *picture = qobject_cast<Picture *>(widget); picture && !picture->pictureSize().isEmpty())
        rect.setSize(picture->pictureSize()); // pictures never stretch
    widget->setGeometry(rect);
    if (!control.visible)
        widget->hide();
    return widget;
}

void Form::setTabOrder(const FormDescription &description)
{
    std::vector<const ControlDescription *> stops;
    for (const ControlDescription &control : description.controls) {
        if (control.tabIndex >= 0 && control.container.name.isEmpty() && isWindowed(control.type))
            stops.push_back(&control);
    }
    std::ranges::stable_sort(stops, {}, &ControlDescription::tabIndex);

    // A frame is visited through its options, which take the one tab stop among themselves.
    std::vector<QWidget *> chain;
    for (const ControlDescription *stop : stops) {
        QWidget *widget = control(stop->id);
        const std::size_t first = chain.size();
        if (stop->type == ControlType::Frame) {
            const auto options = widget->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly);
            chain.insert(chain.end(), options.begin(), options.end());
        } else {
            chain.push_back(widget);
        }
        if (!m_firstInTabOrder && stop->visible && chain.size() > first)
            m_firstInTabOrder = chain[first];
    }
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

} // namespace pelmaroos::shell
