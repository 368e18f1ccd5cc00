// The tree window, its drawing, its file lists, the scroll companion and the message box, on the
// real core and the real file system, driven through the widgets.
#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "gui/TreeViewRig.h"
#include "gui/common/BusyCursor.h"
#include "gui/common/QtMessageView.h"

namespace tavelin::gui {

using namespace testing;

constexpr core::Color kOutline = core::Rgb(192, 192, 192);

class TreeViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TreeViewRig> rig_;

  TreeWindow& Window() { return rig_->Window(); }
  FileListBox& List(int index) { return rig_->List(index); }
  QRgb Background() { return Window().palette().color(QPalette::Button).rgb(); }
  ImageSurface& Surface() { return Window().Surface(); }
  const QImage& Image() { return Window().Surface().Image(); }

  void ShowWindow(bool active = false) {
    rig_->fkvel.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&Window()));
    if (active) QVERIFY(QTest::qWaitForWindowActive(&Window()));
  }

  // Entries "<index>-0", "<index>-1"...
  void PlaceList(int index, float top, int entries) {
    for (int i = 0; i < entries; ++i)
      List(index).AddItem(QStringLiteral("%1-%2").arg(index).arg(i).toStdU16String());
    List(index).SetLeft(30);
    List(index).SetTop(top);
    List(index).SetHeight(69);
    List(index).SetVisible(true);
  }

 private slots:
  void init() {
    rig_ = std::make_unique<TreeViewRig>();
    rig_->fkvel.Window();
  }
  void cleanup() { rig_.reset(); }

  // The walk hands a folder's files over at once: the view hears of one change, not one a file.
  void AListTakesEachBatchAsOneChange() {
    QAbstractItemModel& model = *List(1).Widget().model();
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    for (const auto& [prefix, count] : {std::pair{u"fitxer-", 1000}, {u"més-", 2}, {u"", 0}}) {
      core::PackedNames names;
      for (int i = 0; i < count; ++i)
        names.Add(prefix + QString::number(i).toStdU16String());
      List(1).AddItems(std::move(names));
    }
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(inserted.at(0).mid(1), (QVariantList{0, 999}));
    QCOMPARE(inserted.at(1).mid(1), (QVariantList{1000, 1001}));
    QCOMPARE(model.index(1001, 0).data().toString(), QStringLiteral("més-1"));
  }

  // It reads back the geometry given, stands at the nearest pixels and shows up to five
  // entries in the heights the walk gives without a scroll bar.
  void AListStandsAtRoundedPixelsAndShowsFiveEntries() {
    FileListBox& list = List(1);
    QCOMPARE(list.Widget().geometry(), QRect(152, 48, 137, 15));
    list.SetTop(120.4f);
    list.SetLeft(50.5f);
    list.SetHeight(static_cast<float>(3 * 13.8));
    QCOMPARE(QRectF(list.Left(), list.Top(), list.Width(), list.Height()),
             QRectF(50.5f, 120.4f, 137, 41.4f));
    QCOMPARE(list.Widget().geometry(), QRect(51, 120, 137, 41));
    list.SetVisible(true);
    ShowWindow();
    for (int entries = 1; entries <= 6; ++entries) {
      list.AddItem(u"fitxer.txt");
      list.SetHeight(static_cast<float>(std::min(entries, 5) * 13.8));
      QCoreApplication::processEvents();
      const QRect last =
          list.Widget().visualRect(list.Widget().model()->index(std::min(entries, 5) - 1, 0));
      const QByteArray row = QByteArray::number(entries);
      QVERIFY2(list.Widget().viewport()->rect().contains(last), row);
      QVERIFY2(list.Widget().verticalScrollBar()->isVisible() == (entries == 6), row);
    }
  }

  // A later show leaves it where it was put; closed, it goes with its companion, and shown again
  // it is fresh. The framed test measures the centring under a real frame.
  void ShowingSizingAndClosing() {
    ShowWindow();
    // Sizes are the outer frame in twips, at whole pixels; the client gets what the frame leaves.
    rig_->window.SetHeight(3007);  // 200.47 pixels
    rig_->window.SetWidth(9000);
    QCOMPARE(QSizeF(rig_->window.Width(), rig_->window.Height()), QSizeF(9000, 3000));
    QCOMPARE(QSizeF(rig_->window.ScaleWidth(), rig_->window.ScaleHeight()),
             QSizeF(600, 200) - (Window().frameGeometry().size() - Window().size()));
    rig_->window.SetTop(450);
    rig_->fkvel.Show();
    QCOMPARE(Window().frameGeometry().top(), 30);
    rig_->window.SetCaption(u"/tmp/Lletres [*] i més");
    QCOMPARE(Window().windowHandle()->title(), QStringLiteral("/tmp/Lletres [*] i més"));

    rig_->fscroll.SetVisible(true);
    rig_->window.SetHeight(6000);
    QPointer<TreeWindow> window = &Window();
    QPointer<ScrollCompanion> companion = rig_->companion.Window();
    QVERIFY(window->close());
    QVERIFY(!rig_->window.Loaded() && !rig_->companion.Loaded());
    FlushDeletes();
    QVERIFY(window.isNull() && companion.isNull());
    ShowWindow();
    QCOMPARE(Window().size(), QSize(304, 202));
  }

  // A press with any button makes its list the active one, a key moves a selection and not the
  // active list.
  void ListAndButtonEventsReachTheTreeWindow() {
    PlaceList(3, 45, 3);
    PlaceList(7, 120, 3);
    ShowWindow(true);
    for (const auto& [button, modifiers] :
         {std::pair{Qt::LeftButton, Qt::KeyboardModifiers()},
          {Qt::RightButton, Qt::KeyboardModifiers()},
          {Qt::LeftButton, Qt::KeyboardModifiers(Qt::ControlModifier)}}) {
      rig_->fkvel.ActiveList = 0;
      List(7).SetListIndex(-1);
      PressRow(List(7).Widget(), 2, button, modifiers);
      QCOMPARE(rig_->fkvel.ActiveList, 7);
      QCOMPARE(List(7).ListIndex(), 2);
    }
    List(3).SetListIndex(0);
    List(3).Widget().setFocus();
    QTest::keyClick(&List(3).Widget(), Qt::Key_Down);
    QCOMPARE(List(3).ListIndex(), 1);
    QCOMPARE(rig_->fkvel.ActiveList, 7);
    // Only the left button double-clicks: the real windows test starts every file so.
    DoubleClick(List(7).Widget().viewport(), RowCentre(List(7).Widget(), 1), Qt::RightButton);
    QVERIFY(rig_->recorded.started.empty());
  }

  void DrawingSurvivesEnlargingCoveringAndUncovering() {
    ShowWindow();
    Surface().Line(20.5f, 43, 20.5f, 190, kOutline);
    Surface().Print(u"Arrel");
    Surface().Box(30, 250, 51, 264, kOutline);  // beyond the load size
    const QImage before = Window().grab().toImage();
    rig_->window.SetHeight(rig_->window.Height() + 150 * 15);
    QWidget cover;
    cover.setGeometry(Window().geometry());
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    cover.hide();
    Window().repaint();
    const QImage after = Window().grab().toImage();
    QCOMPARE(after.copy(0, 0, 304, 202), before);
    QCOMPARE(after.pixel(30, 250), kGrey);
    QCOMPARE(after.pixel(40, 257), kFill);
  }

  // A display pass on a real folder sizes the real frame and draws the tree; the next pass, on
  // the loaded window, leaves nothing of it but what it draws itself.
  void APassDrawsARealFolderAndTheNextReplacesIt() {
    QTemporaryDir temp;
    const QString root = temp.filePath(QStringLiteral("Arrel"));
    MakeFolder(root, {"un.txt", "dos.txt", "tres.txt"});
    MakeFolder(root + "/A", {});
    MakeFolder(root + "/B", {"b.txt"});
    rig_->ukvel.ShowTree(ToU16String(root));
    // The core fixes the figures, the framed test the frame; this window shows what was drawn.
    QCOMPARE(Window().size(), QSize(304, 150));
    const QImage shown = Window().grab().toImage();
    QCOMPARE(shown.pixel(12, 31), kFill);
    QCOMPARE(shown.pixel(30, 95), kGrey);

    const QString lone = temp.filePath(QStringLiteral("B"));
    MakeFolder(lone, {});
    rig_->ukvel.ShowTree(ToU16String(lone));
    const QImage again = Window().grab().toImage();
    const QRect below(0, 44, again.width(), again.height() - 44);
    QCOMPARE(CountOtherThan(again, {Background()}, below), 0);
    QCOMPARE(ExtentOf(again, kNavy, again.rect()), ExtentOf(again, kNavy, QRect(14, 29, 20, 15)));
  }

  // Value + 3000 twips, at the nearest whole pixel: 3100 twips are 206.7 pixels, so 207.
  void EveryValueChangeMovesTheTreeWindow() {
    rig_->fkvel.Show();
    rig_->window.SetTop(3000);
    rig_->fscroll.SetVisible(true);
    QScrollBar& bar = rig_->companion.Window()->ScrllFrm();
    QVERIFY(QTest::qWaitForWindowExposed(bar.window()));
    // Without a title bar the window is its client area: 254 pixels.
    QCOMPARE(rig_->companion.Height(), 3810.0f);
    const auto step = [&](auto act, float top) {
      act();
      QCOMPARE(rig_->window.Top(), top);
    };
    step([&] { bar.triggerAction(QAbstractSlider::SliderSingleStepAdd); }, 3105);
    step([&] { bar.triggerAction(QAbstractSlider::SliderPageStepAdd); }, 4095);
    bar.setFocus();
    step([&] { QTest::keyClick(&bar, Qt::Key_Up); }, 4005);
    // A click in the track below the thumb pages down.
    step([&] { QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(4, 235)); }, 4995);
    // Dragging moves nothing until the thumb is let go.
    bar.setSliderDown(true);
    step([&] { bar.setSliderPosition(-2000); }, 4995);
    step([&] { bar.setSliderDown(false); }, 1005);
  }

  void BoxHasACrispOutlineAndAFilledInside() {
    Surface().Box(10, 29, 31, 43, kOutline);
    QCOMPARE(QPointF(Surface().CurrentX(), Surface().CurrentY()), QPointF(31, 43));
    const QRect box(QPoint(10, 29), QPoint(31, 43));
    QCOMPARE(ExtentOf(Image(), kGrey, Image().rect()), box);
    QCOMPARE(CountOtherThan(Image(), {kFill}, box.adjusted(1, 1, -1, -1)), 0);
    QCOMPARE(CountOtherThan(Image(), {Background()}, box.adjusted(-2, -2, 2, 2)),
             box.width() * box.height());
    // A box on a fractional row, below a list of 41.4 pixels, is still 22 × 15 pixels.
    Surface().Box(30, 88.4f, 51, 102.4f, kOutline);
    const QRect area(25, 80, 35, 30);
    const QRect outline = ExtentOf(Image(), kGrey, area);
    QCOMPARE(outline, QRect(30, outline.top(), 22, 15));
    QCOMPARE(ExtentOf(Image(), kFill, area), outline.adjusted(1, 1, -1, -1));
    QCOMPARE(CountOtherThan(Image(), {kGrey, kFill, Background()}, area), 0);
  }

  void ALineDrawnAgainIsSkippedUntilSomethingElseCoversIt() {
    int changes = 0;
    ImageSurface surface(QSize(100, 100), Qt::white, [&](const QRect&) { ++changes; });
    surface.Line(20.5f, 43, 20.5f, 95.4f, kOutline);
    // The connectors past the folder limit: the same two lines, over and over.
    for (int i = 0; i < 1000; ++i) {
      surface.Line(20.5f, 43, 20.5f, 95.4f, kOutline);
      surface.Line(surface.CurrentX(), surface.CurrentY(), 28, 95.4f, kOutline);
    }
    QCOMPARE(changes, 2);
    QCOMPARE(QPointF(surface.CurrentX(), surface.CurrentY()), QPointF(28, 95.4f));
    // A line of another colour across it, or a box over it: the grey line drawn again covers it.
    surface.Line(10, 60, 40, 60, core::Rgb(255, 0, 0));
    surface.Line(20.5f, 43, 20.5f, 95.4f, kOutline);
    QCOMPARE(changes, 4);
    QCOMPARE(surface.Image().pixel(20, 60), kGrey);
    surface.Box(15, 50, 30, 70, kOutline);
    surface.Line(20.5f, 43, 20.5f, 95.4f, kOutline);
    QCOMPARE(changes, 6);
    QCOMPARE(surface.Image().pixel(20, 60), kGrey);
  }

  void PrintWritesCrispDarkBlueAndMovesOnByTheAdvance() {
    Surface().SetCurrentY(29);
    Surface().SetCurrentX(14);
    Surface().Print(u"Arrel");
    const float end = Surface().CurrentX();
    const QRect row(0, 29, 304, QFontMetrics(Surface().Font()).height());
    const QRect ink = ExtentOf(Image(), kNavy, Image().rect());
    QVERIFY(row.contains(ink));
    QVERIFY2(ink.left() >= 14 && ink.left() <= 16, qPrintable(QString::number(ink.left())));
    // The advance ends just behind the ink, leaving at most the letter spacing.
    QVERIFY2(end >= ink.right() + 1 && end <= ink.right() + 4, qPrintable(QString::number(end)));
    QCOMPARE(CountOtherThan(Image(), {kNavy, Background()}, row), 0);
  }
  // A name may hold markup: the message shows it as plain text, under an arrow while the long
  // work around it keeps the wait cursor.
  void MessageBoxShowsPlainTextUnderAnArrowOverABusyCursor() {
    QString seen;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      seen = QStringLiteral("%1|%2|%3|%4")
                 .arg(box->windowTitle(), box->text())
                 .arg(box->textFormat() == Qt::PlainText)
                 .arg(QGuiApplication::overrideCursor()->shape());
      box->button(QMessageBox::Ok)->click();
    });
    {
      BusyCursor busy;
      QtMessageView().ShowMessage(u"Màxim  50 <b>subcarpetes</b>");
      QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QCOMPARE(seen,
             QStringLiteral("Tavelin|Màxim  50 <b>subcarpetes</b>|1|%1").arg(Qt::ArrowCursor));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
  }
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::TreeViewTest)
#include "TreeViewTest.moc"
