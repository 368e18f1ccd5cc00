// The real program's tree window on an X screen under a window manager: its outer frame, title
// bar and borders included, must have the height and place that the display pass computes. The
// frame is measured from outside, with the X utilities, not through Qt.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <optional>

#include "app/Program.h"
#include "fakes/FakeViews.h"
#include "gui/common/QtMessageView.h"
#include "gui/common/QtScreen.h"
#include "gui/common/TextConversion.h"
#include "platform/Platform.h"

namespace tavelin::app {

namespace {

constexpr int kScreenHeight = 768;
constexpr int kLoadWidth = 304;
constexpr double kMargin = 200.0 / 15;

// The window's own area in screen coordinates and _NET_FRAME_EXTENTS, as X reports them.
struct Framed {
  QRect client;
  QMargins frame;
  int Left() const { return client.x() - frame.left(); }
  int Top() const { return client.y() - frame.top(); }
  int Height() const { return client.height() + frame.top() + frame.bottom(); }
};

// Empty when the window manager has not framed the window yet.
std::optional<Framed> Measure(const QWidget& window) {
  QProcess x;
  x.start(QStringLiteral("sh"),
          {QStringLiteral("-c"),
           QStringLiteral("xwininfo -id %1; xprop -id %1 _NET_FRAME_EXTENTS").arg(window.winId())});
  x.waitForFinished(5000);
  const auto m = QRegularExpression(QStringLiteral("Absolute upper-left X: *(-?\\d+)\\s*"
                                                   "Absolute upper-left Y: *(-?\\d+).*?"
                                                   "Width: (\\d+)\\s*Height: (\\d+).*"
                                                   "= (\\d+), (\\d+), (\\d+), (\\d+)"),
                                    QRegularExpression::DotMatchesEverythingOption)
                     .match(QString::fromLocal8Bit(x.readAllStandardOutput()));
  const auto n = [&](int i) { return m.captured(i).toInt(); };
  if (!m.hasMatch()) return std::nullopt;
  return Framed{QRect(n(1), n(2), n(3), n(4)), QMargins(n(5), n(7), n(6), n(8))};
}

}  // namespace

class FramedPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1024, kScreenHeight));
    QVERIFY(QDir::setCurrent(root_.path()));
  }

  // A fitting tree widened by a long name; a tall tree cut by the folder-limit message. Each runs
  // twice: on a freshly loaded window, then on the loaded one.
  void PlacesTheOuterFrame_data() {
    QTest::addColumn<int>("subFolders");
    QTest::addColumn<QString>("firstName");
    QTest::newRow("41 folders, widened") << 40 << QString(60, u'W');
    QTest::newRow("56 folders, after the message") << 55 << QString();
  }

  void PlacesTheOuterFrame() {
    QFETCH(int, subFolders);
    QFETCH(QString, firstName);
    const QString folder = root_.filePath(QString::number(++trees_));
    QVERIFY(QDir().mkpath(folder));
    for (int i = 0; i < subFolders; ++i)
      QVERIFY(QDir(folder).mkdir(i == 0 && !firstName.isEmpty() ? firstName : QString::number(i)));

    fakes::FakeLauncher launcher;
    gui::QtMessageView messages;
    gui::QtScreen screen;
    Program program(platform::NativeFileSystem(), launcher, messages, screen);
    program.Chooser().show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.Chooser()));
    QVERIFY(program.Chooser().LDirs().SetPath(gui::ToU16String(folder)));

    for (int pass = 1; pass <= 2; ++pass) {
      // The message waits for its OK as it would for a user's, once it is on the screen.
      QStringList shown;
      QTimer answer;
      connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->windowHandle()->isExposed()) return;
        shown << box->text();
        box->button(QMessageBox::Ok)->click();
      });
      answer.start(50);
      QTest::mouseClick(program.Chooser().findChild<QPushButton*>(QStringLiteral("BtOk")),
                        Qt::LeftButton);
      answer.stop();
      QCOMPARE(shown, subFolders > 49 ? QStringList{QStringLiteral("Màxim  50 subcarpetes")}
                                      : QStringList{});

      const double maxRight = program.Layout().MaxRight;
      QCOMPARE(maxRight > kLoadWidth, !firstName.isEmpty());
      const double drawingWidth = maxRight > kLoadWidth ? maxRight + kMargin : kLoadWidth;
      const double drawingHeight = program.Layout().NextY + kMargin;
      gui::TreeWindowHost& host = program.TreeWindow();
      // The window manager carries the requests out on its own time, and Qt hears of them later.
      // The program reads the outer frame; nothing moved it sideways since it was centred.
      Framed tree;
      double top = 0;
      const auto near = [](double a, double b) { return std::abs(a - b) <= 1; };
      const auto settled = [&] {
        const auto measured = Measure(*host.Window());
        if (!measured || measured->frame.isNull()) return false;
        const QMargins f = (tree = *measured).frame;
        top = std::max(0.0, (kScreenHeight - drawingHeight - f.top() - f.bottom()) / 2);
        return near(tree.client.height(), drawingHeight) && near(tree.Top(), top) &&
               near(tree.client.width(), drawingWidth) &&
               near(tree.Left(), (1024 - kLoadWidth - f.left() - f.right()) / 2.0) &&
               near(host.Top() / 15, tree.Top()) && near(host.Left() / 15, tree.Left()) &&
               near(host.Height() / 15, tree.Height());
      };
      QVERIFY2(QTest::qWaitFor(settled, 3000),
               qPrintable(QStringLiteral("pass %1: client %2, frame top %3 (%4 wanted)")
                              .arg(pass)
                              .arg(QDebug::toString(tree.client))
                              .arg(tree.Top())
                              .arg(top)));

      // A tree as tall as the screen has the companion 600 twips to its left.
      QWidget* companion = program.Companion().Window();
      QCOMPARE(companion != nullptr, top == 0);
      if (companion == nullptr) continue;
      QVERIFY(QTest::qWaitFor(
          [&] {
            const auto beside = Measure(*companion);
            return beside && beside->Left() == tree.Left() - 40;
          },
          3000));
    }
  }

 private:
  QTemporaryDir root_;
  int trees_ = 0;
};

}  // namespace tavelin::app

QTEST_MAIN(tavelin::app::FramedPlacementTest)
#include "FramedPlacementTest.moc"
