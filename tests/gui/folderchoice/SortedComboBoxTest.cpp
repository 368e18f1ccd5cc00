#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include <cstdint>

#include "gui/TreeViewRig.h"
#include "gui/folderchoice/SortedComboBox.h"

namespace tavelin::gui {

using testing::EntriesOf;

class SortedComboBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void keepsItemsSortedIgnoringCaseWithoutSelectingAny() {
    SortedComboBox combo;
    for (auto item : {u"C:\\b", u"C:\\A", u"D:\\", u"C:\\a", u"", u"C:\\B\\x"})
      combo.AddItem(item);
    QCOMPARE(EntriesOf(combo), (QStringList{"", "C:\\A", "C:\\a", "C:\\b", "C:\\B\\x", "D:\\"}));
    QCOMPARE(combo.ListIndex(), -1);
    QCOMPARE(combo.currentText(), QString());
    QVERIFY(combo.List(-1).empty());
    QVERIFY(combo.List(6).empty());

    // An item added while one is selected leaves that one selected.
    combo.SetListIndex(3);
    combo.AddItem(u"B:\\");
    QCOMPARE(combo.ListIndex(), 4);
    QCOMPARE(combo.currentText(), QStringLiteral("C:\\b"));
  }

  void arrowKeysPickAndTypedTextPicksNothing() {
    SortedComboBox combo;
    for (auto item : {u"C:\\A", u"C:\\B", u"C:\\C"})
      combo.AddItem(item);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    QSignalSpy picks(&combo, &QComboBox::activated);

    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(picks.count(), 1);
    QCOMPARE(combo.ListIndex(), 0);
    QVERIFY(combo.Text() == u"C:\\A");
    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(picks.count(), 2);
    QVERIFY(combo.Text() == u"C:\\B");

    // Typing an entry's text completes nothing, and Enter or leaving the field neither picks
    // nor adds.
    QTest::keyClick(&combo, Qt::Key_End);
    for (int i = 0; i < 4; ++i)
      QTest::keyClick(&combo, Qt::Key_Backspace);
    QTest::keyClicks(&combo, QStringLiteral("C:\\"));
    QCOMPARE(combo.currentText(), QStringLiteral("C:\\"));
    QTest::keyClicks(&combo, QStringLiteral("C"));
    QCOMPARE(combo.currentText(), QStringLiteral("C:\\C"));
    QTest::keyClick(&combo, Qt::Key_Return);
    QTest::keyClick(&combo, Qt::Key_Enter);
    QMetaObject::invokeMethod(combo.lineEdit(), "editingFinished");
    QTest::keyClicks(&combo, QStringLiteral("X"));
    QTest::keyClick(&combo, Qt::Key_Return);
    QCOMPARE(picks.count(), 2);
    QCOMPARE(combo.count(), 3);
    QCOMPARE(combo.currentText(), QStringLiteral("C:\\CX"));
    // Edited text is not the picked entry any more.
    QCOMPARE(combo.ListIndex(), -1);
  }

  void reportsEveryKeyBeforeItsUsualEffect() {
    SortedComboBox combo;
    combo.AddItem(u"C:\\A");
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    std::vector<std::pair<std::int16_t, std::int16_t>> keys;
    QStringList textAtKey;
    connect(&combo, &SortedComboBox::keyDown, &combo, [&](std::int16_t code, std::int16_t shift) {
      keys.emplace_back(code, shift);
      textAtKey << combo.currentText();
    });
    QTest::keyClick(&combo, Qt::Key_Down);
    QTest::keyClick(&combo, Qt::Key_Delete, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClick(&combo, Qt::Key_Enter, Qt::AltModifier);
    QTest::keyClick(&combo, Qt::Key_Return);
    QTest::keyClick(&combo, Qt::Key_Q);
    QTest::keyClick(&combo, Qt::Key_5);
    // Down and the modifier keys themselves have no code of their own.
    QCOMPARE(keys,
             (std::vector<std::pair<std::int16_t, std::int16_t>>{
                 {0, 0}, {0, 1}, {0, 3}, {46, 3}, {0, 4}, {13, 4}, {13, 0}, {81, 0}, {53, 0}}));
    QCOMPARE(textAtKey.at(3), QStringLiteral("C:\\A"));
  }

  void removingTheSelectedEntryKeepsTheEditFieldForTheKeysOwnEffect() {
    SortedComboBox combo;
    for (auto item : {u"C:\\A", u"C:\\B", u"C:\\C"})
      combo.AddItem(item);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    // The way the chooser deletes: on the key-down, before the key does its usual work.
    connect(&combo, &SortedComboBox::keyDown, &combo, [&combo](std::int16_t code, std::int16_t) {
      if (code == 46 && combo.ListIndex() >= 0) combo.RemoveItem(combo.ListIndex());
    });
    QTest::keyClick(&combo, Qt::Key_Down);
    QTest::keyClick(&combo, Qt::Key_Down);
    QVERIFY(combo.Text() == u"C:\\B");
    combo.lineEdit()->setCursorPosition(2);

    QTest::keyClick(&combo, Qt::Key_Delete);
    QCOMPARE(EntriesOf(combo), (QStringList{"C:\\A", "C:\\C"}));
    QCOMPARE(combo.ListIndex(), -1);
    QCOMPARE(combo.currentText(), QStringLiteral("C:B"));
    QCOMPARE(combo.lineEdit()->cursorPosition(), 2);

    // With nothing selected, Delete only edits the text.
    QTest::keyClick(&combo, Qt::Key_Delete);
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.currentText(), QStringLiteral("C:"));

    // Removing an entry above the selected one keeps the selection on its entry.
    combo.SetListIndex(1);
    combo.RemoveItem(0);
    QCOMPARE(combo.ListIndex(), 0);
    QCOMPARE(combo.currentText(), QStringLiteral("C:\\C"));

    // A selected text stays selected, so Delete then empties the field.
    combo.lineEdit()->selectAll();
    QTest::keyClick(&combo, Qt::Key_Delete);
    QCOMPARE(combo.count(), 0);
    QCOMPARE(combo.currentText(), QString());
  }
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::SortedComboBoxTest)
#include "SortedComboBoxTest.moc"
