#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "gui/common/BusyCursor.h"
#include "gui/common/QtMessageView.h"

namespace tavelin::gui {

class CommonTest : public QObject {
  Q_OBJECT

 private slots:
  void MessageBoxShowsPlainTextWithOkOnlyAndAnArrowOverABusyCursor() {
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
};

}  // namespace tavelin::gui

QTEST_MAIN(tavelin::gui::CommonTest)
#include "CommonTest.moc"
