#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "core/folderchoice/FPrvSD.h"
#include "gui/TreeViewRig.h"
#include "gui/folderchoice/ChooserWindow.h"
#include "gui/folderchoice/DirListWidget.h"
#include "gui/folderchoice/SortedComboBox.h"

namespace tavelin::gui {

using testing::DoubleClick;
using testing::EntriesOf;

namespace {

template <typename T = QWidget>
T* Control(const QWidget& window, const char* name) {
  return window.findChild<T*>(QString::fromLatin1(name));
}

// The objects that `object` stands in `relation` to, as assistive technology finds them.
QObjectList Related(QObject* object, QAccessible::Relation relation) {
  QObjectList related;
  for (const auto& [other, kind] :
       QAccessible::queryAccessibleInterface(object)->relations(relation))
    related.append(other->object());
  return related;
}

// The tree view on fakes, its window noting the cursor each time it is shown.
class CursorNotingTreeWindow : public fakes::FakeTreeWindow {
 public:
  std::vector<Qt::CursorShape> cursors;
  void Show() override {
    FakeTreeWindow::Show();
    const QCursor* cursor = QGuiApplication::overrideCursor();
    cursors.push_back(cursor != nullptr ? cursor->shape() : Qt::ArrowCursor);
  }
};

struct TreeView {
  CursorNotingTreeWindow window;
  fakes::FakeScrollCompanion companion;
  fakes::FakeMessages messages;
  fakes::FakeScreen screen;
  fakes::FakeLauncher launcher;
  core::TreeLayoutState layout;
  core::FScroll fscroll{companion, window, screen};
  core::FKvel fkvel{window, fscroll, layout, launcher, messages};
  core::UKvel ukvel{layout, platform::NativeFileSystem(), messages, fkvel, fscroll, screen};
};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

}  // namespace

class ChooserWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> temp_;
  QString root_;
  QString previousDirectory_;

