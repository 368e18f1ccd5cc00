#include "gui/common/ClassicFont.h"

#include <QFontDatabase>

namespace tavelin::gui {

namespace {

constexpr int kPixelSize = 11;  // 8.25 pt at 96 dpi

}  // namespace

QFont ClassicFont(const QStringList& families, QFont::Weight weight) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  for (const QString& family : families) {
    if (QFontDatabase::hasFamily(family)) {
      font.setFamily(family);
      break;
    }
  }
  font.setPixelSize(kPixelSize);
  font.setWeight(weight);
  font.setItalic(false);
  return font;
}

}  // namespace tavelin::gui
