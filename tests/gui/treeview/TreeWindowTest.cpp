#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include "TreeViewRig.h"

namespace tavelin::gui {

using testing::FlushDeletes;
using testing::TreeViewRig;

class TreeWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TreeViewRig> rig_;

  TreeWindow& Window() { return *rig_->window.Window(); }
  FileListBox& List(int index) { return Window().Lst(index); }

  void ShowWindow(bool active = false) {
    rig_->fkvel.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&Window()));
    if (active) QVERIFY(QTest::qWaitForWindowActive(&Window()));
  }

  // Fills Lst(index) with entries "<index>-0", "<index>-1"... and shows it 69 pixels high.
  void PlaceList(int index, float top, int entries) {
    FileListBox& list = List(index);
    for (int i = 0; i < entries; ++i) {
      list.AddItem(QStringLiteral("%1-%2").arg(index).arg(i).toStdU16String());
    }
    list.SetLeft(30);
    list.SetTop(top);
    list.SetHeight(69);
    list.SetVisible(true);
  }

  QPoint RowCentre(int index, int row) {
    QListView& view = List(index).Widget();
    return view.visualRect(view.model()->index(row, 0)).center();
  }

  void PressRow(int index, int row, Qt::MouseButton button = Qt::LeftButton,
                Qt::KeyboardModifiers modifiers = {}) {
    QWidget* viewport = List(index).Widget().viewport();
    QTest::mousePress(viewport, button, modifiers, RowCentre(index, row));
    QTest::mouseRelease(viewport, button, modifiers, RowCentre(index, row));
  }

  // As the user makes it: a press and release, then the second press, which arrives as the
  // double click, and its release.
  void DoubleClickRow(int index, int row, Qt::MouseButton button) {
    PressRow(index, row, button);
    QTest::mouseDClick(List(index).Widget().viewport(), button, {}, RowCentre(index, row));
    QTest::mouseRelease(List(index).Widget().viewport(), button, {}, RowCentre(index, row));
  }

  QPoint CentredFrameTopLeft() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize frame = Window().frameGeometry().size();
    return QPoint((screen.width() - frame.width()) / 2, (screen.height() - frame.height()) / 2);
  }

 private slots:
  void init() {
    rig_ = std::make_unique<TreeViewRig>();
    rig_->fkvel.Window();
  }
  void cleanup() { rig_.reset(); }

  void LoadsHiddenInItsLoadState() {
    TreeWindow& window = Window();
    QVERIFY(!window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("CARPETA"));
    QCOMPARE(rig_->window.ScaleWidth(), 304.0f);
    QCOMPARE(rig_->window.ScaleHeight(), 202.0f);
    QCOMPARE(window.palette().color(QPalette::Window), window.palette().color(QPalette::Button));

    QCOMPARE(window.PBts().geometry(), QRect(0, 0, 305, 25));
    QCOMPARE(rig_->window.PBtsHeight(), 25.0f);
    QCOMPARE(window.PBts().palette().color(QPalette::Window), QColor(192, 192, 255));
    const QStringList tips = {"Bloc de Notes", "WordPad", "Executa", "Paint", "Mira carpeta"};
    for (int i = 0; i < 5; ++i) {
      QToolButton& button = window.Bt(i);
      QCOMPARE(button.geometry(), QRect(24 + 24 * i, 4, 16, 16));
      QCOMPARE(button.toolTip(), tips[i]);
      QCOMPARE(button.accessibleName(), tips[i]);
      QVERIFY(button.text().isEmpty());
      QCOMPARE(button.iconSize(), i == 3 ? QSize(15, 17) : QSize(13, 15));
    }

    for (int i = 0; i < core::kFileListCount; ++i) {
      QCOMPARE(List(i).Widget().geometry(), QRect(i == 0 ? 144 : 152, 48, 137, 15));
      QVERIFY(!List(i).Visible());
    }
  }

  void TabRunsThroughTheListsThenTheButtons() {
    for (int i = 0; i < core::kFileListCount; ++i)
      List(i).SetVisible(true);
    ShowWindow(true);
    List(0).Widget().setFocus();
    for (int i = 1; i < core::kFileListCount; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), &List(i).Widget());
    }
    for (int i = 0; i < 5; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), &Window().Bt(i));
    }
  }

  void FirstShowCentresAndNothingMovesTheLeftEdgeAfterwards() {
    ShowWindow();
    const QPoint centred = CentredFrameTopLeft();
    QCOMPARE(Window().frameGeometry().topLeft(), centred);
    QCOMPARE(rig_->window.Left(), centred.x() * 15.0f);
    QCOMPARE(rig_->window.Top(), centred.y() * 15.0f);

    // Sizes are the outer frame in twips, at whole pixels; the client gets what the frame leaves.
    const int frameW = Window().frameGeometry().width() - Window().width();
    const int frameH = Window().frameGeometry().height() - Window().height();
    rig_->window.SetHeight(3007);  // 200.47 pixels
    QCOMPARE(rig_->window.Height(), 3000.0f);
    QCOMPARE(rig_->window.ScaleHeight(), 200.0f - frameH);
    rig_->window.SetWidth(9000);
    QCOMPARE(rig_->window.Width(), 9000.0f);
    QCOMPARE(rig_->window.ScaleWidth(), 600.0f - frameW);
    rig_->window.SetTop(450);
    QCOMPARE(rig_->window.Top(), 450.0f);
    QCOMPARE(Window().PBts().width(), 305);

    // A later Show leaves the window where it is.
    rig_->fkvel.Show();
    QCOMPARE(rig_->window.Top(), 450.0f);
    QCOMPARE(rig_->window.Left(), centred.x() * 15.0f);

    rig_->window.SetCaption(u"/tmp/Lletres [*] i més");
    QCOMPARE(Window().windowHandle()->title(), QStringLiteral("/tmp/Lletres [*] i més"));
  }

  void UnloadDiscardsTheWindowAndTheNextLoadIsFresh() {
    ShowWindow();
    PlaceList(7, 45, 2);
    PressRow(7, 1);
    rig_->window.Surface().Box(10, 29, 31, 43, core::Rgb(192, 192, 192));
    rig_->window.SetCaption(u"/arrel");
    rig_->window.SetHeight(6000);
    rig_->window.SetTop(0);
    QPointer<TreeWindow> old = &Window();

    rig_->fkvel.Unload();
    QCOMPARE(rig_->window.Window(), nullptr);
    QVERIFY(!old->isVisible());
    QVERIFY_THROWS_EXCEPTION(std::logic_error, rig_->window.Top());
    FlushDeletes();
    QVERIFY(old.isNull());

    ShowWindow();
    QCOMPARE(Window().windowTitle(), QStringLiteral("CARPETA"));
    QCOMPARE(Window().size(), QSize(304, 202));
    QCOMPARE(Window().frameGeometry().topLeft(), CentredFrameTopLeft());
    QCOMPARE(List(7).ListCount(), 0);
    QVERIFY(!List(7).Visible());
    QCOMPARE(Window().Surface().Image().pixel(10, 29),
             Window().palette().color(QPalette::Button).rgb());
    // The window-level variable outlives the window.
    QCOMPARE(rig_->fkvel.ActiveList, 7);
  }

  void PressOnAListMakesItTheActiveList_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers();
    QTest::newRow("right") << Qt::RightButton << Qt::KeyboardModifiers();
    QTest::newRow("middle") << Qt::MiddleButton << Qt::KeyboardModifiers();
    QTest::newRow("shift") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("ctrl") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier);
  }
  void PressOnAListMakesItTheActiveList() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    PlaceList(3, 45, 3);
    PlaceList(7, 120, 4);
    PlaceList(12, 200, 3);
    ShowWindow();
    List(3).SetListIndex(1);
    List(12).SetListIndex(2);

    PressRow(7, 2, button, modifiers);
    QCOMPARE(rig_->fkvel.ActiveList, 7);
    QCOMPARE(List(7).ListIndex(), 2);
    QCOMPARE(List(3).ListIndex(), -1);
    QCOMPARE(List(12).ListIndex(), -1);

    // Below the last entry it counts as well.
    List(3).SetListIndex(0);
    QTest::mousePress(List(12).Widget().viewport(), button, modifiers, QPoint(20, 60));
    QCOMPARE(rig_->fkvel.ActiveList, 12);
    QCOMPARE(List(3).ListIndex(), -1);
    QCOMPARE(List(7).ListIndex(), -1);
    QVERIFY(rig_->launcher.started.empty());
  }

  void KeyboardSelectionLeavesTheActiveListAlone() {
    PlaceList(3, 45, 3);
    PlaceList(5, 120, 3);
    ShowWindow(true);
    List(3).SetListIndex(1);
    List(5).SetListIndex(0);
    List(5).Widget().setFocus();
    QTest::keyClick(&List(5).Widget(), Qt::Key_Down);
    QCOMPARE(List(5).ListIndex(), 1);
    QCOMPARE(List(3).ListIndex(), 1);
    QCOMPARE(rig_->fkvel.ActiveList, 0);
  }

  void DoubleClicksAndButtonsStartProgramsOnTheirLists() {
    PlaceList(3, 45, 3);
    PlaceList(7, 120, 3);
    rig_->layout.FolderPaths[3] = u"/arrel/";
    rig_->layout.FolderPaths[7] = u"/arrel/B/";
    ShowWindow();
    // No list pressed yet: the folder tool has no folder to open.
    QTest::mouseClick(&Window().Bt(4), Qt::LeftButton);
    QVERIFY(rig_->launcher.started.empty());

    PressRow(3, 0);
    DoubleClickRow(7, 2, Qt::LeftButton);
    DoubleClickRow(7, 1, Qt::RightButton);  // only the left button double-clicks
    for (int i : {0, 3, 4})
      QTest::mouseClick(&Window().Bt(i), Qt::LeftButton);
    const auto& started = rig_->launcher.started;
    QCOMPARE(started.size(), 4u);
    QCOMPARE(started[0].commandLine, u"Notepad.exe /arrel/B/7-2");
    QCOMPARE(started[1].commandLine, u"Notepad.exe /arrel/B/7-1");
    QCOMPARE(started[2].commandLine, u"mspaint.exe /arrel/B/7-1");
    QCOMPARE(started[3].commandLine, u"marbek.exe /arrel/B/");
  }

  void ClosingTheWindowUnloadsItWithTheCompanion() {
    ShowWindow();
    rig_->fscroll.SetVisible(true);
    QPointer<TreeWindow> window = &Window();
    QPointer<ScrollCompanion> companion = rig_->companion.Window();

    QVERIFY(window->close());
    QVERIFY(!rig_->window.Loaded());
    QVERIFY(!rig_->companion.Loaded());
    FlushDeletes();
    QVERIFY(window.isNull());
    QVERIFY(companion.isNull());

    // Without a companion, closing leaves none behind.
    ShowWindow();
    QVERIFY(Window().close());
    QVERIFY(!rig_->window.Loaded());
    QVERIFY(!rig_->companion.Loaded());
  }

  void DrawingSurvivesEnlargingCoveringAndUncovering() {
    ShowWindow();
    ImageSurface& surface = Window().Surface();
    surface.Box(10, 29, 31, 43, core::Rgb(192, 192, 192));
    surface.Line(20.5f, 43, 20.5f, 190, core::Rgb(192, 192, 192));
    surface.SetCurrentX(14);
    surface.SetCurrentY(29);
    surface.Print(u"Arrel");
    surface.Box(30, 250, 51, 264, core::Rgb(192, 192, 192));  // beyond the load size
    const QImage before = Window().grab().toImage();
    QCOMPARE(before.size(), QSize(304, 202));

    rig_->window.SetHeight(rig_->window.Height() + 150 * 15);
    QCOMPARE(Window().height(), 352);
    QWidget cover;
    cover.setGeometry(Window().geometry());
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    cover.hide();
    Window().repaint();

    const QImage after = Window().grab().toImage();
    QCOMPARE(after.copy(0, 0, 304, 202), before);
    QCOMPARE(after.pixel(30, 250), qRgb(192, 192, 192));
    QCOMPARE(after.pixel(40, 257), qRgb(255, 255, 128));
  }
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::TreeWindowTest)
#include "TreeWindowTest.moc"
