// tavelin_pixelart PICTURE FACTOR OUTPUT: writes PICTURE enlarged FACTOR times, each pixel a
// square block, in the format that OUTPUT's suffix names (png, ico...). Pixel art keeps its
// sharp edges that way, where smooth scaling would blur them.
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QTextStream>

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  QTextStream err(stderr);
  const QStringList args = QGuiApplication::arguments();
  bool isNumber = false;
  const int factor = args.size() == 4 ? args[2].toInt(&isNumber) : 0;
  if (!isNumber || factor < 1) {
    err << "usage: tavelin_pixelart PICTURE FACTOR OUTPUT\n";
    return 2;
  }
  const QImage picture(args[1]);
  if (picture.isNull()) {
    err << "cannot read the picture " << args[1] << '\n';
    return 1;
  }
  QImageWriter writer(args[3]);
  if (!writer.write(
          picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation))) {
    err << "cannot write " << args[3] << ": " << writer.errorString() << '\n';
    return 1;
  }
  return 0;
}
