// Windows icon files (.ico) holding several sizes of one picture.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace tavelin::tools {

// The images as one .ico: 256-pixel ones as PNG, the others as 32-bit bitmaps with their
// transparency mask, which every part of Windows reads.
QByteArray IconFile(const QList<QImage>& images);

}  // namespace tavelin::tools
