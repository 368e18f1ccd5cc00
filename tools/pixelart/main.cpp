// tavelin_pixelart PICTURE FACTOR OUTPUT: writes PICTURE enlarged FACTOR times, each pixel a
// square block, in the format that OUTPUT's suffix names (png...). Pixel art keeps its sharp
// edges that way, where smooth scaling would blur them.
// tavelin_pixelart --icon OUTPUT PICTURE...: writes the Windows icon file OUTPUT with the sizes
// of kIconSides, each the largest PICTURE whose side divides it, enlarged the same way.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QTextStream>

#include "IconFile.h"

namespace {

constexpr int kIconSides[] = {16, 32, 48, 64, 256};

QImage Enlarged(const QImage& picture, int factor) {
  return picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

int WriteIcon(const QStringList& args, QTextStream& err) {
  QList<QImage> pictures;
  for (const QString& path : args.mid(3)) {
    pictures.append(QImage(path));
    if (pictures.back().isNull() || pictures.back().width() != pictures.back().height()) {
      err << "cannot read the square picture " << path << '\n';
      return 1;
    }
  }
  QList<QImage> images;
  for (const int side : kIconSides) {
    const QImage* source = nullptr;
    for (const QImage& picture : pictures)
      if (side % picture.width() == 0 && (!source || picture.width() > source->width()))
        source = &picture;
    if (!source) {
      err << "no picture enlarges to " << side << " pixels\n";
      return 1;
    }
    images.append(Enlarged(*source, side / source->width()));
  }
  QFile file(args[2]);
  if (!file.open(QIODevice::WriteOnly) || file.write(tavelin::tools::IconFile(images)) < 0) {
    err << "cannot write " << args[2] << ": " << file.errorString() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  QTextStream err(stderr);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() >= 4 && args[1] == "--icon") return WriteIcon(args, err);
  bool isNumber = false;
  const int factor = args.size() == 4 ? args[2].toInt(&isNumber) : 0;
  if (!isNumber || factor < 1) {
    err << "usage: tavelin_pixelart PICTURE FACTOR OUTPUT\n"
           "       tavelin_pixelart --icon OUTPUT PICTURE...\n";
    return 2;
  }
  const QImage picture(args[1]);
  if (picture.isNull()) {
    err << "cannot read the picture " << args[1] << '\n';
    return 1;
  }
  QImageWriter writer(args[3]);
  if (!writer.write(Enlarged(picture, factor))) {
    err << "cannot write " << args[3] << ": " << writer.errorString() << '\n';
    return 1;
  }
  return 0;
}
