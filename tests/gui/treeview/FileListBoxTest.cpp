#include <QElapsedTimer>
#include <QScrollBar>
#include <QtTest>

#include "gui/treeview/FileListBox.h"

namespace tavelin::gui {

class FileListBoxTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QWidget> parent_;
  std::unique_ptr<FileListBox> list_;

  void ShowList() {
    list_->SetVisible(true);
    parent_->show();
    QVERIFY(QTest::qWaitForWindowExposed(parent_.get()));
  }

 private slots:
  void init() {
    parent_ = std::make_unique<QWidget>();
    parent_->resize(400, 300);
    list_ = std::make_unique<FileListBox>(parent_.get(), 152, 48, 137, 15);
  }
  void cleanup() {
    list_.reset();
    parent_.reset();
  }

  void KeepsEntriesInTheOrderAdded() {
    for (const char16_t* entry : {u"zeta.txt", u"Alfa.doc", u"mig", u"zeta.txt", u"Àvia.bmp"}) {
      list_->AddItem(entry);
    }
    QCOMPARE(list_->ListCount(), 5);
    QCOMPARE(list_->List(1), u"Alfa.doc");
    QCOMPARE(list_->Widget().model()->index(4, 0).data().toString(), QStringLiteral("Àvia.bmp"));
    // An index that names no entry gives the empty text.
    QCOMPARE(list_->List(-1), u"");
    QCOMPARE(list_->List(5), u"");

    list_->RemoveItem(1);
    QCOMPARE(list_->List(1), u"mig");
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, list_->RemoveItem(4));
    list_->Clear();
    QCOMPARE(list_->Widget().model()->rowCount(), 0);
  }

  void SelectsOneEntryAtATime() {
    for (const char16_t* entry : {u"a", u"b", u"c", u"d"})
      list_->AddItem(entry);
    list_->SetListIndex(1);
    list_->SetListIndex(3);
    QCOMPARE(list_->ListIndex(), 3);
    QCOMPARE(list_->Widget().selectionModel()->selectedIndexes().size(), 1);

    list_->SetListIndex(-1);
    QCOMPARE(list_->ListIndex(), -1);
    QVERIFY(list_->Widget().selectionModel()->selectedIndexes().isEmpty());
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, list_->SetListIndex(4));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, list_->SetListIndex(-2));

    list_->SetListIndex(2);
    list_->Clear();
    QCOMPARE(list_->ListIndex(), -1);
  }

  void ReadsBackExactlyTheGeometryGivenAndStandsAtRoundedPixels() {
    QCOMPARE(list_->Widget().geometry(), QRect(152, 48, 137, 15));
    list_->SetTop(120.4f);
    list_->SetLeft(50.5f);
    list_->SetHeight(static_cast<float>(3 * 13.8));
    QCOMPARE(list_->Top(), 120.4f);
    QCOMPARE(list_->Left(), 50.5f);
    QCOMPARE(list_->Height(), 41.4f);
    QCOMPARE(list_->Width(), 137.0f);
    QCOMPARE(list_->Widget().geometry(), QRect(51, 120, 137, 41));

    // Visible is the list's own setting, whether or not its window is shown.
    list_->SetVisible(true);
    QVERIFY(list_->Visible() && !list_->Widget().isVisible());
    list_->SetVisible(false);
    QVERIFY(!list_->Visible());
  }

  void ShowsUpToFiveEntriesInTheHeightsTheWalkGivesWithoutScrolling() {
    ShowList();
    QListView& view = list_->Widget();
    for (int entries = 1; entries <= 6; ++entries) {
      list_->AddItem(u"fitxer.txt");
      list_->SetHeight(static_cast<float>(std::min(entries, 5) * 13.8));
      QCoreApplication::processEvents();
      const QRect last = view.visualRect(view.model()->index(std::min(entries, 5) - 1, 0));
      QVERIFY2(view.viewport()->rect().contains(last), qPrintable(QString::number(entries)));
      QCOMPARE(view.verticalScrollBar()->isVisible(), entries == 6);
    }
  }

  void HoldsAHundredThousandEntriesAndShowsTheLast() {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 100000; ++i) {
      list_->AddItem(u"fitxer" + QString::number(i).toStdU16String() + u".txt");
    }
    list_->SetHeight(69);
    ShowList();
    list_->SetListIndex(99999);
    QCoreApplication::processEvents();
    qInfo("100,000 entries added and shown in %lld ms", timer.elapsed());

    QCOMPARE(list_->ListCount(), 100000);
    QCOMPARE(list_->List(99999), u"fitxer99999.txt");
    QCOMPARE(list_->ListIndex(), 99999);
    const QRect last = list_->Widget().visualRect(list_->Widget().model()->index(99999, 0));
    QVERIFY(list_->Widget().viewport()->rect().contains(last));
  }
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::FileListBoxTest)
#include "FileListBoxTest.moc"
