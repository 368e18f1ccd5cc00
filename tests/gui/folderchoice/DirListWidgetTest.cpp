#include <QDir>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "core/folderchoice/FolderChain.h"
#include "gui/common/TextConversion.h"
#include "gui/folderchoice/DirListWidget.h"
#include "platform/Platform.h"

namespace tavelin::gui {

namespace {

struct Entry {
  QString text;
  QString path;
  int depth;
};

std::vector<Entry> Entries(const QListWidget& list) {
  std::vector<Entry> entries;
  for (int i = 0; i < list.count(); ++i) {
    const QListWidgetItem* item = list.item(i);
    entries.push_back({item->text(), item->data(DirListWidget::kPathRole).toString(),
                       item->data(DirListWidget::kDepthRole).toInt()});
  }
  return entries;
}

// What a real double click delivers: QTest's own sends the double-click event alone.
void DoubleClick(QWidget* widget, QPoint where) {
  QTest::mousePress(widget, Qt::LeftButton, {}, where);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, where);
  QTest::mouseDClick(widget, Qt::LeftButton, {}, where);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, where);
}

QListWidgetItem* Find(const QListWidget& list, const QString& text) {
  const auto found = list.findItems(text, Qt::MatchExactly);
  return found.size() == 1 ? found.front() : nullptr;
}

}  // namespace

class DirListWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(temp_.isValid());
    // Resolved, so that the listing's ancestors match the path piece by piece.
    root_ = QDir(temp_.path()).canonicalPath();
    QDir dir(root_);
    for (const char* sub : {"Beta", "alfa", "Gamma/Sub", "Gamma/altra", ".amagada"}) {
      QVERIFY(dir.mkpath(QString::fromUtf8(sub)));
    }
    QFile file(root_ + QStringLiteral("/fitxer.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
  }

  void showsAncestorsThenSortedSubFolders() {
    DirListWidget list(platform::NativeFileSystem());
    QVERIFY(list.SetPath(ToU16String(root_)));
    QCOMPARE(ToQString(list.Path()), root_);

    const auto chain = core::FolderChain(ToU16String(root_), u'/');
    const auto entries = Entries(list);
    QCOMPARE(entries.size(), chain.size() + 3);
    for (std::size_t i = 0; i < chain.size(); ++i) {
      QCOMPARE(entries[i].text, ToQString(chain[i].name));
      QCOMPARE(entries[i].path, ToQString(chain[i].path));
      QCOMPARE(entries[i].depth, static_cast<int>(i));
    }
    QCOMPARE(entries.front().text, QStringLiteral("/"));
    const int depth = static_cast<int>(chain.size());
    const QStringList children{QStringLiteral("alfa"), QStringLiteral("Beta"),
                               QStringLiteral("Gamma")};
    for (int i = 0; i < 3; ++i) {
      const Entry& child = entries[chain.size() + static_cast<std::size_t>(i)];
      QCOMPARE(child.text, children[i]);
      QCOMPARE(child.path, root_ + QLatin1Char('/') + children[i]);
      QCOMPARE(child.depth, depth);
    }
    // The current folder is the highlighted entry.
    QCOMPARE(list.currentRow(), depth - 1);
    const QImage closed = list.style()->standardIcon(QStyle::SP_DirClosedIcon).pixmap(16).toImage();
    const QImage open = list.style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(16).toImage();
    QVERIFY(open != closed);
    QCOMPARE(list.item(0)->icon().pixmap(16).toImage(), open);
    QCOMPARE(list.item(depth - 1)->icon().pixmap(16).toImage(), open);
    QCOMPARE(list.item(depth)->icon().pixmap(16).toImage(), closed);
  }

  void doubleClickOpensSingleClickAndArrowsOnlyHighlight() {
    DirListWidget list(platform::NativeFileSystem());
    list.resize(257, 216);
    QVERIFY(list.SetPath(ToU16String(root_)));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy changes(&list, &DirListWidget::changed);

    QListWidgetItem* gamma = Find(list, QStringLiteral("Gamma"));
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
    QCOMPARE(list.item(list.count() - 2)->text(), QStringLiteral("altra"));
    QCOMPARE(list.item(list.count() - 1)->text(), QStringLiteral("Sub"));

    // The root entry opens the root, which alone keeps its separator.
    QCoreApplication::processEvents();
    DoubleClick(list.viewport(), list.visualItemRect(list.item(0)).center());
    QCOMPARE(ToQString(list.Path()), QStringLiteral("/"));
    QCOMPARE(changes.count(), 2);
    QCOMPARE(list.item(0)->text(), QStringLiteral("/"));
    QCOMPARE(list.currentRow(), 0);
  }

  void settingThePathRaisesOneChangePerChange() {
    DirListWidget list(platform::NativeFileSystem());
    QSignalSpy changes(&list, &DirListWidget::changed);
    QVERIFY(list.SetPath(ToU16String(root_ + QStringLiteral("/Beta/"))));
    QCOMPARE(ToQString(list.Path()), root_ + QStringLiteral("/Beta"));
    QCOMPARE(changes.count(), 1);
    QVERIFY(list.SetPath(ToU16String(root_ + QStringLiteral("/Beta"))));
    QCOMPARE(changes.count(), 1);

    // A path the list refuses changes nothing shown.
    const int shown = list.count();
    QVERIFY(!list.SetPath(ToU16String(root_ + QStringLiteral("/fitxer.txt"))));
    QCOMPARE(list.count(), shown);
    QCOMPARE(changes.count(), 1);
  }

#ifndef _WIN32
  void keepsTheBytesOfNamesThatAreNotUtf8() {
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
    // Names the file system cannot take back out of Qt's own strings.
    QVERIFY(::rmdir((parent + "/caf\xE9").constData()) == 0);
  }
#endif

 private:
  QTemporaryDir temp_;
  QString root_;
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::DirListWidgetTest)
#include "DirListWidgetTest.moc"
