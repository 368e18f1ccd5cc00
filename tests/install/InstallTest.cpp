// cmake --install into a prefix of the test's own: the program, its help, the menu entry and the
// icons, each where a freedesktop desktop looks for it.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
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

// Every file below `root`, its path relative to `root` behind `base`.
QStringList FilesUnder(const QString& root, const QString& base = {}) {
  QStringList files;
  QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext())
    files.append(base + QDir(root).relativeFilePath(it.next()));
  files.sort();
  return files;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The lines of the [Desktop Entry] group, sorted.
QStringList DesktopEntry(const QString& path) {
  const QString text = QString::fromUtf8(ReadAll(path));
  QStringList lines = text.section(QStringLiteral("[Desktop Entry]\n"), 1)
                          .section(QStringLiteral("\n["), 0, 0)
                          .split(u'\n', Qt::SkipEmptyParts);
  lines.sort();
  return lines;
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

// The lines of the entry that name the installed folders: quoted where a blank would split it.
void CheckEntryNames(const QString& desktopFile, const QString& prefix) {
  const QStringList entry = DesktopEntry(desktopFile);
  for (const QString& line :
       {"Exec=\"" + prefix + "/bin/tavelin\"", "TryExec=" + prefix + "/bin/tavelin",
        "Path=" + prefix + "/share/doc/tavelin"}) {
    const QString key = QRegularExpression::escape(line.section(u'=', 0, 0));
    QCOMPARE(entry.filter(QRegularExpression(u'^' + key + u'=')), QStringList{line});
  }
}

class InstallTest : public QObject {
  Q_OBJECT

 private slots:
  void PutsEveryFileWhereTheDesktopLooksForIt() {
    QTemporaryDir folder;
    // A blank in the prefix is where an unquoted command line would break.
    const QString prefix = folder.filePath(QStringLiteral("prefix amb espais"));
    const ToolRun install = Install(prefix);
    QVERIFY2(install.exitCode == 0, qPrintable(install.err));
    QCOMPARE(FilesUnder(prefix), kInstalledFiles);
    QVERIFY(QFileInfo(prefix + QStringLiteral("/bin/tavelin")).isExecutable());
    QCOMPARE(ReadAll(prefix + QStringLiteral("/share/doc/tavelin/Tavelin.pdf")),
             ReadAll(QStringLiteral(TAVELIN_HELP_DOCUMENT)));
    // The 32-pixel icon and its whole-pixel enlargements, each in the folder of its size.
    for (const int factor : {1, 2, 4, 8}) {
      const QImage icon(QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/tavelin.png")
                            .arg(prefix)
                            .arg(32 * factor));
      QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32),
               EnlargedPicture(QStringLiteral("src/gui/common/pictures/TavelinIcon.xpm"), factor));
    }
    // Started from its entry, in the help's folder, "Info" finds the help by its bare name.
    const QString desktopFile = prefix + QStringLiteral("/share/applications/tavelin.desktop");
    CheckEntryNames(desktopFile, prefix);
    const ToolRun validate = RunTool(QStringLiteral("desktop-file-validate"), {desktopFile});
    QCOMPARE(validate.exitCode, 0);
    QCOMPARE(validate.out + validate.err, QString());
  }

  void AStagedInstallNamesTheFinalPrefix() {
    QTemporaryDir stage;
    const ToolRun install = Install(QStringLiteral("/opt/tavelin"), stage.path());
    QVERIFY2(install.exitCode == 0, qPrintable(install.err));
    QCOMPARE(FilesUnder(stage.path()), FilesUnder(stage.path() + "/opt/tavelin", "opt/tavelin/"));
    QCOMPARE(FilesUnder(stage.path() + "/opt/tavelin"), kInstalledFiles);
    CheckEntryNames(
        stage.filePath(QStringLiteral("opt/tavelin/share/applications/tavelin.desktop")),
        QStringLiteral("/opt/tavelin"));
  }
};

}  // namespace tavelin::testing

QTEST_GUILESS_MAIN(tavelin::testing::InstallTest)
#include "InstallTest.moc"
