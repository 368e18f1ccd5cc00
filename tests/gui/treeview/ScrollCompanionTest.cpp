#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "gui/TreeViewRig.h"

namespace tavelin::gui {

using namespace testing;

class ScrollCompanionTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TreeViewRig> rig_;

  static int ScreenHeight() { return QGuiApplication::primaryScreen()->geometry().height(); }
  ScrollCompanion& Companion() { return *rig_->companion.Window(); }
  QScrollBar& Bar() { return Companion().ScrllFrm(); }

  // The tree window shown 3000 twips from the top, then the companion loaded beside it.
  void LoadBesideTheTree() {
    rig_->fkvel.Show();
    rig_->window.SetTop(3000);
    rig_->fscroll.SetVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&Companion()));
  }

 private slots:
  void init() { rig_ = std::make_unique<TreeViewRig>(); }
  void cleanup() { rig_.reset(); }

  void EveryValueChangeMovesTheTreeWindow() {
    LoadBesideTheTree();
    // Without a title bar the window is its client area: 254 pixels.
    QCOMPARE(rig_->companion.Height(), 3810.0f);
    // Value + 3000 twips, at the nearest whole pixel: 3100 twips are 206.7 pixels, so 207.
    Bar().triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(rig_->window.Top(), 3105.0f);
    Bar().triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(rig_->window.Top(), 4095.0f);  // 4100

    Bar().setFocus();
    QTest::keyClick(&Bar(), Qt::Key_Up);
    QCOMPARE(rig_->companion.Value(), 1000);
    QCOMPARE(rig_->window.Top(), 4005.0f);  // 4000

    // A click in the track below the thumb pages down.
    QTest::mouseClick(&Bar(), Qt::LeftButton, {}, QPoint(4, 235));
    QCOMPARE(rig_->companion.Value(), 2000);
    QCOMPARE(rig_->window.Top(), 4995.0f);  // 5000

    // Dragging moves nothing until the thumb is let go.
    Bar().setSliderDown(true);
    Bar().setSliderPosition(-2000);
    QCOMPARE(rig_->window.Top(), 4995.0f);
    Bar().setSliderDown(false);
    QCOMPARE(rig_->window.Top(), 1005.0f);  // 1000
  }

  void ATallTreePutsTheWindowAtTheTopWithTheCompanionCentredBeside() {
    // Nested folders of five files each: 87 pixels of drawing a folder.
    QTemporaryDir temp;
    QString folder = temp.filePath(QStringLiteral("alt"));
    const QString tall = folder;
    for (int depth = ScreenHeight() / 87 + 2; depth > 0; --depth) {
      MakeFolder(folder, {"a", "b", "c", "d", "e"});
      folder += QStringLiteral("/sub");
    }
    const QString low = temp.filePath(QStringLiteral("baix"));
    MakeFolder(low, {"x"});

    rig_->ukvel.ShowTree(ToU16String(tall));
    QVERIFY(rig_->window.Height() >= ScreenHeight() * 15.0f);
    QCOMPARE(rig_->window.Top(), 0.0f);
    QVERIFY(Companion().isVisible());
    const long top = std::lround((ScreenHeight() - 254) / 2.0);
    QCOMPARE(Companion().frameGeometry().top(), top);
    QCOMPARE(Companion().frameGeometry().left(), rig_->Window().frameGeometry().left() - 40);
    QCOMPARE(Bar().maximum(), ScreenHeight() * 15 / 2);
    QCOMPARE(Bar().minimum(), -ScreenHeight() * 15 / 2);

    // A tree that fits is centred again and leaves the companion where it is.
    rig_->ukvel.ShowTree(ToU16String(low));
    QVERIFY(Companion().isVisible());
    QCOMPARE(Companion().frameGeometry().top(), top);
    QCOMPARE(rig_->window.Top(),
             std::lround((ScreenHeight() - rig_->window.Height() / 15) / 2.0) * 15.0f);
  }

  void ClosingTheCompanionUnloadsOnlyItAndItComesBackAfresh() {
    LoadBesideTheTree();
    Bar().triggerAction(QAbstractSlider::SliderPageStepAdd);
    QPointer<ScrollCompanion> companion = &Companion();
    QVERIFY(companion->close());
    QVERIFY(!rig_->companion.Loaded());
    QVERIFY(rig_->window.Loaded());
    FlushDeletes();
    QVERIFY(companion.isNull());
    rig_->fscroll.SetVisible(true);
    QCOMPARE(rig_->companion.Value(), 0);
  }
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::ScrollCompanionTest)
#include "ScrollCompanionTest.moc"
