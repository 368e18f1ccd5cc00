#include "HelpPictures.h"

#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>
#include <stdexcept>
#include <vector>

#include "HelpStyle.h"

namespace tavelin::helpdoc {

namespace {

constexpr int kLargestPixelArt = 32;
constexpr int kPixelArtEnlargement = 2;
// Embedded pixels to a shown pixel: about 384 dpi on paper.
constexpr int kEmbeddedPerShownPixel = 4;
constexpr qreal kCaptionPoints = 8.5;

struct Picture {
  int position;
  QTextImageFormat format;
  bool standsAlone;
};

std::vector<Picture> PicturesOf(const QTextDocument& document) {
  std::vector<Picture> pictures;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const bool standsAlone = block.text() == QString(QChar::ObjectReplacementCharacter) &&
                             QTextCursor(block).currentTable() == nullptr;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.charFormat().isImageFormat()) {
        pictures.push_back(
            {fragment.position(), fragment.charFormat().toImageFormat(), standsAlone});
      }
    }
  }
  return pictures;
}

bool IsPixelArt(const QImage& image) {
  return image.width() <= kLargestPixelArt && image.height() <= kLargestPixelArt;
}

void AddCaption(QTextCursor cursor, const QString& text) {
  QTextBlockFormat block = cursor.blockFormat();
  block.setTopMargin(0);
  block.setBottomMargin(Points(10));
  QTextCharFormat characters;
  characters.setFontItalic(true);
  characters.setFontPointSize(kCaptionPoints);
  cursor.movePosition(QTextCursor::EndOfBlock);
  cursor.insertBlock(block, characters);
  cursor.insertText(text);
}

}  // namespace

QStringList EmbedPictures(QTextDocument& document, const QDir& folder) {
  QStringList files;
  const std::vector<Picture> pictures = PicturesOf(document);
  // From the last to the first, so that a caption added leaves the earlier positions as they are.
  for (auto picture = pictures.rbegin(); picture != pictures.rend(); ++picture) {
    const QString file = QDir::cleanPath(folder.absoluteFilePath(picture->format.name()));
    const QImage image(file);
    if (image.isNull()) throw std::runtime_error("cannot read the picture " + file.toStdString());
    files.prepend(file);

    const int shown = IsPixelArt(image) ? kPixelArtEnlargement : 1;
    const int embedded = shown * kEmbeddedPerShownPixel;
    const QUrl name = QUrl::fromLocalFile(file);
    document.addResource(
        QTextDocument::ImageResource, name,
        image.scaled(image.size() * embedded, Qt::IgnoreAspectRatio, Qt::FastTransformation));

    QTextImageFormat format = picture->format;
    format.setName(name.toString());
    format.setWidth(image.width() * shown);
    format.setHeight(image.height() * shown);
    format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    QTextCursor cursor(&document);
    cursor.setPosition(picture->position);
    cursor.setPosition(picture->position + 1, QTextCursor::KeepAnchor);
    cursor.setCharFormat(format);

    if (picture->standsAlone) {
      QTextBlockFormat centred = cursor.blockFormat();
      centred.setAlignment(Qt::AlignHCenter);
      centred.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
      cursor.setBlockFormat(centred);
      const QString caption = format.property(QTextFormat::ImageAltText).toString();
      if (!caption.isEmpty() && !IsPixelArt(image)) AddCaption(cursor, caption);
    }
  }
  return files;
}

}  // namespace tavelin::helpdoc
