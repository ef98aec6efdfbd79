// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/controls/TruthValue.h"

#include <QRadioButton>

namespace pelmaroos::shell {

// One choice of a frame. Choosing it clears the other options of its frame; the frame is one tab stop,
// taken by its chosen option (or its first when none is chosen), and the arrow keys move the choice.
class OptionButton final : public QRadioButton
{
    Q_OBJECT

public:
    explicit OptionButton(const QString &caption, QWidget *parent);

    TruthValue value() const;
    void setValue(TruthValue value);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void updateTabStops();
};

} // namespace pelmaroos::shell
