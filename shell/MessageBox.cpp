#include "shell/MessageBox.h"

namespace pelmaroos::shell {

void MsgBox(MessageBoxService &boxes, const QString &prompt, MessageStyle style, const QString &title)
{
    boxes.show(prompt, style, title.isEmpty() ? applicationTitle : title);
}

} // namespace pelmaroos::shell
