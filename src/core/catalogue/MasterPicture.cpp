#include "MasterPicture.h"

#include <QtEndian>

namespace master_picture {

namespace {

constexpr int FileHeaderSize = 14;
constexpr quint32 CompressionRgb = 0;
constexpr quint32 CompressionRle8 = 1;
constexpr quint32 CompressionRle4 = 2;
constexpr quint32 CompressionBitFields = 3;
constexpr int MaxSide = 16384;

struct InfoHeader
{
    quint32 size;
    qint32 width;
    qint32 height;
    quint16 planes;
    quint16 bitCount;
    quint32 compression;
    quint32 sizeImage;
    quint32 coloursUsed;
};

InfoHeader readHeader(const char *p)
{
    InfoHeader h;
    h.size = qFromLittleEndian<quint32>(p);
    h.width = qFromLittleEndian<qint32>(p + 4);
    h.height = qFromLittleEndian<qint32>(p + 8);
    h.planes = qFromLittleEndian<quint16>(p + 12);
    h.bitCount = qFromLittleEndian<quint16>(p + 14);
    h.compression = qFromLittleEndian<quint32>(p + 16);
    h.sizeImage = qFromLittleEndian<quint32>(p + 20);
    h.coloursUsed = qFromLittleEndian<quint32>(p + 32);
    return h;
}

bool plausible(const InfoHeader &h)
{
    if (h.size != quint32(InfoHeaderSize) || h.planes != 1)
        return false;
    if (h.width <= 0 || h.width > MaxSide || h.height == 0 || h.height < -MaxSide || h.height > MaxSide)
        return false;
    switch (h.bitCount) {
    case 1: case 4: case 8:
        if (h.coloursUsed > (1u << h.bitCount))
            return false;
        break;
    case 16: case 24: case 32:
        if (h.coloursUsed > 256)
            return false;
        break;
    default: return false;
    }
    switch (h.compression) {
    case CompressionRgb: return true;
    case CompressionRle8: return h.bitCount == 8 && h.height > 0;
    case CompressionRle4: return h.bitCount == 4 && h.height > 0;
    case CompressionBitFields: return h.bitCount == 16 || h.bitCount == 32;
    default: return false;
    }
}

}

qint64 bitsOffset(int bitCount, quint32 coloursUsed, quint32 compression)
{
    if (bitCount <= 8) {
        const qint64 colours = coloursUsed != 0 ? qint64(coloursUsed) : (qint64(1) << (bitCount & 31));
        return InfoHeaderSize + 4 * colours;
    }
    const qint64 entries = qint64(coloursUsed) + (compression == CompressionBitFields ? 3 : 0);
    return InfoHeaderSize + 4 * entries;
}

QImage toImage(const QByteArray &picture)
{
    if (picture.size() < PrefixSize + InfoHeaderSize)
        return QImage();
    const QByteArray dib = picture.mid(PrefixSize);
    const InfoHeader h = readHeader(dib.constData());
    if (!plausible(h))
        return QImage();

    const qint64 offset = bitsOffset(h.bitCount, h.coloursUsed, h.compression);
    if (offset >= dib.size())
        return QImage();
    if (h.compression == CompressionRgb || h.compression == CompressionBitFields) {
        const qint64 rowBytes = ((qint64(h.width) * h.bitCount + 31) / 32) * 4;
        const qint64 rows = h.height < 0 ? -qint64(h.height) : qint64(h.height);
        if (offset + rowBytes * rows > dib.size())
            return QImage();
    }

    // A BMP file is the DIB behind a 14-byte file header that points at the bits.
    QByteArray file(FileHeaderSize, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(FileHeaderSize + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(quint32(FileHeaderSize + offset), file.data() + 10);
    file += dib;
    QImage image;
    if (!image.loadFromData(file, "BMP"))
        return QImage();
    return image;
}

QByteArray fromIndexedImage(const QImage &indexed, int bitCount)
{
    if (indexed.format() != QImage::Format_Indexed8 || (bitCount != 4 && bitCount != 8)
        || indexed.colorCount() > (1 << bitCount))
        return QByteArray();
    const QVector<QRgb> colours = indexed.colorTable();
    const int width = indexed.width();
    const int height = indexed.height();
    const int rowBytes = ((width * bitCount + 31) / 32) * 4;

    QByteArray header(InfoHeaderSize, '\0');
    char *p = header.data();
    qToLittleEndian<quint32>(InfoHeaderSize, p);
    qToLittleEndian<qint32>(width, p + 4);
    qToLittleEndian<qint32>(height, p + 8);
    qToLittleEndian<quint16>(1, p + 12);
    qToLittleEndian<quint16>(quint16(bitCount), p + 14);
    qToLittleEndian<quint32>(CompressionRgb, p + 16);
    qToLittleEndian<quint32>(quint32(rowBytes * height), p + 20);
    qToLittleEndian<quint32>(quint32(colours.size()), p + 32);

    QByteArray table(colours.size() * 4, '\0');
    for (int i = 0; i < colours.size(); ++i) {
        table[4 * i] = char(qBlue(colours[i]));
        table[4 * i + 1] = char(qGreen(colours[i]));
        table[4 * i + 2] = char(qRed(colours[i]));
    }

    QByteArray bits(rowBytes * height, '\0');
    for (int y = 0; y < height; ++y) {
        // Bottom-up rows, as a positive height says.
        const uchar *src = indexed.constScanLine(height - 1 - y);
        char *dst = bits.data() + y * rowBytes;
        for (int x = 0; x < width; ++x) {
            if (bitCount == 8)
                dst[x] = char(src[x]);
            else
                dst[x / 2] = char(dst[x / 2] | ((src[x] & 0x0F) << (x % 2 ? 0 : 4)));
        }
    }
    return QByteArray(PrefixSize, '\0') + header + table + bits;
}

}
