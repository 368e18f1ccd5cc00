#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "gui/TreeViewRig.h"
#include "gui/treeview/FileListBox.h"

namespace tavelin::gui {

using testing::EntriesOf;

namespace {

core::PackedNames Numbered(const QString& prefix, int count) {
  core::PackedNames names;
  for (int i = 0; i < count; ++i)
    names.Add(ToU16String(prefix + QString::number(i)));
  return names;
}

}  // namespace

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

  void KeepsEntriesInOrderAndSelectsOneAtATime() {
    for (const char16_t* entry : {u"zeta.txt", u"Alfa.doc", u"mig", u"zeta.txt", u"Àvia.bmp"})
      list_->AddItem(entry);
    QCOMPARE(EntriesOf(*list_),
             (QStringList{"zeta.txt", "Alfa.doc", "mig", "zeta.txt", "Àvia.bmp"}));
    QCOMPARE(list_->Widget().model()->index(4, 0).data().toString(), QStringLiteral("Àvia.bmp"));
    QCOMPARE(list_->List(-1), u"");
    QCOMPARE(list_->List(5), u"");

    list_->SetListIndex(1);
    list_->SetListIndex(3);
    QCOMPARE(list_->ListIndex(), 3);
    QCOMPARE(list_->Widget().selectionModel()->selectedIndexes().size(), 1);
    list_->SetListIndex(-1);
    QCOMPARE(list_->ListIndex(), -1);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, list_->SetListIndex(5));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, list_->SetListIndex(-2));

    list_->RemoveItem(1);
    QCOMPARE(list_->List(1), u"mig");
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, list_->RemoveItem(4));
    list_->SetListIndex(2);
    list_->Clear();
    QCOMPARE(list_->Widget().model()->rowCount(), 0);
    QCOMPARE(list_->ListIndex(), -1);
  }

  // The walk hands a folder's files over at once: the view hears of one change, not one a file.
  void InsertsEachBatchAsOneChange() {
    QAbstractItemModel& model = *list_->Widget().model();
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    list_->AddItems(Numbered(QStringLiteral("fitxer-"), 1000));
    list_->AddItems(Numbered(QStringLiteral("més-"), 2));
    list_->AddItems(core::PackedNames());
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(inserted.at(0).mid(1), (QVariantList{0, 999}));
    QCOMPARE(inserted.at(1).mid(1), (QVariantList{1000, 1001}));
    QCOMPARE(list_->ListCount(), 1002);
    QCOMPARE(list_->List(999), u"fitxer-999");
    QCOMPARE(model.index(1001, 0).data().toString(), QStringLiteral("més-1"));
    QCOMPARE(reset.count(), 0);
    list_->Clear();
    QCOMPARE(reset.count(), 1);
  }

  void ReadsBackTheGeometryGivenAndStandsAtRoundedPixels() {
    QCOMPARE(list_->Widget().geometry(), QRect(152, 48, 137, 15));
    list_->SetTop(120.4f);
    list_->SetLeft(50.5f);
    list_->SetHeight(static_cast<float>(3 * 13.8));
    QCOMPARE(list_->Top(), 120.4f);
    QCOMPARE(list_->Left(), 50.5f);
    QCOMPARE(list_->Height(), 41.4f);
    QCOMPARE(list_->Widget().geometry(), QRect(51, 120, 137, 41));
    // Visible is the list's own setting, whether or not its window is shown.
    list_->SetVisible(true);
    QVERIFY(list_->Visible() && !list_->Widget().isVisible());
  }

  void ShowsUpToFiveEntriesInTheHeightsTheWalkGivesWithoutScrolling() {
    ShowList();
    QListView& view = list_->Widget();
    for (int entries = 1; entries <= 6; ++entries) {
      list_->AddItem(u"fitxer.txt");
      list_->SetHeight(static_cast<float>(std::min(entries, 5) * 13.8));
      QCoreApplication::processEvents();
      const QRect last = view.visualRect(view.model()->index(std::min(entries, 5) - 1, 0));
      const QByteArray row = QByteArray::number(entries);
      QVERIFY2(view.viewport()->rect().contains(last), row);
      QVERIFY2(view.verticalScrollBar()->isVisible() == (entries == 6), row);
    }
  }
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::FileListBoxTest)
#include "FileListBoxTest.moc"
