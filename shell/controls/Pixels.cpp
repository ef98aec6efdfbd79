// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/controls/Pixels.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QResource>
#include <QtEndian>

#ifdef Q_OS_LINUX
#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace pelmaroos::shell {

namespace {

constexpr qint64 headerBytes = 16;
constexpr quint32 mostColours = 256;

int bitsPerPixel(QImage::Format format)
{
    switch (format) {
    case QImage::Format_Indexed8: return 8;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32_Premultiplied: return 32;
    default: return 0;
    }
}

} // namespace

QImage pixelsImage(const QString &resource)
{
    const QResource stored(resource);
    const uchar *data = stored.data();
    if (!data || stored.compressionAlgorithm() != QResource::NoCompression || stored.size() < headerBytes)
        return {};
    const auto width = int(qFromLittleEndian<quint32>(data));
    const auto height = int(qFromLittleEndian<quint32>(data + 4));
    const auto format = QImage::Format(qFromLittleEndian<quint32>(data + 8));
    const quint32 colours = qFromLittleEndian<quint32>(data + 12);
    const int bits = bitsPerPixel(format);
    const qint64 bytesPerLine = (qint64(width) * bits / 8 + 3) / 4 * 4;
    const quint32 tableSize = format == QImage::Format_Indexed8 ? mostColours : 0;
    if (bits == 0 || colours > tableSize || stored.size() != headerBytes + colours * 4 + bytesPerLine * height)
        return {};
    const uchar *rows = data + headerBytes + 4 * colours;
    // Whole pixels are read 32 bits at a time; resources are laid out so that they are aligned.
    if (bits == 32 && quintptr(rows) % alignof(quint32) != 0)
        return QImage(rows, width, height, bytesPerLine, format).copy();
    QImage image(rows, width, height, bytesPerLine, format);
    if (colours > 0) {
        QList<QRgb> colourTable(colours);
        for (quint32 colour = 0; colour < colours; ++colour)
            colourTable[colour] = qFromLittleEndian<quint32>(data + headerBytes + 4 * colour);
        image.setColorTable(colourTable);
    }
    return image;
}

void releasePixels(const QImage &picture)
{
#ifdef Q_OS_LINUX
    const uchar *pixels = picture.constBits();
    Dl_info file {};
    // Pixels copied to the heap are not the program file's: handing those back would wipe them.
    if (!pixels || dladdr(pixels, &file) == 0)
        return;
    const auto page = quintptr(sysconf(_SC_PAGESIZE));
    const quintptr first = (quintptr(pixels) + page - 1) / page * page;
    const quintptr end = (quintptr(pixels) + quintptr(picture.sizeInBytes())) / page * page;
    if (end > first)
        madvise(reinterpret_cast<void *>(first), end - first, MADV_DONTNEED);
#else
    Q_UNUSED(picture);
#endif
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
