#pragma once

#include <QString>
#include <QTextDocument>

namespace tavelin::helpdoc {

// Lays `document` out on A4 pages and writes them to the PDF file `path`, each page with a footer
// that names the document and says "Pàgina n de N". Throws std::runtime_error when the file
// cannot be written.
void WritePdf(QTextDocument& document, const QString& path, const QString& title);

}  // namespace tavelin::helpdoc
