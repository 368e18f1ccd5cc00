#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "core/folderchoice/FPrvSD.h"
#include "core/folderchoice/FolderChain.h"
#include "fakes/FakeViews.h"
#include "gui/TreeViewRig.h"
#include "gui/folderchoice/ChooserWindow.h"
#include "gui/folderchoice/DirListWidget.h"
#include "gui/folderchoice/SortedComboBox.h"

namespace tavelin::gui {

using namespace testing;

namespace {

template <typename T = QWidget>
T* Control(const QWidget& window, const char* name) {
  return window.findChild<T*>(QString::fromLatin1(name));
}

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

}  // namespace

// The folder chooser, its directory list and its sorted recent list, on the real file system.
class FolderChoiceTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> temp_;
  QString root_;    // the working directory, with the chooser's folders
  QString folder_;  // a folder of its own for the directory list
  QString previousDirectory_;

 private slots:
  void init() {
    temp_ = std::make_unique<QTemporaryDir>();
    root_ = QDir(temp_->path()).canonicalPath();
    folder_ = root_ + QStringLiteral("/Llista");
    for (const char* sub : {"Dades/Fotos", "Dades/Música", "Arxiu", "Llista/Beta", "Llista/alfa",
                            "Llista/Gamma/Sub", "Llista/Gamma/altra", "Llista/.amagada"})
      QVERIFY(QDir(root_).mkpath(QString::fromUtf8(sub)));
    QVERIFY(QFile(folder_ + QStringLiteral("/fitxer.txt")).open(QIODevice::WriteOnly));
    previousDirectory_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root_));
  }
  void cleanup() {
    QDir::setCurrent(previousDirectory_);
    temp_.reset();
  }

  // Its controls stand where their twips say, the directory list at the working directory with
  // the focus; then it is driven through them.
  void RunsTheChooserOnItsWidgets() {
    QFile file(root_ + "/Recents.txt");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("%1/Zeta\r\n%1/Arxiu\n\r\n%1/Dades").arg(root_).toUtf8());
    file.close();
    fakes::RecordingTreeView tree{platform::NativeFileSystem()};
    ChooserWindow window(platform::NativeFileSystem());
    core::FPrvSD form(window, platform::NativeFileSystem(), tree.launcher, tree.ukvel, tree.fkvel);
    window.Attach(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The client area keeps its size below the menu bar.
    QCOMPARE(window.centralWidget()->size(), QSize(302, 302));
    QCOMPARE(window.centralWidget()->y(), window.menuBar()->height());
    const std::pair<const char*, QRect> placed[] = {{"Label2", {16, 3, 57, 17}},
                                                    {"LstR", {8, 16, 289, 21}},
                                                    {"LDirs", {24, 40, 257, 216}},
                                                    {"Label1", {8, 256, 278, 13}},
                                                    {"BtOk", {128, 272, 49, 25}}};
    for (const auto& [name, geometry] : placed)
      QCOMPARE(Control(window, name)->geometry(), geometry);
    auto* dirs = Control<DirListWidget>(window, "LDirs");
    QCOMPARE(ToQString(dirs->Path()), root_);
    QCOMPARE(QApplication::focusWidget(), dirs);
    QVERIFY(dirs->SetPath(ToU16String(root_ + "/Dades")));
    auto* recents = Control<SortedComboBox>(window, "LstR");
    // A highlighted entry is not the folder: Enter draws the current one.
    QListWidgetItem* fotos = dirs->findItems(QStringLiteral("Fotos"), Qt::MatchExactly).value(0);
    QVERIFY(fotos != nullptr);
    QTest::mouseClick(dirs->viewport(), Qt::LeftButton, {}, dirs->visualItemRect(fotos).center());
    QTest::keyClick(dirs, Qt::Key_Return);
    QCOMPARE(ToQString(tree.window.caption), root_ + "/Dades");
    DoubleClick(dirs->viewport(), dirs->visualItemRect(fotos).center());
    QCOMPARE(ToQString(dirs->Path()), root_ + "/Dades/Fotos");
    QVERIFY(!tree.window.loaded);
    QTest::mouseClick(Control<QPushButton>(window, "BtOk"), Qt::LeftButton);
    QCOMPARE(ToQString(tree.window.caption), root_ + "/Dades/Fotos");
    // The arrow keys pick "" and then the first folder, which the directory list moves to.
    recents->setFocus();
    QTest::keyClick(recents, Qt::Key_Down);
    QTest::keyClick(recents, Qt::Key_Down);
    QCOMPARE(ToQString(dirs->Path()), root_ + "/Arxiu");
    // Delete removes the picked entry on its key-down; the key still edits the field after.
    recents->lineEdit()->setCursorPosition(0);
    QTest::keyClick(recents, Qt::Key_Delete);
    QCOMPARE(EntriesOf(*recents),
             (QStringList{"", root_ + "/Dades", root_ + "/Dades/Fotos", root_ + "/Zeta"}));
    QCOMPARE(recents->currentText(), root_.mid(1) + "/Arxiu");
    QCOMPARE(recents->lineEdit()->cursorPosition(), 0);
    window.findChild<QAction*>(QStringLiteral("OpInfo"))->trigger();
    QCOMPARE(tree.launcher.started.size(), std::size_t{1});
    QVERIFY(window.close());
  }
  // Ancestors first, then the sub-folders sorted without regard to case, hidden folders and
  // files left out; a path that is no folder changes nothing.
  void TheDirectoryListShowsAFolderItsAncestorsAndItsSubFolders() {
    DirListWidget list(platform::NativeFileSystem());
    QSignalSpy changes(&list, &DirListWidget::changed);
    QVERIFY(list.SetPath(ToU16String(folder_ + u'/')));
    QVERIFY(list.SetPath(ToU16String(folder_)));
    QCOMPARE(changes.count(), 1);
    QStringList expected;
    int depth = 0;
    for (const core::FolderStep& step : core::FolderChain(ToU16String(folder_), u'/'))
      expected << QStringLiteral("%1|%2|%3")
                      .arg(ToQString(step.name), ToQString(step.path))
                      .arg(depth++);
    for (const char* child : {"alfa", "Beta", "Gamma"})
      expected << QStringLiteral("%1|%2/%1|%3").arg(child, folder_).arg(depth);
    QCOMPARE(Entries(list), expected);
    QCOMPARE(list.currentRow(), depth - 1);
    for (const QString& refused : {folder_ + "/NoHiEs", folder_ + "/fitxer.txt", QString()})
      QVERIFY2(!list.SetPath(ToU16String(refused)), qPrintable(refused));
    QCOMPARE(Entries(list), expected);
    QCOMPARE(changes.count(), 1);
    // A name that is no UTF-8 keeps its bytes through the list's paths.
    const QByteArray parent = QFile::encodeName(folder_ + QStringLiteral("/Bytes"));
    QVERIFY(::mkdir(parent.constData(), 0700) == 0 && ::mkdir(parent + "/caf\xE9", 0700) == 0);
    QVERIFY(list.SetPath(ToU16String(QString::fromLocal8Bit(parent))));
    emit list.itemDoubleClicked(list.item(list.count() - 1));
    QVERIFY(list.Path() == ToU16String(QString::fromLocal8Bit(parent)) + u"/caf\xDCE9");
    QVERIFY(::rmdir(parent + "/caf\xE9") == 0);
  }

  // Sorted ignoring case, nothing selected by adding; arrow keys pick, typed text picks nothing.
  void TheRecentListKeepsItsOrderAndPicksByArrowKeysOnly() {
    SortedComboBox combo;
    for (auto item : {u"C:\\b", u"C:\\A", u"D:\\", u"C:\\a", u"", u"C:\\B\\x"})
      combo.AddItem(item);
    QCOMPARE(EntriesOf(combo), (QStringList{"", "C:\\A", "C:\\a", "C:\\b", "C:\\B\\x", "D:\\"}));
    QCOMPARE(combo.ListIndex(), -1);
    QCOMPARE(combo.currentText(), QString());
    QVERIFY(combo.List(-1).empty() && combo.List(6).empty());
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    QSignalSpy picks(&combo, &QComboBox::activated);
    // The arrow keys' picks are driven through the chooser above.
    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(combo.ListIndex(), 0);
    // Typing an entry's text completes nothing, and Enter or leaving the field neither picks
    // nor adds.
    QTest::keyClicks(&combo, QStringLiteral("C:\\"));
    QCOMPARE(combo.currentText(), QStringLiteral("C:\\"));
    QTest::keyClicks(&combo, QStringLiteral("b"));
    QCOMPARE(combo.currentText(), QStringLiteral("C:\\b"));
    QTest::keyClick(&combo, Qt::Key_Return);
    QTest::keyClick(&combo, Qt::Key_Enter);
    QMetaObject::invokeMethod(combo.lineEdit(), "editingFinished");
    QTest::keyClicks(&combo, QStringLiteral("X"));
    QTest::keyClick(&combo, Qt::Key_Return);
    QCOMPARE(picks.count(), 1);
    QCOMPARE(combo.count(), 6);
    QCOMPARE(combo.currentText(), QStringLiteral("C:\\bX"));
    // Edited text is not the picked entry any more.
    QCOMPARE(combo.ListIndex(), -1);
    // Adding or removing an entry above the selected one keeps the selection on its entry.
    combo.SetListIndex(3);
    combo.AddItem(u"B:\\");
    QCOMPARE(combo.ListIndex(), 4);
    combo.RemoveItem(0);
    QCOMPARE(combo.ListIndex(), 3);
    QCOMPARE(combo.currentText(), QStringLiteral("C:\\b"));
  }
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::FolderChoiceTest)
#include "FolderChoiceTest.moc"
