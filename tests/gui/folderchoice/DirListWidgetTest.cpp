#include <sys/stat.h>

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/TreeViewRig.h"
#include "gui/folderchoice/DirListWidget.h"
#include "gui/folderchoice/FolderChain.h"

namespace tavelin::gui {

using testing::DoubleClick;

namespace {

// Each entry as "text|path|depth".
QStringList Entries(const QListWidget& list) {
  QStringList entries;
  for (int i = 0; i < list.count(); ++i) {
    const QListWidgetItem* item = list.item(i);
    entries << QStringLiteral("%1|%2|%3")
                   .arg(item->text(), item->data(DirListWidget::kPathRole).toString())
                   .arg(item->data(DirListWidget::kDepthRole).toInt());
  }
  return entries;
}

QString Chain(const std::u16string& path, char16_t separator) {
  QStringList steps;
  for (const FolderStep& step : FolderChain(path, separator))
    steps << ToQString(step.name) + u'=' + ToQString(step.path);
  return steps.join(u' ');
}

}  // namespace

class DirListWidgetTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir temp_;
  QString root_;

 private slots:
  void initTestCase() {
    // Resolved, so that the listing's ancestors match the path piece by piece.
    root_ = QDir(temp_.path()).canonicalPath();
    for (const char* sub : {"Beta", "alfa", "Gamma/Sub", "Gamma/altra", ".amagada"})
      QVERIFY(QDir(root_).mkpath(QString::fromUtf8(sub)));
    QFile file(root_ + QStringLiteral("/fitxer.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
  }

  void SplitsPathsIntoTheirChain() {
    const struct {
      std::u16string path;
      char16_t separator;
      QString chain, trimmed;
    } cases[] = {
        {u"/home/anna/Fotos", u'/', "/=/ home=/home anna=/home/anna Fotos=/home/anna/Fotos",
         "/home/anna/Fotos"},
        {u"/home/anna//", u'/', "/=/ home=/home anna=/home/anna", "/home/anna"},
        {u"/", u'/', "/=/", "/"},
        {u"C:\\Dades\\\\Fotos", u'\\', "C:\\=C:\\ Dades=C:\\Dades Fotos=C:\\Dades\\Fotos",
         "C:\\Dades\\\\Fotos"},
        {u"C:\\", u'\\', "C:\\=C:\\", "C:\\"},
        {u"C:\\Dades\\", u'\\', "C:\\=C:\\ Dades=C:\\Dades", "C:\\Dades"},
    };
    for (const auto& c : cases) {
      const QByteArray row = ToQString(c.path).toUtf8();
      QVERIFY2(Chain(c.path, c.separator) == c.chain, row);
      QVERIFY2(ToQString(TrimFolderPath(c.path, c.separator)) == c.trimmed, row);
    }
    QVERIFY(ChildPath(u"/", u"home", u'/') == u"/home");
    QVERIFY(ChildPath(u"C:\\Dades", u"x", u'\\') == u"C:\\Dades\\x");
  }

  void ShowsAncestorsOpenThenSortedSubFoldersClosed() {
    DirListWidget list(platform::NativeFileSystem());
    QVERIFY(list.SetPath(ToU16String(root_)));
    QStringList expected;
    int depth = 0;
    for (const FolderStep& step : FolderChain(ToU16String(root_), u'/'))
      expected << QStringLiteral("%1|%2|%3")
                      .arg(ToQString(step.name), ToQString(step.path))
                      .arg(depth++);
    // Sorted without regard to case, hidden folders and files left out.
    for (const char* child : {"alfa", "Beta", "Gamma"})
      expected << QStringLiteral("%1|%2/%1|%3").arg(child, root_).arg(depth);
    QCOMPARE(Entries(list), expected);
    QCOMPARE(list.currentRow(), depth - 1);
  }

  void DoubleClickOpensSingleClickAndArrowsOnlyHighlight() {
    DirListWidget list(platform::NativeFileSystem());
    list.resize(257, 216);
    QVERIFY(list.SetPath(ToU16String(root_)));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy changes(&list, &DirListWidget::changed);

    QListWidgetItem* gamma = list.findItems(QStringLiteral("Gamma"), Qt::MatchExactly).value(0);
    QVERIFY(gamma != nullptr);
    list.scrollToItem(gamma);
    const QPoint where = list.visualItemRect(gamma).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, where);
    QCOMPARE(list.currentItem(), gamma);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Up);
    QCOMPARE(ToQString(list.Path()), root_);
    QCOMPARE(changes.count(), 0);

    DoubleClick(list.viewport(), where);
    QCOMPARE(ToQString(list.Path()), root_ + QStringLiteral("/Gamma"));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(list.item(list.count() - 1)->text(), QStringLiteral("Sub"));

    // The root entry opens the root, which alone keeps its separator.
    QCoreApplication::processEvents();
    DoubleClick(list.viewport(), list.visualItemRect(list.item(0)).center());
    QCOMPARE(ToQString(list.Path()), QStringLiteral("/"));
    QCOMPARE(changes.count(), 2);
    QCOMPARE(list.currentRow(), 0);
  }

  void SettingThePathRaisesOneChangePerChangeAndRefusesNonFolders() {
    DirListWidget list(platform::NativeFileSystem());
    QSignalSpy changes(&list, &DirListWidget::changed);
    QVERIFY(list.SetPath(ToU16String(root_ + QStringLiteral("/Beta/"))));
    QCOMPARE(ToQString(list.Path()), root_ + QStringLiteral("/Beta"));
    QVERIFY(list.SetPath(ToU16String(root_ + QStringLiteral("/Beta"))));
    QCOMPARE(changes.count(), 1);

    const QStringList shown = Entries(list);
    for (const QString& refused : {root_ + "/NoHiEs", root_ + "/fitxer.txt", QString()})
      QVERIFY2(!list.SetPath(ToU16String(refused)), qPrintable(refused));
    QCOMPARE(Entries(list), shown);
    QCOMPARE(changes.count(), 1);
  }

  void KeepsTheBytesOfNamesThatAreNotUtf8() {
    const QByteArray parent = QFile::encodeName(root_ + QStringLiteral("/Bytes"));
    QVERIFY(::mkdir(parent.constData(), 0700) == 0);
    QVERIFY(::mkdir((parent + "/caf\xE9").constData(), 0700) == 0);

    DirListWidget list(platform::NativeFileSystem());
    QVERIFY(list.SetPath(ToU16String(QString::fromLocal8Bit(parent))));
    QListWidgetItem* child = list.item(list.count() - 1);
    const std::u16string expected = list.Path() + u"/caf\xDCE9";
    QVERIFY(ToU16String(child->data(DirListWidget::kPathRole).toString()) == expected);
    emit list.itemDoubleClicked(child);
    QVERIFY(list.Path() == expected);
    // The name the file system holds, reached through the path the list keeps.
    QVERIFY(::rmdir((parent + "/caf\xE9").constData()) == 0);
  }
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::DirListWidgetTest)
#include "DirListWidgetTest.moc"
