// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/controls/OptionButton.h"

#include <QApplication>
#include <QKeyEvent>

namespace pelmaroos::shell {

OptionButton::OptionButton(const QString &caption, QWidget *parent)
    : QRadioButton(caption, parent)
{
    connect(this, &QAbstractButton::toggled, this, [this] { updateTabStops(); });
    updateTabStops();
}

TruthValue OptionButton::value() const
{
    return isChecked() ? True : False;
}

void OptionButton::setValue(TruthValue value)
{
    if (value != False) {
        setChecked(true);
        return;
    }
    // A checked exclusive button refuses to uncheck itself; lift the exclusivity for that one step.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
    updateTabStops();
}

void OptionButton::keyPressEvent(QKeyEvent *event)
{
    // The toolkit moves between options by where they lie, and a frame's options stand in one column:
    // Right goes to the next choice as Down does, Left to the one before as Up does.
    const int key = event->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        QKeyEvent vertical(event->type(), key == Qt::Key_Left ? Qt::Key_Up : Qt::Key_Down, event->modifiers(),
                           event->text(), event->isAutoRepeat(), ushort(event->count()));
        QRadioButton::keyPressEvent(&vertical);
        event->setAccepted(vertical.isAccepted());
    } else {
        QRadioButton::keyPressEvent(event);
    }
    // The toolkit moves the choice along with the focus only once a choice is made; the first arrow key
    // chooses too.
    if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Left && key != Qt::Key_Right)
        return;
    auto *landed = qobject_cast<OptionButton *>(QApplication::focusWidget());
    if (landed && landed != this && landed->parentWidget() == parentWidget() && !landed->isChecked())
        landed->click();
}

void OptionButton::updateTabStops()
{
    const auto siblings = parentWidget()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly);
    OptionButton *stop = siblings.isEmpty() ? nullptr : siblings.first();
    for (OptionButton *option : siblings) {
        if (option->isChecked())
            stop = option;
    }
    for (OptionButton *option : siblings)
        option->setFocusPolicy(option == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace pelmaroos::shell
