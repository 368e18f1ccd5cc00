// What is shipped: the help document Tavelin.pdf as the build writes it, read back with the
// poppler tools, and what cmake --install puts where a freedesktop desktop looks for it.
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace tavelin::testing {

namespace {

struct ToolRun {
  int exitCode = -1;
  QString out, err;
};

// Runs `program` and waits for it; one that cannot start gives -1 and the reason in `err`.
ToolRun RunTool(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  if (!process.waitForStarted() || !process.waitForFinished(120000))
    return {-1, {}, program + QStringLiteral(": ") + process.errorString()};
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

// A picture of the source enlarged `factor` times, every pixel a square block: how pixel art is
// shipped.
QImage EnlargedPicture(const QString& relative, int factor) {
  const QImage picture(QStringLiteral(TAVELIN_SOURCE_DIR "/") + relative);
  return picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation)
      .convertToFormat(QImage::Format_ARGB32);
}

const QString kDocument = QStringLiteral(TAVELIN_HELP_DOCUMENT);

// Pixels that differ where `expected` is opaque: what is transparent there is the mask's affair.
int DifferingPixels(const QImage& actual, const QImage& expected) {
  if (actual.size() != expected.size()) return -1;
  int differing = 0;
  for (int y = 0; y < expected.height(); ++y)
    for (int x = 0; x < expected.width(); ++x)
      differing += qAlpha(expected.pixel(x, y)) == 255 &&
                   (actual.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF);
  return differing;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

}  // namespace

class ShippingTest : public QObject {
  Q_OBJECT

 private slots:
  void IsAnA4DocumentOfFourNumberedPages() {
    const ToolRun info = RunTool(QStringLiteral("pdfinfo"), {kDocument});
    QVERIFY(info.out.contains(QStringLiteral("Pages:           4\n")));
    QVERIFY(info.out.contains(QStringLiteral("Page size:       595 x 842 pts (A4)\n")));
    // Every page ends in its number; runs of white space, line ends too, read as one blank.
    for (const QString page : {"1", "2", "3", "4"}) {
      const QString text = RunTool(QStringLiteral("pdftotext"),
                                   {"-f", page, "-l", page, "-enc", "UTF-8", kDocument, "-"})
                               .out.simplified();
      QVERIFY2(text.endsWith(QStringLiteral("Pàgina %1 de 4").arg(page)),
               qPrintable(text.right(40)));
    }
  }

  void HoldsThePicturesPixelForPixelWithoutLoss() {
    // pdfimages -list: page num type width height color comp bpc enc interp object ID x-ppi ...
    const ToolRun list = RunTool(QStringLiteral("pdfimages"), {"-list", kDocument});
    QList<int> images;
    for (const QString& line : list.out.split(u'\n').mid(2)) {
      const QStringList cells = line.simplified().split(u' ');
      if (cells.size() < 14 || cells[2] != QStringLiteral("image")) continue;
      images << cells[1].toInt();
      QCOMPARE(cells[12], QStringLiteral("384"));  // four stored pixels to a 96 dpi pixel
    }
    // Extracted again, they are the source pictures enlarged by whole pixels, so stored without
    // loss, in the order of the pages: the pixel art eight times (shown at twice its size), the
    // screenshots four.
    QTemporaryDir folder;
    const QString prefix = folder.filePath(QStringLiteral("picture"));
    QCOMPARE(RunTool(QStringLiteral("pdfimages"), {"-png", kDocument, prefix}).exitCode, 0);
    const QList<std::pair<const char*, int>> sources = {
        {"src/pictures/TavelinIcon.xpm", 8}, {"docs/help/chooser.png", 4},
        {"docs/help/tree-window.png", 4},    {"src/pictures/BlocDeNotes.xpm", 8},
        {"src/pictures/WordPad.xpm", 8},     {"src/pictures/Executa.xpm", 8},
        {"src/pictures/Paint.xpm", 8},       {"src/pictures/MiraCarpeta.xpm", 8}};
    QCOMPARE(images.size(), sources.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
      const QImage extracted(
          QStringLiteral("%1-%2.png").arg(prefix).arg(images[i], 3, 10, QLatin1Char('0')));
      QVERIFY2(DifferingPixels(extracted, EnlargedPicture(QString::fromUtf8(sources[i].first),
                                                          sources[i].second)) == 0,
               sources[i].first);
    }
  }

  // Staged below DESTDIR, every file lies below the final prefix, whose blank is where an
  // unquoted command line would break.
  void PutsEveryFileWhereTheDesktopLooksForIt() {
    QTemporaryDir stage;
    const QString prefix = QStringLiteral("/opt/tavelin amb espais"), root = stage.path() + prefix;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DESTDIR"), stage.path());
    const ToolRun install =
        RunTool(QStringLiteral(TAVELIN_CMAKE),
                {"--install", QStringLiteral(TAVELIN_BUILD_DIR), "--prefix", prefix}, environment);
    QVERIFY2(install.exitCode == 0, qPrintable(install.err));
    QStringList files;
    for (QDirIterator it(stage.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
      files.append(QDir(root).relativeFilePath(it.next()));
    QStringList expected{"bin/tavelin", "share/applications/tavelin.desktop",
                         "share/doc/tavelin/Tavelin.pdf"};
    // The 16- and 32-pixel icons and their whole-pixel enlargements, each in the folder of
    // its size.
    const std::pair<const char*, int> icons[] = {{"TavelinIcon16", 1}, {"TavelinIcon", 1},
                                                 {"TavelinIcon16", 3}, {"TavelinIcon", 2},
                                                 {"TavelinIcon", 4},   {"TavelinIcon", 8}};
    for (const auto& [picture, factor] : icons) {
      const QImage picked =
          EnlargedPicture(QStringLiteral("src/pictures/%1.xpm").arg(picture), factor);
      expected << QStringLiteral("share/icons/hicolor/%1x%1/apps/tavelin.png").arg(picked.width());
      QCOMPARE(QImage(root + u'/' + expected.last()).convertToFormat(QImage::Format_ARGB32),
               picked);
    }
    files.sort();
    expected.sort();
    QCOMPARE(files, expected);
    QCOMPARE(ReadAll(root + QStringLiteral("/share/doc/tavelin/Tavelin.pdf")), ReadAll(kDocument));
    // Started from its entry, in the help's folder, "Info" finds the help by its bare name.
    const QString desktopFile = root + QStringLiteral("/share/applications/tavelin.desktop");
    const QString entry = QString::fromUtf8(ReadAll(desktopFile));
    for (const QString& line :
         {"Exec=\"" + prefix + "/bin/tavelin\"", "TryExec=" + prefix + "/bin/tavelin",
          "Path=" + prefix + "/share/doc/tavelin"})
      QVERIFY2(entry.contains(u'\n' + line + u'\n'), qPrintable(line));
    const ToolRun validate = RunTool(QStringLiteral("desktop-file-validate"), {desktopFile});
    QCOMPARE(validate.exitCode, 0);
    QCOMPARE(validate.out + validate.err, QString());
  }
};

}  // namespace tavelin::testing

QTEST_GUILESS_MAIN(tavelin::testing::ShippingTest)
#include "ShippingTest.moc"
