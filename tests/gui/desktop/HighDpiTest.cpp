// At a scale factor of 2, as on a high-density screen: the pictures, the icon and the drawing at
// the screen's own resolution, and every size still in logical pixels.
#include <QApplication>
#include <QtTest>
#include <optional>

#include "gui/TreeViewRig.h"
#include "gui/common/AppIcon.h"
#include "gui/folderchoice/ChooserWindow.h"
#include "gui/treeview/ButtonPictures.h"
#include "gui/treeview/ScrollCompanion.h"
#include "gui/treeview/TreeWindowHost.h"
#include "platform/Platform.h"

namespace tavelin::gui {

namespace {

constexpr core::Color kGrey = core::Rgb(192, 192, 192);

QImage Enlarged(const QImage& image, int factor) {
  return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation)
      .convertToFormat(QImage::Format_ARGB32);
}

int DifferingPixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return -1;
  int differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x)
      differing += a.pixel(x, y) != b.pixel(x, y);
  }
  return differing;
}

// Where `part` stands in `image` with each of its opaque pixels matched exactly.
std::optional<QPoint> Find(const QImage& image, const QImage& part) {
  for (int top = 0; top + part.height() <= image.height(); ++top) {
    for (int left = 0; left + part.width() <= image.width(); ++left) {
      bool matches = true;
      for (int y = 0; matches && y < part.height(); ++y) {
        for (int x = 0; matches && x < part.width(); ++x) {
          const QRgb wanted = part.pixel(x, y);
          matches = qAlpha(wanted) != 255 || image.pixel(left + x, top + y) == wanted;
        }
      }
      if (matches) return QPoint(left, top);
    }
  }
  return std::nullopt;
}

// The 2 × 2 blocks of device pixels within `area` that are neither all ink nor all background:
// text drawn at the device's resolution has them, text drawn at 1 and enlarged has none.
int MixedBlocks(const QImage& image, const QRect& area, QRgb background) {
  int mixed = 0;
  for (int y = area.top(); y + 1 <= area.bottom(); y += 2) {
    for (int x = area.left(); x + 1 <= area.right(); x += 2) {
      const int ink = (image.pixel(x, y) != background) + (image.pixel(x + 1, y) != background) +
                      (image.pixel(x, y + 1) != background) +
                      (image.pixel(x + 1, y + 1) != background);
      mixed += ink != 0 && ink != 4;
    }
  }
  return mixed;
}

}  // namespace

class HighDpiTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

  void picturesAndIconAreShownAtTwiceTheirPixels() {
    TreeWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int i = 0; i < TreeWindow::kButtonCount; ++i) {
      const QImage art = ButtonPicture(i).toImage();
      QToolButton& button = window.Bt(i);
      QCOMPARE(button.iconSize(), art.size());
      // On the screen the button shows each pixel of the picture as a sharp 2 × 2 block, as
      // much of it as fits in the button's 16 × 16 pixels.
      const QImage shown = button.grab().toImage();
      QCOMPARE(shown.size(), QSize(32, 32));
      const QImage enlarged = Enlarged(art, 2);
      const QImage visible =
          enlarged.copy(QRect(QPoint(0, 0), enlarged.size().boundedTo(shown.size())));
      QVERIFY2(Find(shown, visible).has_value(), qPrintable(button.toolTip()));
    }

    const QImage icon = TavelinIcon().pixmap(QSize(32, 32), 1.0).toImage();
    QCOMPARE(icon.size(), QSize(32, 32));
    for (const QIcon& shown : {TavelinIcon(), window.windowIcon()}) {
      const QPixmap pixmap = shown.pixmap(QSize(32, 32), 2.0);
      QCOMPARE(pixmap.devicePixelRatio(), 2.0);
      QCOMPARE(DifferingPixels(pixmap.toImage().convertToFormat(QImage::Format_ARGB32),
                               Enlarged(icon, 2)),
               0);
    }
  }

  void sizesStayInLogicalPixelsAndTwips() {
    TreeWindowHost host;
    host.Load();
    host.Show();
    TreeWindow& window = *host.Window();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(QSizeF(host.ScaleWidth(), host.ScaleHeight()), QSizeF(304, 202));
    QCOMPARE(window.grab().size(), QSize(608, 404));
    QCOMPARE(host.PBtsHeight(), 25.0f);
    for (int i = 0; i < TreeWindow::kButtonCount; ++i)
      QCOMPARE(window.Bt(i).geometry(), QRect(24 + 24 * i, 4, 16, 16));
    QCOMPARE(window.Lst(50).Widget().geometry(), QRect(152, 48, 137, 15));

    // Fifteen twips to a logical pixel, not to a device pixel.
    const int frameHeight = window.frameGeometry().height() - window.height();
    host.SetHeight(3000);
    QCOMPARE(window.height(), 200 - frameHeight);
    host.SetTop(450);
    QCOMPARE(window.frameGeometry().y(), 30);

    ScrollCompanion companion;
    QCOMPARE(companion.size(), QSize(9, 254));
    ChooserWindow chooser(platform::NativeFileSystem(), u"/");
    QCOMPARE(chooser.findChild<QWidget*>(QStringLiteral("LDirs"))->geometry(),
             QRect(24, 40, 257, 216));
  }

  void theDrawingIsKeptAndShownAtDeviceResolution() {
    TreeWindow window;
    ImageSurface& surface = window.Surface();
    QCOMPARE(surface.Image().devicePixelRatio(), 2.0);
    QCOMPARE(surface.Image().size(), QSize(608, 404));
    QCOMPARE(surface.Size(), QSize(304, 202));

    const QColor background = window.palette().color(QPalette::Button);
    ImageSurface reference(QSize(304, 202), background, {}, 1.0);
    for (ImageSurface* drawing : {&surface, &reference}) {
      drawing->SetForeColor(surface.ForeColor());
      drawing->SetFillColor(surface.FillColor());
      drawing->SetFont(window.Surface().Font());
      drawing->Box(10, 29, 31, 43, kGrey);
      drawing->Line(20.5f, 43, 20.5f, 95.4f, kGrey);
      drawing->Line(20.5f, 95.4f, 28, 95.4f, kGrey);
      drawing->Box(30, 88.4f, 51, 102.4f, kGrey);
    }
    // Boxes and connectors cover the same logical pixels as at a ratio of 1, each pixel a
    // 2 × 2 block: the tree keeps its proportions.
    QCOMPARE(DifferingPixels(surface.Image().convertToFormat(QImage::Format_ARGB32),
                             Enlarged(reference.Image(), 2)),
             0);

    // A name is measured in logical pixels but drawn with the device's finer pixels.
    for (ImageSurface* drawing : {&surface, &reference}) {
      drawing->SetCurrentX(35);
      drawing->SetCurrentY(29);
      drawing->Print(u"Projectes");
    }
    QCOMPARE(surface.CurrentX(), reference.CurrentX());
    const QRect row(34, 27, 80, 18);
    const QRect deviceRow(row.topLeft() * 2, row.size() * 2);
    QCOMPARE(MixedBlocks(Enlarged(reference.Image(), 2), deviceRow, background.rgb()), 0);
    QVERIFY(MixedBlocks(surface.Image(), deviceRow, background.rgb()) > 0);
    const QRect ink = testing::ExtentOf(surface.Image(), qRgb(0, 0, 128), surface.Image().rect());
    QVERIFY(!ink.isNull() && deviceRow.contains(ink));

    // The window shows the image device pixel for device pixel, below its button strip.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QRect below(0, 50, 608, 354);
    QCOMPARE(DifferingPixels(shown.copy(below),
                             surface.Image().copy(below).convertToFormat(QImage::Format_ARGB32)),
             0);
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
