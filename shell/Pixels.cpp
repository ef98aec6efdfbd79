// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/Pixels.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QResource>
#include <QtEndian>

namespace pelmaroos::shell {

namespace {

constexpr qint64 headerBytes = 12;
constexpr quint32 mostColours = 256;

} // namespace

QImage pixelsImage(const QString &resource)
{
    const QResource stored(resource);
    const uchar *data = stored.data();
    if (!data || stored.compressionAlgorithm() != QResource::NoCompression || stored.size() < headerBytes)
        return {};
    const auto width = int(qFromLittleEndian<quint32>(data));
    const auto height = int(qFromLittleEndian<quint32>(data + 4));
    const quint32 colours = qFromLittleEndian<quint32>(data + 8);
    const qint64 bytesPerLine = (qint64(width) + 3) / 4 * 4;
    if (colours > mostColours || stored.size() != headerBytes + colours * 4 + bytesPerLine * height)
        return {};
    QList<QRgb> colourTable(colours);
    for (quint32 colour = 0; colour < colours; ++colour)
        colourTable[colour] = qFromLittleEndian<quint32>(data + headerBytes + 4 * colour);
    QImage image(data + headerBytes + 4 * colours, width, height, bytesPerLine, QImage::Format_Indexed8);
    image.setColorTable(colourTable);
    return image;
}

QIcon pixelsIcon(const QString &resource)
{
    QIcon icon(QPixmap::fromImage(pixelsImage(resource)));
    if (qGuiApp->devicePixelRatio() > 1) {
        QPixmap sharp = QPixmap::fromImage(pixelsImage(resource + QStringLiteral("@2x")));
        sharp.setDevicePixelRatio(2);
        icon.addPixmap(sharp);
    }
    return icon;
}

} // namespace pelmaroos::shell
