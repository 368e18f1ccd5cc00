// What assistive technology reads of the windows, and the keyboard's way through them.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

#include "gui/folderchoice/ChooserWindow.h"
#include "gui/treeview/TreeWindow.h"
#include "platform/Platform.h"

namespace tavelin::gui {

namespace {

QString NameOf(QObject* object) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
  return accessible != nullptr ? accessible->text(QAccessible::Name) : QStringLiteral("<none>");
}

QAccessible::Role RoleOf(QObject* object) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
  return accessible != nullptr ? accessible->role() : QAccessible::NoRole;
}

// The objects that `object` stands in `relation` to, as assistive technology finds them.
QObjectList Related(QObject* object, QAccessible::Relation relation) {
  QObjectList related;
  for (const auto& [other, kind] :
       QAccessible::queryAccessibleInterface(object)->relations(relation))
    related.append(other->object());
  return related;
}

template <typename T>
T* Control(const QWidget& window, const char* name) {
  return window.findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void pictureButtonsAreNamedByTheirToolTips() {
    TreeWindow window;
    const QStringList tips = {"Bloc de Notes", "WordPad", "Executa", "Paint", "Mira carpeta"};
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(&window.PBts());
    QCOMPARE(strip->childCount(), 5);
    for (int i = 0; i < TreeWindow::kButtonCount; ++i) {
      QToolButton& button = window.Bt(i);
      QCOMPARE(button.toolTip(), tips[i]);
      QCOMPARE(RoleOf(&button), QAccessible::Button);
      QCOMPARE(NameOf(&button), tips[i]);
      // In the strip's order, the order of the buttons on the screen.
      QCOMPARE(strip->child(i)->text(QAccessible::Name), tips[i]);
    }
  }

  void theChoosersControlsAreNamedByWhatTheUserReads() {
    ChooserWindow window(platform::NativeFileSystem(), u"/");
    auto* dirs = Control<QWidget>(window, "LDirs");
    auto* recents = Control<QWidget>(window, "LstR");
    auto* ok = Control<QWidget>(window, "BtOk");
    auto* prompt = Control<QLabel>(window, "Label1");
    auto* recentsLabel = Control<QLabel>(window, "Label2");
    QVERIFY(dirs && recents && ok && prompt && recentsLabel);

    // The prompt under the folder list names it; "Recents:" labels the recent list.
    QCOMPARE(NameOf(dirs), QStringLiteral("Tria la carpeta de la qual vols obtenir l'arbre"));
    QCOMPARE(Related(recents, QAccessible::Label), QObjectList{recentsLabel});
    QCOMPARE(Related(recentsLabel, QAccessible::Labelled), QObjectList{recents});
    QCOMPARE(Related(prompt, QAccessible::Labelled), QObjectList{dirs});
    QCOMPARE(RoleOf(ok), QAccessible::Button);
    QCOMPARE(NameOf(ok), QStringLiteral("ok"));

    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(window.menuBar());
    QCOMPARE(menu->childCount(), 1);
    QCOMPARE(menu->child(0)->text(QAccessible::Name), QStringLiteral("Info"));

    // Labels are read, never focused.
    QCOMPARE(prompt->focusPolicy(), Qt::NoFocus);
    QCOMPARE(recentsLabel->focusPolicy(), Qt::NoFocus);
  }

  void tabPassesOnlyTheShownListsThenTheButtonsAndShiftTabGoesBack() {
    TreeWindow window;
    for (int index : {3, 7, 12})
      window.Lst(index).SetVisible(true);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.Lst(3).Widget().setFocus();

    QList<QWidget*> expected = {&window.Lst(7).Widget(), &window.Lst(12).Widget()};
    for (int i = 0; i < TreeWindow::kButtonCount; ++i)
      expected.append(&window.Bt(i));
    expected.append(&window.Lst(3).Widget());
    for (QWidget* next : expected) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }

    window.Bt(0).setFocus();
    QTest::keyClick(&window.Bt(0), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), &window.Lst(12).Widget());
  }
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::AccessibilityTest)
#include "AccessibilityTest.moc"
