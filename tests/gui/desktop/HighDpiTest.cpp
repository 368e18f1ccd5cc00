// At a scale factor of 2, as on a high-density screen: the drawing at the screen's own
// resolution, every size still in logical pixels.
#include <QApplication>
#include <QtTest>

#include "gui/TreeViewRig.h"

namespace tavelin::gui {

namespace {

// The pixels alone, whatever their ratio to logical pixels.
QImage Plain(const QImage& image) {
  QImage plain = image.convertToFormat(QImage::Format_ARGB32);
  plain.setDevicePixelRatio(1);
  return plain;
}

QImage Enlarged(const QImage& image) {
  return Plain(image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

}  // namespace

class HighDpiTest : public QObject {
  Q_OBJECT

 private slots:
  void TheDrawingIsKeptAndShownAtDeviceResolution() {
    testing::TreeViewRig rig;
    rig.window.Load();
    TreeWindow& window = rig.Window();
    ImageSurface& surface = window.Surface();
    ImageSurface reference(QSize(304, 202), window.palette().color(QPalette::Button), {}, 1.0);
    for (ImageSurface* drawing : {&surface, &reference}) {
      drawing->SetForeColor(core::FKvelDesign::kForeColor);
      drawing->SetFillColor(core::FKvelDesign::kFillColor);
      drawing->SetFont(window.Surface().Font());
      drawing->Box(10, 29, 31, 43, core::Rgb(192, 192, 192));
      drawing->Line(20.5f, 43, 20.5f, 95.4f, core::Rgb(192, 192, 192));
      drawing->Line(20.5f, 95.4f, 28, 95.4f, core::Rgb(192, 192, 192));
      drawing->Box(30, 88.4f, 51, 102.4f, core::Rgb(192, 192, 192));
    }
    // Boxes and connectors cover the same logical pixels as at a ratio of 1, each a 2 × 2 block.
    QCOMPARE(Plain(surface.Image()), Enlarged(reference.Image()));
    // A name is measured in logical pixels but drawn with the device's finer pixels: text drawn
    // at 1 and enlarged would be its own halved picture enlarged again.
    for (ImageSurface* drawing : {&surface, &reference}) {
      drawing->SetCurrentX(35);
      drawing->SetCurrentY(29);
      drawing->Print(u"Projectes");
    }
    QCOMPARE(surface.CurrentX(), reference.CurrentX());
    const QRect deviceRow(68, 54, 160, 36);
    const QRect ink = testing::ExtentOf(surface.Image(), testing::kNavy, surface.Image().rect());
    QVERIFY(!ink.isNull() && deviceRow.contains(ink));
    const QImage text = Plain(surface.Image().copy(deviceRow));
    QVERIFY(text !=
            Enlarged(text.scaled(text.size() / 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    // The window shows the image device pixel for device pixel, below its button strip.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect below(0, 50, 608, 354);
    QCOMPARE(Plain(window.grab().toImage().copy(below)), Plain(surface.Image().copy(below)));
  }
};

}  // namespace tavelin::gui

int main(int argc, char* argv[]) {
  // Set before the application starts, as a user's display setting would be.
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  tavelin::gui::HighDpiTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "HighDpiTest.moc"
