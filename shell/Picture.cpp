// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/Picture.h"

#include "shell/PictureAccessibility.h"

#include <QMetaMethod>
#include <QMouseEvent>

namespace pelmaroos::shell {

namespace {

// A screen scaled up shows the art drawn at twice the size (name@2x.gif beside name.gif) at the picture's own
// logical size, where the picture at 1x would be blown up and soft. QPixmap does not look for it as QIcon does.
QPixmap pictureFor(const QString &resource, qreal devicePixelRatio)
{
    const qsizetype dot = resource.lastIndexOf(QLatin1Char('.'));
    if (devicePixelRatio > 1 && dot > 0) {
        QPixmap sharp(resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QPixmap(resource);
}

} // namespace

Picture::Picture(const QString &resource, QWidget *parent)
    : QLabel(parent)
{
    installPictureAccessibility();
    setPixmap(pictureFor(resource, devicePixelRatio()));
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