 private slots:
  void init() {
    temp_ = std::make_unique<QTemporaryDir>();
    root_ = QDir(temp_->path()).canonicalPath();
    for (const char* sub : {"Dades/Fotos", "Dades/Música", "Arxiu"})
      QVERIFY(QDir(root_).mkpath(QString::fromUtf8(sub)));
    previousDirectory_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root_));
  }
  void cleanup() {
    QDir::setCurrent(previousDirectory_);
    temp_.reset();
  }

  void StandsWhereItsTwipsSayAndTabSkipsTheLabels() {
    ChooserWindow window(platform::NativeFileSystem());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The client area keeps its size below the menu bar.
    QCOMPARE(window.centralWidget()->size(), QSize(302, 302));
    QCOMPARE(window.centralWidget()->y(), window.menuBar()->height());
    QCOMPARE(window.menuBar()->actions().size(), 1);
    const std::pair<const char*, QRect> placed[] = {{"Label2", {16, 3, 57, 17}},
                                                    {"LstR", {8, 16, 289, 21}},
                                                    {"LDirs", {24, 40, 257, 216}},
                                                    {"Label1", {8, 256, 278, 13}},
                                                    {"BtOk", {128, 272, 49, 25}}};
    for (const auto& [name, geometry] : placed)
      QCOMPARE(Control(window, name)->geometry(), geometry);
    auto* recents = Control<SortedComboBox>(window, "LstR");
    auto* dirs = Control<DirListWidget>(window, "LDirs");
    auto* ok = Control<QPushButton>(window, "BtOk");
    QCOMPARE(recents->count(), 0);
    QCOMPARE(recents->currentText(), QString());
    QVERIFY(!ok->autoDefault() && !ok->isDefault());

    // The prompt names the folder list and "Recents:" labels the recent list.
    auto* prompt = Control<QLabel>(window, "Label1");
    QCOMPARE(QAccessible::queryAccessibleInterface(dirs)->text(QAccessible::Name), prompt->text());
    QCOMPARE(Related(prompt, QAccessible::Labelled), QObjectList{dirs});
    QCOMPARE(Related(recents, QAccessible::Label), QObjectList{Control(window, "Label2")});

    // The directory list starts at the working directory, with the focus; Tab goes to OK and
    // then to the recent list, never to a label.
    QCOMPARE(ToQString(dirs->Path()), root_);
    QCOMPARE(QApplication::focusWidget(), dirs);
    QTest::keyClick(dirs, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    QCOMPARE(focus->focusProxy() ? focus->focusProxy() : focus, static_cast<QWidget*>(recents));
    QTest::keyClick(recents, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dirs);
  }

  void RunsTheChooserOnItsWidgets() {
    QFile file(root_ + "/Recents.txt");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("%1/Zeta\r\n%1/Arxiu\n\r\n%1/Dades").arg(root_).toUtf8());
    file.close();
    TreeView tree;
    ChooserWindow window(platform::NativeFileSystem(), ToU16String(root_ + "/Dades"));
    core::FPrvSD form(window, platform::NativeFileSystem(), tree.launcher, tree.ukvel, tree.fkvel);
    window.Attach(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* recents = Control<SortedComboBox>(window, "LstR");
    auto* dirs = Control<DirListWidget>(window, "LDirs");
    auto* ok = Control<QPushButton>(window, "BtOk");
    QCOMPARE(EntriesOf(*recents),
             (QStringList{"", root_ + "/Arxiu", root_ + "/Dades", root_ + "/Zeta"}));
    QCOMPARE(recents->currentIndex(), -1);

    // A highlighted entry is not the folder: Enter draws the current one.
    QListWidgetItem* fotos = dirs->findItems(QStringLiteral("Fotos"), Qt::MatchExactly).value(0);
    QVERIFY(fotos != nullptr);
    QTest::mouseClick(dirs->viewport(), Qt::LeftButton, {}, dirs->visualItemRect(fotos).center());
    QTest::keyClick(dirs, Qt::Key_Return);
    QCOMPARE(ToQString(tree.window.caption), root_ + "/Dades");
    QCOMPARE(recents->count(), 4);

    DoubleClick(dirs->viewport(), dirs->visualItemRect(fotos).center());
    QCOMPARE(ToQString(dirs->Path()), root_ + "/Dades/Fotos");
    QVERIFY(!tree.window.loaded);
    QTest::mouseClick(ok, Qt::LeftButton);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(ToQString(tree.window.caption), root_ + "/Dades/Fotos");
    QCOMPARE(EntriesOf(*recents), (QStringList{"", root_ + "/Arxiu", root_ + "/Dades",
                                               root_ + "/Dades/Fotos", root_ + "/Zeta"}));
    // Enter and OK draw under the wait cursor, which goes once they are done.
    QCOMPARE(tree.window.cursors, (std::vector<Qt::CursorShape>(3, Qt::WaitCursor)));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

    // Picking an entry with the arrow keys moves the directory list there and closes the tree.
    recents->setFocus();
    QTest::keyClick(recents, Qt::Key_Down);
    QTest::keyClick(recents, Qt::Key_Down);
    QCOMPARE(ToQString(dirs->Path()), root_ + "/Arxiu");
    QVERIFY(!tree.window.loaded);
    QCOMPARE(QApplication::focusWidget(), dirs);

    // Enter in the recent list does nothing; Delete removes the selected entry.
    QTest::keyClick(recents, Qt::Key_Return);
    QCOMPARE(tree.window.shows, 3);
    QTest::keyClick(recents, Qt::Key_Delete);
    QCOMPARE(EntriesOf(*recents),
             (QStringList{"", root_ + "/Dades", root_ + "/Dades/Fotos", root_ + "/Zeta"}));

    window.findChild<QAction*>(QStringLiteral("OpInfo"))->trigger();
    QCOMPARE(tree.launcher.started.size(), std::size_t{1});
    QVERIFY(tree.launcher.started[0].commandLine == u"cmd.exe /c Tavelin.pdf");

    QVERIFY(window.close());
    const QByteArray r = root_.toUtf8();
    QCOMPARE(ReadAll(root_ + "/Recents.txt"),
             "\r\n" + r + "/Dades\r\n" + r + "/Dades/Fotos\r\n" + r + "/Zeta\r\n");
  }
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::ChooserWindowTest)
#include "ChooserWindowTest.moc"
