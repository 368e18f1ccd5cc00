#pragma once

#include <QTextDocument>

namespace tavelin::helpdoc {

// Gives a document read from Markdown the look of Tavelin's printed help: fonts, headings in the
// program's colours, spacing, ruled tables, and each chapter (second-level heading) after the
// first on a page of its own.
void StyleText(QTextDocument& document);

// The font families of headings, table heads and page footers, the first one installed.
QStringList HeadingFamilies();

// Lengths in a text document are pixels of a 96 dpi screen, scaled to the device it is laid
// out for.
constexpr qreal Points(qreal points) {
  return points * 96 / 72;
}

}  // namespace tavelin::helpdoc
