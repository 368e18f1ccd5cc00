// The program as main wires it, driven as a user would: choose a folder, see its tree, close
// the chooser, act on a file from the tree window that outlives it.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/Program.h"
#include "fakes/FakeViews.h"
#include "gui/common/QtScreen.h"
#include "gui/common/TextConversion.h"
#include "gui/treeview/TreeWindow.h"
#include "platform/Platform.h"

namespace tavelin::app {

namespace {

// The windows that keep the program running: it ends when none is left.
int OpenWindows() {
  int open = 0;
  for (const QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->testAttribute(Qt::WA_QuitOnClose)) ++open;
  }
  return open;
}

void Touch(const QString& path) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
}

}  // namespace

class ProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    previous_ = QDir::currentPath();
    QVERIFY(root_.isValid());
    QVERIFY(QDir::setCurrent(root_.path()));
    QVERIFY(QDir(root_.path()).mkpath(QStringLiteral("Arbre/Sub")));
    Touch(root_.path() + "/Arbre/primer.txt");
    Touch(root_.path() + "/Arbre/Sub/carta nova.txt");
  }
  void cleanup() { QDir::setCurrent(previous_); }

  void TheTreeWindowOutlivesTheChooser() {
    fakes::FakeMessages messages;
    fakes::FakeLauncher launcher;
    gui::QtScreen screen;
    Program program(platform::NativeFileSystem(), launcher, messages, screen);
    program.Chooser().show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.Chooser()));

    const QString folder = root_.path() + "/Arbre";
    QVERIFY(program.Chooser().LDirs().SetPath(gui::ToU16String(folder)));
    QTest::mouseClick(program.Chooser().findChild<QPushButton*>(QStringLiteral("BtOk")),
                      Qt::LeftButton);

    gui::TreeWindow* tree = program.TreeWindow().Window();
    QVERIFY(tree != nullptr);
    QVERIFY(tree->isVisible());
    QCOMPARE(tree->windowTitle(), folder);
    QVERIFY(tree->Lst(1).List(0) == u"primer.txt");
    QVERIFY(tree->Lst(2).List(0) == u"carta nova.txt");
    QVERIFY(!tree->Lst(2).Widget().isHidden());

    // Closing the chooser saves the recent folders and leaves the tree window working.
    QVERIFY(program.Chooser().close());
    QFile recents(QStringLiteral("Recents.txt"));
    QVERIFY(recents.open(QIODevice::ReadOnly));
    QCOMPARE(recents.readAll(), folder.toUtf8() + "\r\n");
    QCOMPARE(OpenWindows(), 1);
    QCOMPARE(program.TreeWindow().Window(), tree);

    QListView& list = tree->Lst(2).Widget();
    const QPoint entry = list.visualRect(list.model()->index(0, 0)).center();
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, entry);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, entry);
    QCOMPARE(program.FKvel().ActiveList, 2);
    QTest::mouseClick(&tree->Bt(0), Qt::LeftButton);
    QCOMPARE(launcher.started.size(), std::size_t{1});
    QVERIFY(launcher.started[0].commandLine ==
            u"Notepad.exe " + gui::ToU16String(folder) + u"/Sub/carta nova.txt");
    QVERIFY(messages.shown.empty());

    // The program ends with its last window.
    QVERIFY(tree->close());
    QCOMPARE(OpenWindows(), 0);
    QVERIFY(!program.TreeWindow().Loaded());
  }

 private:
  QTemporaryDir root_;
  QString previous_;
};

}  // namespace tavelin::app

QTEST_MAIN(tavelin::app::ProgramTest)
#include "ProgramTest.moc"
