// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/Picture.h"

#include "shell/PictureAccessibility.h"
#include "shell/Pixels.h"

#include <QMetaMethod>
#include <QMouseEvent>

namespace pelmaroos::shell {

namespace {

// A screen scaled up shows the art drawn at twice the size (resource@2x beside it) at the picture's own
// logical size, where the picture at 1x would be blown up and soft.
QPixmap pictureFor(const QString &resource, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1) {
        QPixmap sharp = pixelsPicture(resource + QStringLiteral("@2x"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return pixelsPicture(resource);
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
