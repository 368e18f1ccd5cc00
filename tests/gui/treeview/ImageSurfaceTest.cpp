#include <QtTest>

#include "gui/TreeViewRig.h"
#include "gui/treeview/TreeWindow.h"

namespace tavelin::gui {

using testing::CountOtherThan;
using testing::ExtentOf;
using testing::kFill;
using testing::kGrey;
using testing::kNavy;

constexpr core::Color kOutline = core::Rgb(192, 192, 192);

// The tree window's own surface, with the window's colours and font.
class ImageSurfaceTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TreeWindow> window_;

  QRgb Background() const { return window_->palette().color(QPalette::Button).rgb(); }
  ImageSurface& Surface() { return window_->Surface(); }
  const QImage& Image() { return window_->Surface().Image(); }

 private slots:
  void init() { window_ = std::make_unique<TreeWindow>(); }
  void cleanup() { window_.reset(); }

  void BoxHasACrispOutlineAndAFilledInside() {
    Surface().Box(10, 29, 31, 43, kOutline);
    QCOMPARE(QPointF(Surface().CurrentX(), Surface().CurrentY()), QPointF(31, 43));
    const QRect box(QPoint(10, 29), QPoint(31, 43));
    QCOMPARE(ExtentOf(Image(), kGrey, Image().rect()), box);
    QCOMPARE(ExtentOf(Image(), kFill, Image().rect()), box.adjusted(1, 1, -1, -1));
    QCOMPARE(CountOtherThan(Image(), {kFill}, box.adjusted(1, 1, -1, -1)), 0);
    QCOMPARE(CountOtherThan(Image(), {Background()}, box.adjusted(-2, -2, 2, 2)),
             box.width() * box.height());

    // A box on a fractional row, below a list of 41.4 pixels, is still 22 × 15 pixels.
    Surface().Box(30, 88.4f, 51, 102.4f, kOutline);
    QCOMPARE(Surface().CurrentY(), 102.4f);
    const QRect area(25, 80, 35, 30);
    const QRect outline = ExtentOf(Image(), kGrey, area);
    QCOMPARE(outline, QRect(30, outline.top(), 22, 15));
    QCOMPARE(ExtentOf(Image(), kFill, area), outline.adjusted(1, 1, -1, -1));
    QCOMPARE(CountOtherThan(Image(), {kGrey, kFill, Background()}, area), 0);
  }

  void ConnectorsAreOneUnbrokenPixelPath() {
    Surface().Line(20.5f, 43, 20.5f, 95.4f, kOutline);
    Surface().Line(Surface().CurrentX(), Surface().CurrentY(), 28, Surface().CurrentY(), kOutline);
    QCOMPARE(QPointF(Surface().CurrentX(), Surface().CurrentY()), QPointF(28, 95.4f));
    // Down column 20, turning at row 95 to end at column 28.
    QCOMPARE(ExtentOf(Image(), kGrey, QRect(20, 0, 1, 120)), QRect(QPoint(20, 43), QPoint(20, 95)));
    QCOMPARE(ExtentOf(Image(), kGrey, QRect(0, 95, 60, 1)), QRect(QPoint(20, 95), QPoint(28, 95)));
    QCOMPARE(CountOtherThan(Image(), {Background()}, QRect(0, 0, 60, 120)), 53 + 8);
  }

  void ALineDrawnAgainIsSkippedUntilSomethingElseCoversIt() {
    int changes = 0;
    ImageSurface surface(QSize(100, 100), Qt::white, [&](const QRect&) { ++changes; });
    surface.Line(20.5f, 43, 20.5f, 95.4f, kOutline);
    surface.Line(20.5f, 95.4f, 28, 95.4f, kOutline);
    const QImage once = surface.Image();
    // The connectors past the folder limit: the same two lines, over and over.
    for (int i = 0; i < 1000; ++i) {
      surface.Line(20.5f, 43, 20.5f, 95.4f, kOutline);
      surface.Line(surface.CurrentX(), surface.CurrentY(), 28, 95.4f, kOutline);
    }
    QCOMPARE(changes, 2);
    QCOMPARE(surface.Image(), once);
    QCOMPARE(QPointF(surface.CurrentX(), surface.CurrentY()), QPointF(28, 95.4f));

    // A line of another colour across it, or a box over it: the grey line drawn again covers it.
    surface.Line(10, 60, 40, 60, core::Rgb(255, 0, 0));
    surface.Line(20.5f, 43, 20.5f, 95.4f, kOutline);
    QCOMPARE(changes, 4);
    QCOMPARE(surface.Image().pixel(20, 60), kGrey);
    QCOMPARE(surface.Image().pixel(21, 60), qRgb(255, 0, 0));
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
    QCOMPARE(Surface().CurrentY(), 29.0f);
    const QRect row(0, 29, 304, QFontMetrics(Surface().Font()).height());
    const QRect ink = ExtentOf(Image(), kNavy, Image().rect());
    QVERIFY(row.contains(ink));
    QVERIFY2(ink.left() >= 14 && ink.left() <= 16, qPrintable(QString::number(ink.left())));
    // The advance ends just behind the ink, leaving at most the letter spacing.
    QVERIFY2(end >= ink.right() + 1 && end <= ink.right() + 4, qPrintable(QString::number(end)));
    QCOMPARE(CountOtherThan(Image(), {kNavy, Background()}, row), 0);

    Surface().Print(u"i");
    const QRect more = ExtentOf(Image(), kNavy, QRect(ink.right() + 1, 29, 40, row.height()));
    QVERIFY(more.left() >= qFloor(end) && more.right() < Surface().CurrentX() + 1);
  }
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::ImageSurfaceTest)
#include "ImageSurfaceTest.moc"
