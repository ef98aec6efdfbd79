#pragma once

#include "shell/MessageBox.h"

namespace pelmaroos::shell {

class QtMessageBox final : public MessageBoxService
{
public:
    void show(const QString &prompt, MessageStyle style, const QString &title) override;
};

} // namespace pelmaroos::shell
