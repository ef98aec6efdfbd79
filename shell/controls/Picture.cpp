// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/controls/Picture.h"

#include "shell/controls/Pixels.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace pelmaroos::shell {

namespace {

// A screen scaled up shows the art drawn at twice the size (resource@2x beside it) at the picture's own
// logical size, where the picture at 1x would be blown up and soft.
QImage pictureFor(const QString &resource, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1) {
        QImage sharp = pixelsImage(resource + QStringLiteral("@2x"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return pixelsImage(resource);
}

} // namespace

Picture::Picture(const QString &resource, QWidget *parent)
    : QLabel(parent)
    , m_picture(pictureFor(resource, devicePixelRatio()))
{
}

// The title screen's pictures are the largest, and shown only once.
Picture::~Picture()
{
    releasePixels(m_picture);
}

QSize Picture::pictureSize() const
{
    return m_picture.deviceIndependentSize().toSize();
}

bool Picture::isClickable() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Picture::clicked));
}

void Picture::click()
{
    emit clicked();
}

// Like a button, a picture reacts when the press is released over it; the toolkit hands the release to
// the control the press began on, whoever took the press.
void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, m_picture);
}

} // namespace pelmaroos::shell
