#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

#include "core/folderchoice/FPrvSD.h"
#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/UKvel.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeViews.h"
#include "gui/common/TextConversion.h"
#include "gui/folderchoice/ChooserWindow.h"
#include "gui/folderchoice/DirListWidget.h"
#include "gui/folderchoice/SortedComboBox.h"
#include "platform/Platform.h"

namespace tavelin::gui {

namespace {

template <typename T>
T* Control(const QWidget& window, const char* name) {
  return window.findChild<T*>(QString::fromLatin1(name));
}

QColor ColorOf(const QWidget& widget, QPalette::ColorRole role) {
  return widget.palette().color(role);
}

// What a real double click delivers: QTest's own sends the double-click event alone.
void DoubleClick(QWidget* widget, QPoint where) {
  QTest::mousePress(widget, Qt::LeftButton, {}, where);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, where);
  QTest::mouseDClick(widget, Qt::LeftButton, {}, where);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, where);
}

// The tree view on fakes, with a tree window that notes the cursor each time it is shown.
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
  fakes::FakeFileSystem fs;
  CursorNotingTreeWindow window;
  fakes::FakeScrollCompanion companion;
  fakes::FakeMessages messages;
  fakes::FakeScreen screen;
  fakes::FakeLauncher launcher;
  core::TreeLayoutState layout;
  core::FScroll fscroll{companion, window, screen};
  core::FKvel fkvel{window, fscroll, layout, launcher, messages};
  core::UKvel ukvel{layout, fs, messages, fkvel, fscroll, screen};
};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

}  // namespace

class ChooserWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    temp_ = std::make_unique<QTemporaryDir>();
    QVERIFY(temp_->isValid());
    root_ = QDir(temp_->path()).canonicalPath();
    for (const char* sub : {"Dades/Fotos", "Dades/Música", "Arxiu"}) {
      QVERIFY(QDir(root_).mkpath(QString::fromUtf8(sub)));
    }
    previousDirectory_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root_));
  }

  void cleanup() {
    QDir::setCurrent(previousDirectory_);
    temp_.reset();
  }

  void standsAsItsTableSays() {
    ChooserWindow window(platform::NativeFileSystem());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QCOMPARE(window.windowTitle(), QStringLiteral("Visió total carpeta"));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.centralWidget()->size(), QSize(302, 302));
    QCOMPARE(window.centralWidget()->y(), window.menuBar()->height());

    const auto actions = window.menuBar()->actions();
    QCOMPARE(actions.size(), 1);
    QCOMPARE(actions[0]->text(), QStringLiteral("Info"));
    QCOMPARE(actions[0]->objectName(), QStringLiteral("OpInfo"));
    QVERIFY(actions[0]->menu() == nullptr);

    auto* label2 = Control<QLabel>(window, "Label2");
    auto* recents = Control<SortedComboBox>(window, "LstR");
    auto* dirs = Control<DirListWidget>(window, "LDirs");
    auto* label1 = Control<QLabel>(window, "Label1");
    auto* ok = Control<QPushButton>(window, "BtOk");
    QVERIFY(label2 && recents && dirs && label1 && ok);
    QCOMPARE(label2->geometry(), QRect(16, 3, 57, 17));
    QCOMPARE(recents->geometry(), QRect(8, 16, 289, 21));
    QCOMPARE(dirs->geometry(), QRect(24, 40, 257, 216));
    QCOMPARE(label1->geometry(), QRect(8, 256, 278, 13));
    QCOMPARE(ok->geometry(), QRect(128, 272, 49, 25));

    QCOMPARE(label2->text(), QStringLiteral("Recents:"));
    QCOMPARE(label1->text(), QStringLiteral("Tria la carpeta de la qual vols obtenir l'arbre"));
    QCOMPARE(ok->text(), QStringLiteral("ok"));
    QCOMPARE(recents->count(), 0);
    QCOMPARE(recents->currentText(), QString());
    QVERIFY(recents->isEditable());
    QCOMPARE(recents->insertPolicy(), QComboBox::NoInsert);

    QCOMPARE(ColorOf(*label2, QPalette::WindowText), QColor(0, 0, 128));
    QCOMPARE(ColorOf(*recents, QPalette::Base), QColor(255, 255, 192));
    QCOMPARE(ColorOf(*dirs, QPalette::Base), QColor(192, 255, 192));
    QCOMPARE(ColorOf(*label1, QPalette::WindowText), QColor(128, 0, 0));
    QCOMPARE(label1->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    QCOMPARE(ok->font().pixelSize(), 13);
    QCOMPARE(ok->font().weight(), QFont::Normal);
    QCOMPARE(label1->font().pixelSize(), 11);
    QCOMPARE(dirs->font().pixelSize(), 11);
    QVERIFY(!ok->autoDefault());
    QVERIFY(!ok->isDefault());

    // The directory list starts at the working directory, with the focus; Tab goes to OK and
    // then to the recent list, never to a label.
    QCOMPARE(ToQString(dirs->Path()), root_);
    QCOMPARE(QApplication::focusWidget(), dirs);
    QTest::keyClick(dirs, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->focusProxy() ? QApplication::focusWidget()->focusProxy()
                                                       : QApplication::focusWidget(),
             static_cast<QWidget*>(recents));
    QTest::keyClick(recents, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dirs);
  }

  void runsTheChooserOnItsWidgets() {
    QVERIFY(WriteRecents("%1/Zeta\r\n%1/Arxiu\n\r\n%1/Dades"));
    TreeView tree;
    ChooserWindow window(platform::NativeFileSystem(), ToU16String(root_ + "/Dades"));
    core::FPrvSD form(window, platform::NativeFileSystem(), tree.launcher, tree.ukvel, tree.fkvel);
    window.Attach(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* recents = Control<SortedComboBox>(window, "LstR");
    auto* dirs = Control<DirListWidget>(window, "LDirs");
    auto* ok = Control<QPushButton>(window, "BtOk");

    QCOMPARE(Items(*recents),
             (QStringList{"", root_ + "/Arxiu", root_ + "/Dades", root_ + "/Zeta"}));
    QCOMPARE(recents->currentIndex(), -1);
    QCOMPARE(recents->currentText(), QString());

    // A highlighted entry is not the folder: Enter draws the current one.
    QListWidgetItem* fotos = dirs->findItems(QStringLiteral("Fotos"), Qt::MatchExactly).value(0);
    QVERIFY(fotos != nullptr);
    QTest::mouseClick(dirs->viewport(), Qt::LeftButton, {}, dirs->visualItemRect(fotos).center());
    QTest::keyClick(dirs, Qt::Key_Return);
    QVERIFY(tree.window.loaded);
    QCOMPARE(ToQString(tree.window.caption), root_ + "/Dades");
    QCOMPARE(recents->count(), 4);

    DoubleClick(dirs->viewport(), dirs->visualItemRect(fotos).center());
    QCOMPARE(ToQString(dirs->Path()), root_ + "/Dades/Fotos");
    QVERIFY(!tree.window.loaded);
    QTest::mouseClick(ok, Qt::LeftButton);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(ToQString(tree.window.caption), root_ + "/Dades/Fotos");
    QCOMPARE(tree.window.shows, 3);
    QCOMPARE(Items(*recents), (QStringList{"", root_ + "/Arxiu", root_ + "/Dades",
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
    QCOMPARE(Items(*recents),
             (QStringList{"", root_ + "/Dades", root_ + "/Dades/Fotos", root_ + "/Zeta"}));

    window.findChild<QAction*>(QStringLiteral("OpInfo"))->trigger();
    QCOMPARE(tree.launcher.started.size(), std::size_t{1});
    QVERIFY(tree.launcher.started[0].commandLine == u"cmd.exe /c Tavelin.pdf");

    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    const QByteArray r = root_.toUtf8();
    QCOMPARE(ReadAll(root_ + "/Recents.txt"),
             "\r\n" + r + "/Dades\r\n" + r + "/Dades/Fotos\r\n" + r + "/Zeta\r\n");
  }

 private:
  static QStringList Items(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
      items << combo.itemText(i);
    return items;
  }

  bool WriteRecents(const char* pattern) {
    QFile file(root_ + "/Recents.txt");
    return file.open(QIODevice::WriteOnly) &&
           file.write(QString::fromLatin1(pattern).arg(root_).toUtf8()) > 0;
  }

  std::unique_ptr<QTemporaryDir> temp_;
  QString root_;
  QString previousDirectory_;
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::ChooserWindowTest)
#include "ChooserWindowTest.moc"
