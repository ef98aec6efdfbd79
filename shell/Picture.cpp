#include "shell/Picture.h"

#include "shell/PictureAccessibility.h"

#include <QMetaMethod>
#include <QMouseEvent>

namespace pelmaroos::shell {

Picture::Picture(const QString &resource, QWidget *parent)
    : QLabel(parent)
{
    installPictureAccessibility();
    setPixmap(QPixmap(resource));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool Picture::isClickable() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Picture::clicked));
}

void Picture::click()
{
    emit clicked();
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

// Like a button, a picture reacts when the press is released over it.
void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

} // namespace pelmaroos::shell
