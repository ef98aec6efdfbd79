// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/forms/MessageBox.h"

#include <QMessageBox>

#include <memory>

namespace pelmaroos::shell {

class QtMessageBox final : public MessageBoxService
{
public:
    // A question box shows the stored picture questionPicture (a resource of pixels), so that it looks the
    // same whatever the toolkit's own question icon is.
    explicit QtMessageBox(QString questionPicture);

    void show(const QString &prompt, MessageStyle style, const QString &title) override;

    // The box as it is shown, not yet shown.
    std::unique_ptr<QMessageBox> build(const QString &prompt, MessageStyle style, const QString &title) const;

private:
    QString questionPicture;
};

} // namespace pelmaroos::shell
