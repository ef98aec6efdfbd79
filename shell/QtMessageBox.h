// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/MessageBox.h"

#include <QMessageBox>

#include <memory>

namespace pelmaroos::shell {

class QtMessageBox final : public MessageBoxService
{
public:
    void show(const QString &prompt, MessageStyle style, const QString &title) override;

    // The box as it is shown, not yet shown.
    static std::unique_ptr<QMessageBox> build(const QString &prompt, MessageStyle style, const QString &title);
};

} // namespace pelmaroos::shell
