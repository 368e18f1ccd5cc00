// cmake --install into a prefix of the test's own: the program, its help, the menu entry and the
// icons, each where a freedesktop desktop looks for it.
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

#include "ShippingRig.h"

namespace tavelin::testing {

namespace {

ToolRun Install(const QString& prefix, const QString& stage = {}) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DESTDIR"));
  if (!stage.isEmpty()) environment.insert(QStringLiteral("DESTDIR"), stage);
  return RunTool(QStringLiteral(TAVELIN_CMAKE),
                 {"--install", QStringLiteral(TAVELIN_BUILD_DIR), "--prefix", prefix}, environment);
}

QStringList FilesUnder(const QString& root) {
  QStringList files;
  QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext())
    files.append(QDir(root).relativeFilePath(it.next()));
  files.sort();
  return files;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The keys of the [Desktop Entry] group; a key given twice is reported under "<twice>".
QMap<QString, QString> DesktopEntry(const QString& path) {
  QMap<QString, QString> entry;
  bool inGroup = false;
  for (const QString& line : QString::fromUtf8(ReadAll(path)).split(QLatin1Char('\n'))) {
    if (line.startsWith(QLatin1Char('['))) {
      inGroup = line == QStringLiteral("[Desktop Entry]");
    } else if (inGroup && line.contains(QLatin1Char('='))) {
      const QString key = line.section(QLatin1Char('='), 0, 0);
      if (entry.contains(key)) entry.insert(QStringLiteral("<twice>"), key);
      entry.insert(key, line.section(QLatin1Char('='), 1));
    }
  }
  return entry;
}

const QStringList kInstalledFiles = {
    "bin/tavelin",
    "share/applications/tavelin.desktop",
    "share/doc/tavelin/Tavelin.pdf",
    "share/icons/hicolor/128x128/apps/tavelin.png",
    "share/icons/hicolor/256x256/apps/tavelin.png",
    "share/icons/hicolor/32x32/apps/tavelin.png",
    "share/icons/hicolor/64x64/apps/tavelin.png",
};

}  // namespace

class InstallTest : public QObject {
  Q_OBJECT

 private slots:
  void putsEveryFileWhereTheDesktopLooksForIt() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    // A blank in the prefix is where an unquoted command line would break.
    const QString prefix = folder.filePath(QStringLiteral("prefix amb espais"));
    const ToolRun install = Install(prefix);
    QVERIFY2(install.exitCode == 0, qPrintable(install.err));
    QCOMPARE(FilesUnder(prefix), kInstalledFiles);

    const QString program = prefix + QStringLiteral("/bin/tavelin");
    QVERIFY(QFileInfo(program).isExecutable());
    QCOMPARE(ReadAll(program).left(4), QByteArray("\x7F"
                                                  "ELF"));
    QCOMPARE(ReadAll(prefix + QStringLiteral("/share/doc/tavelin/Tavelin.pdf")),
             ReadAll(QStringLiteral(TAVELIN_HELP_DOCUMENT)));

    // The 32-pixel icon and its whole-pixel enlargements, each in the folder of its size.
    for (const int factor : {1, 2, 4, 8}) {
      const int side = 32 * factor;
      const QImage icon(
          QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/tavelin.png").arg(prefix).arg(side));
      QCOMPARE(icon.size(), QSize(side, side));
      QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32),
               EnlargedPicture(QStringLiteral("src/pictures/TavelinIcon.xpm"), factor));
    }

    const QString desktopFile = prefix + QStringLiteral("/share/applications/tavelin.desktop");
    const QMap<QString, QString> entry = DesktopEntry(desktopFile);
    const QMap<QString, QString> expected = {
        {"Type", "Application"},
        {"Name", "Tavelin"},
        {"Name[ca]", "Tavelin"},
        {"GenericName", "Folder tree"},
        {"GenericName[ca]", "Arbre de carpetes"},
        {"Comment", "See the whole folder tree below a folder, with the files of every folder"},
        {"Comment[ca]",
         "Mostra tot l'arbre de carpetes d'una carpeta, amb els fitxers de cada carpeta"},
        {"Icon", "tavelin"},
        {"TryExec", program},
        {"Exec", QLatin1Char('"') + program + QLatin1Char('"')},
        {"Path", prefix + QStringLiteral("/share/doc/tavelin")},
        {"Terminal", "false"},
        {"Categories", "Utility;FileTools;"},
    };
    QCOMPARE(entry, expected);
    // Started there, "Info" finds the help by its bare name.
    QVERIFY(QFile::exists(entry.value(QStringLiteral("Path")) + QStringLiteral("/Tavelin.pdf")));

    const ToolRun validate = RunTool(QStringLiteral("desktop-file-validate"), {desktopFile});
    QCOMPARE(validate.exitCode, 0);
    QCOMPARE(validate.out + validate.err, QString());
  }

  void aStagedInstallNamesTheFinalPrefix() {
    QTemporaryDir stage;
    QVERIFY(stage.isValid());
    const ToolRun install = Install(QStringLiteral("/opt/tavelin"), stage.path());
    QVERIFY2(install.exitCode == 0, qPrintable(install.err));

    QStringList staged;
    for (const QString& file : kInstalledFiles)
      staged.append(QStringLiteral("opt/tavelin/") + file);
    QCOMPARE(FilesUnder(stage.path()), staged);

    const QMap<QString, QString> entry = DesktopEntry(
        stage.filePath(QStringLiteral("opt/tavelin/share/applications/tavelin.desktop")));
    QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("\"/opt/tavelin/bin/tavelin\""));
    QCOMPARE(entry.value(QStringLiteral("TryExec")), QStringLiteral("/opt/tavelin/bin/tavelin"));
    QCOMPARE(entry.value(QStringLiteral("Path")), QStringLiteral("/opt/tavelin/share/doc/tavelin"));
  }
};

}  // namespace tavelin::testing

QTEST_GUILESS_MAIN(tavelin::testing::InstallTest)
#include "InstallTest.moc"
