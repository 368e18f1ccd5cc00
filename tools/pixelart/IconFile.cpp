#include "IconFile.h"

#include <QBuffer>
#include <QDataStream>

namespace tavelin::tools {

namespace {

constexpr int kPngSide = 256;
constexpr quint32 kBitmapHeaderSize = 40;

// Rows bottom-up: the colour in BGRA, then the mask with a set bit for each transparent pixel,
// every mask row padded to 32 bits.
QByteArray Bitmap(const QImage& picture) {
  const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  const int maskRow = (image.width() + 31) / 32 * 4;
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out << kBitmapHeaderSize << qint32(image.width()) << qint32(image.height() * 2) << quint16(1)
      << quint16(32) << quint32(0) << quint32(0) << qint32(0) << qint32(0) << quint32(0)
      << quint32(0);
  for (int y = image.height() - 1; y >= 0; --y)
    for (int x = 0; x < image.width(); ++x)
      out << quint32(image.pixel(x, y));
  for (int y = image.height() - 1; y >= 0; --y) {
    QByteArray row(maskRow, '\0');
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) == 0) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
    out.writeRawData(row.constData(), int(row.size()));
  }
  return bytes;
}

QByteArray Png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

}  // namespace

QByteArray IconFile(const QList<QImage>& images) {
  QList<QByteArray> entries;
  for (const QImage& image : images)
    entries.append(image.width() >= kPngSide ? Png(image) : Bitmap(image));

  QByteArray file;
  QDataStream out(&file, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out << quint16(0) << quint16(1) << quint16(images.size());
  quint32 offset = 6 + 16 * quint32(images.size());
  for (qsizetype i = 0; i < images.size(); ++i) {
    // A side of 256 is written as 0.
    out << quint8(images[i].width() % kPngSide) << quint8(images[i].height() % kPngSide)
        << quint8(0) << quint8(0) << quint16(1) << quint16(32) << quint32(entries[i].size())
        << offset;
    offset += quint32(entries[i].size());
  }
  for (const QByteArray& entry : entries)
    out.writeRawData(entry.constData(), int(entry.size()));
  return file;
}

}  // namespace tavelin::tools
