// tavelin_helpdoc SOURCE OUTPUT DEPFILE: reads the help document from the Markdown file SOURCE,
// lays it out and writes it as the PDF file OUTPUT. DEPFILE tells the build which files it read,
// so that a changed picture writes the document again.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <stdexcept>

#include "HelpPictures.h"
#include "HelpStyle.h"
#include "PdfPages.h"

namespace {

const QString kTitle = QStringLiteral("Tavelin · Ajuda");

QString ReadText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    throw std::runtime_error("cannot read " + path.toStdString());
  }
  return QString::fromUtf8(file.readAll());
}

// Make's rule syntax, which is what build systems read from a depfile.
QString MakeRuleName(QString path) {
  return path.replace(QLatin1Char(' '), QLatin1String("\\ "));
}

void WriteDepfile(const QString& path, const QString& output, QStringList inputs) {
  inputs.removeDuplicates();
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
  QTextStream out(&file);
  out << MakeRuleName(QFileInfo(output).absoluteFilePath()) << ':';
  for (const QString& input : inputs)
    out << " \\\n  " << MakeRuleName(input);
  out << '\n';
}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace tavelin::helpdoc;
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  QTextStream err(stderr);
  if (args.size() != 4) {
    err << "usage: tavelin_helpdoc SOURCE OUTPUT DEPFILE\n";
    return 2;
  }
  try {
    const QFileInfo source(args[1]);
    QTextDocument document;
    document.setMarkdown(ReadText(source.filePath()), QTextDocument::MarkdownDialectGitHub);
    StyleText(document);
    const QStringList pictures = EmbedPictures(document, source.dir());
    WritePdf(document, args[2], kTitle);
    WriteDepfile(args[3], args[2], QStringList{source.absoluteFilePath()} + pictures);
  } catch (const std::exception& e) {
    err << "tavelin_helpdoc: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
