#pragma once

#include <QDir>
#include <QStringList>
#include <QTextDocument>

namespace tavelin::helpdoc {

// Puts the pictures that the document names into it, read from files relative to `folder`.
// Pictures of at most 32 × 32 pixels (the program's buttons and icon) are pixel art: they are
// shown at twice their size. Larger ones (screenshots) are shown at their own size, centred,
// with their alternative text as a caption. Every picture is embedded enlarged pixel for pixel,
// so that it stays sharp however the page is magnified. Returns the files read; throws
// std::runtime_error when one cannot be read.
QStringList EmbedPictures(QTextDocument& document, const QDir& folder);

}  // namespace tavelin::helpdoc
