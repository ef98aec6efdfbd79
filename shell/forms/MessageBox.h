// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pelmaroos::shell {

enum class MessageStyle {
    OkOnly = 0,
    Question = 32,
};

// Shows a modal message box with one OK button and returns when it is dismissed.
class MessageBoxService
{
public:
    virtual ~MessageBoxService() = default;
    virtual void show(const QString &prompt, MessageStyle style, const QString &title) = 0;
};

// The application title, which a message box without a title of its own carries.
inline const QString applicationTitle = QStringLiteral("Pelmaroos");

inline void MsgBox(MessageBoxService &boxes, const QString &prompt, MessageStyle style, const QString &title = {})
{
    boxes.show(prompt, style, title.isEmpty() ? applicationTitle : title);
}

} // namespace pelmaroos::shell
