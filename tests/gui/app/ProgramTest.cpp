// The program as main wires it, driven as a user would: choose a folder, see its tree, close
// the chooser, act on a file from the tree window that outlives it.
#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

#include "app/Program.h"
#include "gui/TreeViewRig.h"
#include "gui/common/QtMessageView.h"

namespace tavelin::app {

class ProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void TheTreeWindowOutlivesTheChooser() {
    QTemporaryDir root;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root.path()));
    const QString folder = root.path() + "/Arbre";
    gui::testing::MakeFolder(folder, {"primer.txt"});
    gui::testing::MakeFolder(folder + "/Sub", {"carta nova.txt"});
    fakes::FakeMessages messages;
    fakes::FakeLauncher launcher;
    gui::QtScreen screen;
    Program program(platform::NativeFileSystem(), launcher, messages, screen);
    program.Chooser().show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.Chooser()));
    QVERIFY(program.Chooser().LDirs().SetPath(gui::ToU16String(folder)));
    QTest::mouseClick(program.Chooser().findChild<QPushButton*>(QStringLiteral("BtOk")),
                      Qt::LeftButton);
    gui::TreeWindow* tree = program.TreeWindow().Window();
    QVERIFY(tree != nullptr && tree->isVisible());
    // Closing the chooser saves the recent folders and leaves the tree window working; the
    // program ends with its last window.
    QVERIFY(program.Chooser().close());
    QVERIFY(QFile::exists(QStringLiteral("Recents.txt")));
    const auto open = [] {
      return std::ranges::count_if(QApplication::topLevelWidgets(), [](const QWidget* window) {
        return window->isVisible() && window->testAttribute(Qt::WA_QuitOnClose);
      });
    };
    QCOMPARE(open(), 1);
    gui::testing::PressRow(tree->Lst(2).Widget(), 0);
    QTest::mouseClick(&tree->Bt(0), Qt::LeftButton);
    QCOMPARE(launcher.started.size(), std::size_t{1});
    QVERIFY(launcher.started[0].argument == gui::ToU16String(folder) + u"/Sub/carta nova.txt");
    QVERIFY(messages.shown.empty());
    QVERIFY(tree->close());
    QCOMPARE(open(), 0);
    QVERIFY(!program.TreeWindow().Loaded());
    QDir::setCurrent(previous);
  }

  // While a message is up, the chooser takes no click and no key: its ok would start a second
  // pass inside the first, a double click on a folder would unload the tree under the walk.
  void NoWindowTakesInputWhileAMessageIsUp() {
    QTemporaryDir root;
    for (int i = 0; i < 51; ++i)
      gui::testing::MakeFolder(root.path() + "/" + QString::number(i), {"nota.txt"});
    gui::QtMessageView messages;
    fakes::FakeLauncher launcher;
    gui::QtScreen screen;
    Program program(platform::NativeFileSystem(), launcher, messages, screen);
    gui::ChooserWindow& chooser = program.Chooser();
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    QVERIFY(chooser.LDirs().SetPath(gui::ToU16String(root.path())));
    auto* ok = chooser.findChild<QPushButton*>(QStringLiteral("BtOk"));
    auto* dirs = chooser.findChild<QListWidget*>(QStringLiteral("LDirs"));
    const auto tryTheChooser = [&] {
      QWindow* window = chooser.windowHandle();
      QTest::mouseClick(window, Qt::LeftButton, {}, ok->mapTo(&chooser, ok->rect().center()));
      const QPoint row = dirs->visualItemRect(dirs->item(1)).center();
      QTest::mouseDClick(window, Qt::LeftButton, {}, dirs->viewport()->mapTo(&chooser, row));
      QTest::keyClick(window, Qt::Key_Return);
    };
    // Every message box is read and answered; the user tries the chooser while the first is up.
    QStringList texts;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      if (texts.isEmpty()) tryTheChooser();
      texts << box->text();
      box->accept();
    });
    watcher.start(20);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(texts, QStringList{"Màxim  50 subcarpetes"});
    QCOMPARE(program.TreeWindow().Window()->windowTitle(), root.path());
    QCOMPARE(gui::ToQString(chooser.LDirs().Path()), root.path());
  }
};

}  // namespace tavelin::app

QTEST_MAIN(tavelin::app::ProgramTest)
#include "ProgramTest.moc"
