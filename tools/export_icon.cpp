// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// Writes the program's XPM icon, the one source of its 24 x 24 picture, as the PNG the desktop's
// icon theme wants and the ICO the Windows program carries: the 24 x 24 picture with a 256-colour
// palette and a transparency mask, then larger PNG sizes rendered from the scalable icon.
// usage: export_icon ICON.xpm OUT.png OUT.ico [LARGER.png...]
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>

#include <cstdio>

namespace {

void put16(QByteArray &out, quint16 value)
{
    out.append(reinterpret_cast<const char *>(&(value = qToLittleEndian(value))), 2);
}

void put32(QByteArray &out, quint32 value)
{
    out.append(reinterpret_cast<const char *>(&(value = qToLittleEndian(value))), 4);
}

// A BITMAPINFOHEADER image of 8 bits a pixel, rows bottom up, then its 1-bit AND mask.
QByteArray indexedBitmap(const QImage &picture)
{
    const QImage indexed = picture.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const int size = indexed.width();
    const int maskStride = ((size + 31) / 32) * 4;
    const int pixelStride = ((size + 3) / 4) * 4;
    QByteArray out;
    put32(out, 40);
    put32(out, size);
    put32(out, 2 * size);
    put16(out, 1);
    put16(out, 8);
    for (int field = 0; field < 6; ++field)
        put32(out, 0);
    for (int entry = 0; entry < 256; ++entry) {
        const QRgb colour = entry < indexed.colorCount() ? indexed.color(entry) : 0;
        out.append(static_cast<char>(qBlue(colour))).append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qRed(colour))).append('\0');
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(pixelStride, '\0');
        for (int x = 0; x < size; ++x)
            row[x] = qAlpha(picture.pixel(x, y)) < 128 ? '\0' : static_cast<char>(indexed.pixelIndex(x, y));
        out.append(row);
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < size; ++x)
            if (qAlpha(picture.pixel(x, y)) < 128)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ICON.xpm OUT.png OUT.ico [LARGER.png...]\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "minimal");
    QGuiApplication application(argc, argv);
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull() || !icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "export_icon: cannot convert %s\n", argv[1]);
        return 1;
    }
    // Each entry: its width and colour count for the directory, and its bytes.
    struct Entry {
        int size;
        int colours;
        QByteArray data;
    };
    QList<Entry> entries{{icon.width(), 256, indexedBitmap(icon.convertToFormat(QImage::Format_ARGB32))}};
    for (int i = 4; i < argc; ++i) {
        QFile png(QString::fromLocal8Bit(argv[i]));
        const QImage larger(png.fileName());
        if (larger.isNull() || !png.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "export_icon: cannot read %s\n", argv[i]);
            return 1;
        }
        entries.append({larger.width(), 0, png.readAll()});
    }
    QByteArray ico;
    put16(ico, 0);
    put16(ico, 1);
    put16(ico, static_cast<quint16>(entries.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(entries.size());
    for (const Entry &entry : entries) {
        ico.append(static_cast<char>(entry.size >= 256 ? 0 : entry.size));
        ico.append(static_cast<char>(entry.size >= 256 ? 0 : entry.size));
        ico.append(static_cast<char>(entry.colours >= 256 ? 0 : entry.colours)).append('\0');
        put16(ico, 1);
        put16(ico, entry.colours ? 8 : 32);
        put32(ico, static_cast<quint32>(entry.data.size()));
        put32(ico, offset);
        offset += static_cast<quint32>(entry.data.size());
    }
    for (const Entry &entry : entries)
        ico.append(entry.data);
    QFile out(QString::fromLocal8Bit(argv[3]));
    if (!out.open(QIODevice::WriteOnly) || out.write(ico) != ico.size()) {
        std::fprintf(stderr, "export_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
