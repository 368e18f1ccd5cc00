#include "gui/common/ClassicFont.h"

#include <QFontDatabase>
#include <cmath>

namespace tavelin::gui {

QFont ClassicFont(const core::Font& design, const QStringList& substitutes) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  for (const QString& family : QStringList{QString::fromUtf16(design.face)} + substitutes) {
    if (QFontDatabase::hasFamily(family)) {
      font.setFamily(family);
      break;
    }
  }
  font.setPixelSize(static_cast<int>(std::lround(design.points * 96 / 72)));
  font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
  font.setItalic(false);
  return font;
}

}  // namespace tavelin::gui
