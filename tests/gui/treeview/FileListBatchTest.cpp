// A folder's files reach its list as one change the view hears of once, not one per file.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "TreeViewRig.h"
#include "gui/common/TextConversion.h"
#include "gui/treeview/FileListBox.h"

namespace tavelin::gui {

using testing::MakeFolder;
using testing::TreeViewRig;

namespace {

core::PackedNames Numbered(const QString& prefix, int count) {
  core::PackedNames names;
  for (int i = 0; i < count; ++i)
    names.Add(ToU16String(prefix + QString::number(i)));
  return names;
}

}  // namespace

class FileListBatchTest : public QObject {
  Q_OBJECT

 private slots:
  void InsertsEachBatchAsOneChange() {
    QWidget parent;
    FileListBox list(&parent, 152, 48, 137, 69);
    QAbstractItemModel& model = *list.Widget().model();
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    list.AddItems(Numbered(QStringLiteral("fitxer-"), 1000));
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.at(0).at(1).toInt(), 0);
    QCOMPARE(inserted.at(0).at(2).toInt(), 999);
    QCOMPARE(list.ListCount(), 1000);
    QCOMPARE(list.List(999), u"fitxer-999");
    QCOMPARE(model.index(500, 0).data().toString(), QStringLiteral("fitxer-500"));

    // A later batch goes after the first, one change again; an empty one is no change at all.
    list.AddItems(Numbered(QStringLiteral("m\u00E9s-"), 2));
    list.AddItems(core::PackedNames());
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(inserted.at(1).at(1).toInt(), 1000);
    QCOMPARE(inserted.at(1).at(2).toInt(), 1001);
    QCOMPARE(list.List(1001), u"m\u00E9s-1");
    QCOMPARE(reset.count(), 0);

    list.Clear();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(inserted.count(), 2);
  }

  void TheWalkFillsEachListOfARealTreeOnce() {
    QTemporaryDir temp;
    const QString root = temp.filePath(QStringLiteral("Arrel"));
    QStringList many;
    for (int i = 0; i < 3000; ++i)
      many << QStringLiteral("fitxer-%1.txt").arg(i);
    MakeFolder(root, many);
    MakeFolder(root + QStringLiteral("/Buida"), {});
    MakeFolder(root + QStringLiteral("/Plena"),
               {QStringLiteral("un.txt"), QStringLiteral("dos.txt")});

    TreeViewRig rig;
    rig.fkvel.Window();
    TreeWindow& window = *rig.window.Window();
    std::vector<std::unique_ptr<QSignalSpy>> inserted;
    for (int i = 1; i <= 3; ++i) {
      inserted.push_back(std::make_unique<QSignalSpy>(window.Lst(i).Widget().model(),
                                                      &QAbstractItemModel::rowsInserted));
    }
    rig.ukvel.ShowTree(ToU16String(root));

    QCOMPARE(rig.layout.FolderCount, 3);
    QCOMPARE(inserted[0]->count(), 1);
    QCOMPARE(inserted[0]->at(0).at(2).toInt(), 2999);
    QCOMPARE(window.Lst(1).ListCount(), 3000);
    // The two sub-folders come in the file system's order: one list gets nothing, the other
    // its two files at once.
    const int empty = window.Lst(2).ListCount() == 0 ? 1 : 2;
    const int full = 3 - empty;
    QCOMPARE(inserted[empty]->count(), 0);
    QCOMPARE(inserted[full]->count(), 1);
    QCOMPARE(inserted[full]->at(0).at(2).toInt(), 1);
    QCOMPARE(window.Lst(full + 1).ListCount(), 2);
  }
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::FileListBatchTest)
#include "FileListBatchTest.moc"
