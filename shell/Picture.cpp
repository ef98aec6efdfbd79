#include "shell/Picture.h"

#include <QMouseEvent>

namespace pelmaroos::shell {

Picture::Picture(const QString &resource, QWidget *parent)
    : QLabel(parent)
{
    setPixmap(QPixmap(resource));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

// Like a button, a picture reacts when the press is released over it.
void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace pelmaroos::shell
