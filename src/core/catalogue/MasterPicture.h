#pragma once
// The dial pictures of the master type table: 92 bytes of header that are not
// interpreted, then a device-independent bitmap (BITMAPINFOHEADER, colour
// table, pixel bits).
#include <QByteArray>
#include <QImage>

namespace master_picture {

constexpr int PrefixSize = 92;
constexpr int InfoHeaderSize = 40;

// The image of a picture value; a null image when the value is empty, too
// short, or its header does not describe bits that lie inside the value.
QImage toImage(const QByteArray &picture);

// Offset of the pixel bits from the start of the info header, as the header's
// bit count, colours-used and compression values give it.
qint64 bitsOffset(int bitCount, quint32 coloursUsed, quint32 compression);

// The picture value of an indexed image (Format_Indexed8 with at most 16 or
// 256 colours) stored as a DIB of 4 or 8 bits per pixel behind 92 zero bytes;
// empty when the image does not fit the bit count.
QByteArray fromIndexedImage(const QImage &indexed, int bitCount);

}
