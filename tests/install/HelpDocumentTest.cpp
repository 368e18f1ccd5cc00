// The help document Tavelin.pdf as the build writes it, read back with the poppler tools.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <utility>

#include "ShippingRig.h"

namespace tavelin::testing {

namespace {

const QString kDocument = QStringLiteral(TAVELIN_HELP_DOCUMENT);
constexpr int kPages = 4;

// The text of one page, every run of white space (line ends too) made a single blank.
QString PageText(int page) {
  const QString number = QString::number(page);
  const ToolRun run = RunTool(QStringLiteral("pdftotext"),
                              {"-f", number, "-l", number, "-enc", "UTF-8", kDocument, "-"});
  if (run.exitCode != 0) return QStringLiteral("<pdftotext failed: %1>").arg(run.err);
  return run.out.simplified();
}

struct Heading {
  int level;
  QString text;
};

// The headings of the Markdown source, without the pictures some of them hold.
QList<Heading> SourceHeadings() {
  QFile file(SourcePath(QStringLiteral("docs/help/Tavelin.ca.md")));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  static const QRegularExpression heading(QStringLiteral("^(#{1,3}) (.+)$"));
  static const QRegularExpression picture(QStringLiteral("!\\[[^\\]]*\\]\\([^)]*\\)"));
  QList<Heading> headings;
  for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
    const QRegularExpressionMatch match = heading.match(line);
    if (match.hasMatch()) {
      headings.append({static_cast<int>(match.capturedLength(1)),
                       match.captured(2).remove(picture).simplified()});
    }
  }
  return headings;
}

struct PdfPicture {
  int number;
  QString type;  // image, or mask / smask for a transparency mask
  QSize size;
  QString encoding;
  int ppi;
};

// pdfimages -list of the pages `first` to `last`, numbered as pdfimages -png numbers the files.
QList<PdfPicture> PicturesOf(int first, int last) {
  const ToolRun run =
      RunTool(QStringLiteral("pdfimages"),
              {"-list", "-f", QString::number(first), "-l", QString::number(last), kDocument});
  QList<PdfPicture> pictures;
  // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
  for (const QString& line : run.out.split(QLatin1Char('\n')).mid(2)) {
    const QStringList cells = line.simplified().split(QLatin1Char(' '));
    if (cells.size() < 14) continue;
    pictures.append({cells[1].toInt(), cells[2], QSize(cells[3].toInt(), cells[4].toInt()),
                     cells[8], cells[12].toInt()});
  }
  return pictures;
}

QList<QSize> ImageSizes(const QList<PdfPicture>& pictures) {
  QList<QSize> sizes;
  for (const PdfPicture& picture : pictures) {
    if (picture.type == QStringLiteral("image")) sizes.append(picture.size);
  }
  return sizes;
}

// Pixels that differ where `expected` is opaque: what is transparent there is the mask's affair.
int DifferingPixels(const QImage& actual, const QImage& expected) {
  if (actual.size() != expected.size()) return -1;
  int differing = 0;
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      const QRgb wanted = expected.pixel(x, y);
      if (qAlpha(wanted) == 255 && (actual.pixel(x, y) & 0xFFFFFF) != (wanted & 0xFFFFFF))
        ++differing;
    }
  }
  return differing;
}

}  // namespace

class HelpDocumentTest : public QObject {
  Q_OBJECT

 private slots:
  void isAnA4DocumentWithEachChapterOnAPageOfItsOwn() {
    const ToolRun info = RunTool(QStringLiteral("pdfinfo"), {kDocument});
    QCOMPARE(info.exitCode, 0);
    QVERIFY(info.out.contains(QStringLiteral("Pages:           4\n")));
    QVERIFY(info.out.contains(QStringLiteral("Title:           Tavelin · Ajuda\n")));
    QVERIFY(info.out.contains(QStringLiteral("Page size:       595 x 842 pts (A4)\n")));

    // The title and the first chapter share page 1; every later chapter opens a page, and its
    // sections follow on that page.
    const QList<Heading> headings = SourceHeadings();
    QCOMPARE(headings.size(), 12);
    QCOMPARE(headings.first().level, 1);
    QCOMPARE(headings.first().text, QStringLiteral("Tavelin"));
    int page = 1;
    QString text = PageText(page);
    QVERIFY2(text.startsWith(QStringLiteral("Tavelin ")), qPrintable(text.left(60)));
    int from = 0;
    bool firstChapter = true;
    for (const Heading& heading : headings.mid(1)) {
      if (heading.level == 2 && !std::exchange(firstChapter, false)) {
        text = PageText(++page);
        QVERIFY2(text.startsWith(heading.text), qPrintable(text.left(60)));
        from = 0;
      }
      const int at = text.indexOf(heading.text, from);
      QVERIFY2(at >= 0, qPrintable(QStringLiteral("page %1 lacks %2").arg(page).arg(heading.text)));
      from = at + 1;
    }
    QCOMPARE(page, kPages);

    for (int p = 1; p <= kPages; ++p) {
      const QString pageText = PageText(p);
      QVERIFY(pageText.contains(QStringLiteral("Tavelin · Ajuda")));
      QVERIFY2(pageText.endsWith(QStringLiteral("Pàgina %1 de 4").arg(p)),
               qPrintable(pageText.right(40)));
    }
  }

