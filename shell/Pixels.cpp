// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/Pixels.h"

#include <QGuiApplication>
#include <QImage>
#include <QResource>
#include <QtEndian>

namespace pelmaroos::shell {

namespace {

constexpr qint64 headerBytes = 12;

} // namespace

QPixmap pixelsPicture(const QString &resource)
{
    const QResource stored(resource);
    const uchar *data = stored.data();
    if (!data || stored.compressionAlgorithm() != QResource::NoCompression || stored.size() < headerBytes)
        return {};
    const auto width = int(qFromLittleEndian<quint32>(data));
    const auto height = int(qFromLittleEndian<quint32>(data + 4));
    const auto format = QImage::Format(qFromLittleEndian<quint32>(data + 8));
    if (stored.size() != headerBytes + qint64(width) * height * 4)
        return {};
    QImage image(data + headerBytes, width, height, width * 4, format);
    // A QImage reads whole 32-bit pixels from its data; resources are laid out so that they are aligned.
    if (quintptr(data + headerBytes) % alignof(quint32) != 0)
        image = image.copy();
    return QPixmap::fromImage(std::move(image));
}

QIcon pixelsIcon(const QString &resource)
{
    QIcon icon(pixelsPicture(resource));
    if (qGuiApp->devicePixelRatio() > 1) {
        QPixmap sharp = pixelsPicture(resource + QStringLiteral("@2x"));
        sharp.setDevicePixelRatio(2);
        icon.addPixmap(sharp);
    }
    return icon;
}

} // namespace pelmaroos::shell
