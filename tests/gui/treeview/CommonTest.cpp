#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSet>
#include <QTimer>
#include <QtTest>

#include "gui/common/AppIcon.h"
#include "gui/common/BusyCursor.h"
#include "gui/common/QtMessageView.h"
#include "gui/common/TextConversion.h"
#include "gui/treeview/ButtonPictures.h"

namespace tavelin::gui {

namespace {

// The opaque colours of a picture outside the classic 16-colour palette.
QSet<QRgb> ColoursOutsidePalette(const QImage& image) {
  static const QSet<QRgb> kPalette = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                      0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                      0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  QSet<QRgb> outside;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (qAlpha(pixel) != 0 && !kPalette.contains(pixel & 0xFFFFFF)) outside.insert(pixel);
    }
  }
  return outside;
}

}  // namespace

class CommonTest : public QObject {
  Q_OBJECT

 private slots:
  void TextCrossesUnchangedBothWays() {
    // An accented letter, a surrogate pair and a NUL keep every UTF-16 unit.
    using namespace std::string_literals;
    const std::u16string text = u"Màxim  50 \U0001F4C1 a\0b"s;
    const QString converted = ToQString(text);
    QCOMPARE(converted.size(), static_cast<qsizetype>(text.size()));
    QCOMPARE(converted.at(1), QChar(0x00E0));
    QVERIFY(converted.at(10).isHighSurrogate());
    QCOMPARE(ToU16String(converted), text);
    QCOMPARE(ToU16String(QString()), std::u16string());
  }

  void MessageBoxShowsTheTextWithOkOnlyAndAnArrowOverABusyCursor() {
    QMessageBox* box = nullptr;
    QString title, text;
    Qt::CursorShape cursorWhileShown = Qt::BlankCursor;
    QTimer::singleShot(0, [&] {
      box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      title = box->windowTitle();
      text = box->text();
      QCOMPARE(box->icon(), QMessageBox::NoIcon);
      QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
      QCOMPARE(box->windowModality(), Qt::ApplicationModal);
      QCOMPARE(box->textFormat(), Qt::PlainText);
      cursorWhileShown = QGuiApplication::overrideCursor()->shape();
      box->button(QMessageBox::Ok)->click();
    });
    {
      BusyCursor busy;
      QtMessageView().ShowMessage(u"Màxim  50 <b>subcarpetes</b>");
      // Back to the wait cursor for the rest of the long work.
      QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QVERIFY(box != nullptr);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(title, QStringLiteral("Tavelin"));
    QCOMPARE(text, QStringLiteral("Màxim  50 <b>subcarpetes</b>"));
    QCOMPARE(cursorWhileShown, Qt::ArrowCursor);

    // Without long work going on, no cursor is imposed.
    bool overridden = true;
    QTimer::singleShot(0, [&] {
      overridden = QGuiApplication::overrideCursor() != nullptr;
      QApplication::activeModalWidget()->close();
    });
    QtMessageView().ShowMessage(u"No és un executable");
    QVERIFY(!overridden);
  }

  void PicturesKeepTheirSizesAndColourDepths() {
    const QList<QSize> sizes = {{13, 15}, {13, 15}, {13, 15}, {15, 17}, {13, 15}};
    for (int i = 0; i < 5; ++i) {
      const QImage picture = ButtonPicture(i).toImage();
      QCOMPARE(picture.size(), sizes[i]);
      // Bt(2)'s ring is the true-colour one.
      if (i != 2) QCOMPARE(ColoursOutsidePalette(picture), QSet<QRgb>());
    }
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, ButtonPicture(5));

    const QImage icon = TavelinIcon().pixmap(32, 32).toImage();
    QCOMPARE(icon.size(), QSize(32, 32));
    QCOMPARE(ColoursOutsidePalette(icon), QSet<QRgb>());
    QCOMPARE(qAlpha(icon.pixel(31, 31)), 0);
    QCOMPARE(qAlpha(icon.pixel(0, 31)), 0);
  }
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::CommonTest)
#include "CommonTest.moc"
