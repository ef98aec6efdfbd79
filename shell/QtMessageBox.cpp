#include "shell/QtMessageBox.h"

#include <QMessageBox>

namespace pelmaroos::shell {

void QtMessageBox::show(const QString &prompt, MessageStyle style, const QString &title)
{
    QMessageBox box(style == MessageStyle::Question ? QMessageBox::Question : QMessageBox::NoIcon, title, prompt,
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    // While a box is open no screen of the program takes input.
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace pelmaroos::shell
