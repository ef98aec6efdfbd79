// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/forms/WindowAccessibility.h"

#include "shell/forms/ScreenWindow.h"

#include <QAccessibleWidget>
#include <QDialogButtonBox>
#include <QMessageBox>

namespace pelmaroos::shell {

namespace {

// The toolkit reads a plain widget that is a window as a filler and a message box as an alert; a widget
// that is a window takes its title as its name. The row that holds a box's button only lays it out: read
// as a filler, which a screen reader passes over, not as a group it would announce with no name.
QAccessibleInterface *windowInterface(const QString &, QObject *object)
{
    if (auto *window = qobject_cast<ScreenWindow *>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    if (auto *box = qobject_cast<QMessageBox *>(object))
        return new QAccessibleWidget(box, QAccessible::Dialog);
    if (auto *buttons = qobject_cast<QDialogButtonBox *>(object);
        buttons && qobject_cast<QMessageBox *>(buttons->parent()))
        return new QAccessibleWidget(buttons, QAccessible::Client);
    return nullptr;
}

} // namespace

void installWindowAccessibility()
{
    QAccessible::installFactory(windowInterface);
}

} // namespace pelmaroos::shell