  void namesWhatTheUserSeesInTheProgramsOwnWords() {
    const QString first = PageText(1);
    QVERIFY(first.contains(QStringLiteral("com a màxim 50 carpetes")));
    QVERIFY(first.contains(QStringLiteral("«Màxim 50 subcarpetes»")));

    const QString chooser = PageText(2);
    for (const char* phrase :
         {"la finestra «Visió total carpeta»", "sota «Recents:»", "Prem ok, o la tecla Retorn",
          "prem la tecla Supr", "la carpeta des d’on s’ha obert Tavelin"}) {
      QVERIFY2(chooser.contains(QString::fromUtf8(phrase)), phrase);
    }

    // The five buttons in the order of the strip, each with what it does.
    const QString tree = PageText(3);
    int from = 0;
    for (const char* tip : {"Bloc de Notes", "WordPad", "Executa", "Paint", "Mira carpeta"}) {
      const int at = tree.indexOf(QString::fromUtf8(tip), from);
      QVERIFY2(at > from, tip);
      from = at;
    }
    for (const char* phrase :
         {"Obre el fitxer amb el Bloc de notes.", "Obre el fitxer amb el WordPad.",
          "Executa el fitxer, si és un programa.", "Obre el fitxer amb el Paint.",
          "Obre la carpeta de la llista activa amb l’eina de carpetes marbek.exe.",
          "Un doble clic en un fitxer l’obre amb el Bloc de notes.", "«No és un executable»",
          "C:\\Archivos de programa\\Windows NT\\Accesorios"}) {
      QVERIFY2(tree.contains(QString::fromUtf8(phrase)), phrase);
    }

    const QString more = PageText(4);
    for (const char* phrase : {"una barra de desplaçament vertical", "al fitxer Recents.txt",
                               "El menú Info obre aquest document, Tavelin.pdf"}) {
      QVERIFY2(more.contains(QString::fromUtf8(phrase)), phrase);
    }
  }

  void holdsThePicturesPixelForPixelWithoutLoss() {
    const QList<PdfPicture> all = PicturesOf(1, kPages);
    QCOMPARE(ImageSizes(all), (QList<QSize>{{256, 256},
                                            {1208, 1284},
                                            {1216, 1328},
                                            {104, 120},
                                            {104, 120},
                                            {104, 120},
                                            {120, 136},
                                            {104, 120}}));
    // Every picture is stored losslessly, at four stored pixels to a 96 dpi pixel.
    for (const PdfPicture& picture : all) {
      QCOMPARE(picture.encoding, QStringLiteral("image"));
      QCOMPARE(picture.ppi, 384);
    }
    QCOMPARE(ImageSizes(PicturesOf(1, 1)), QList<QSize>{QSize(256, 256)});
    QCOMPARE(ImageSizes(PicturesOf(2, 2)), QList<QSize>{QSize(1208, 1284)});
    QCOMPARE(ImageSizes(PicturesOf(4, 4)), QList<QSize>());

    // Extracted again, they are the source pictures enlarged by whole pixels: the pixel art
    // eight times (shown at twice its size), the screenshots four times.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString prefix = folder.filePath(QStringLiteral("picture"));
    QCOMPARE(RunTool(QStringLiteral("pdfimages"), {"-png", kDocument, prefix}).exitCode, 0);
    const QList<std::pair<const char*, int>> sources = {
        {"src/pictures/TavelinIcon.xpm", 8},
        {"docs/help/chooser.png", 4},
        {"docs/help/tree-window.png", 4},
        {"src/pictures/BlocDeNotes.xpm", 8},
        {"src/pictures/WordPad.xpm", 8},
        {"src/pictures/Executa.xpm", 8},
        {"src/pictures/Paint.xpm", 8},
        {"src/pictures/MiraCarpeta.xpm", 8}};
    qsizetype source = 0;
    for (const PdfPicture& picture : all) {
      if (picture.type != QStringLiteral("image")) continue;
      const auto& [path, factor] = sources.at(source++);
      const QImage extracted(
          QStringLiteral("%1-%2.png").arg(prefix).arg(picture.number, 3, 10, QLatin1Char('0')));
      QCOMPARE(DifferingPixels(extracted, EnlargedPicture(QString::fromUtf8(path), factor)), 0);
    }
    QCOMPARE(source, sources.size());
  }
};

}  // namespace tavelin::testing

QTEST_GUILESS_MAIN(tavelin::testing::HelpDocumentTest)
#include "HelpDocumentTest.moc"
