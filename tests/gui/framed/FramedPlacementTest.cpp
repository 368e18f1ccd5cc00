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

#include "app/Program.h"
#include "fakes/FakeViews.h"
#include "gui/common/QtMessageView.h"
#include "gui/common/QtScreen.h"
#include "gui/common/TextConversion.h"
#include "platform/Platform.h"

namespace tavelin::app {

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kLoadWidth = 304;
constexpr double kMarginPixels = 200.0 / 15;
constexpr int kCompanionOffset = 40;  // 600 twips

// A window as the X server and the window manager see it.
struct Framed {
  QRect client;    // the window's own area, in screen coordinates
  QMargins frame;  // _NET_FRAME_EXTENTS: left, top, right, bottom
  bool valid = false;

  int OuterLeft() const { return client.x() - frame.left(); }
  int OuterTop() const { return client.y() - frame.top(); }
  int OuterHeight() const { return client.height() + frame.top() + frame.bottom(); }
};

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(5000) || process.exitCode() != 0) return {};
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

int Field(const QString& text, const QString& name) {
  const QRegularExpression pattern(QRegularExpression::escape(name) +
                                   QStringLiteral(":\\s*(-?\\d+)"));
  const QRegularExpressionMatch match = pattern.match(text);
  return match.hasMatch() ? match.captured(1).toInt() : INT_MIN;
}

Framed Measure(const QWidget& window) {
  const QString id = QStringLiteral("0x") + QString::number(window.winId(), 16);
  const QString info = Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
  const QString extents = Run(QStringLiteral("xprop"),
                              {QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")});
  const QRegularExpressionMatch numbers =
      QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)")).match(extents);
  Framed framed;
  framed.client =
      QRect(Field(info, QStringLiteral("Absolute upper-left X")),
            Field(info, QStringLiteral("Absolute upper-left Y")),
            Field(info, QStringLiteral("Width")), Field(info, QStringLiteral("Height")));
  if (!numbers.hasMatch() || framed.client.x() == INT_MIN || framed.client.y() == INT_MIN) {
    return framed;
  }
  framed.frame = QMargins(numbers.captured(1).toInt(), numbers.captured(3).toInt(),
                          numbers.captured(2).toInt(), numbers.captured(4).toInt());
  framed.valid = true;
  return framed;
}

// `subFolders` empty sub-folders, the first of them named `firstName` when it is given.
void MakeTree(const QString& root, int subFolders, const QString& firstName) {
  QVERIFY(QDir().mkpath(root));
  for (int i = 0; i < subFolders; ++i) {
    const QString name = i == 0 && !firstName.isEmpty()
                             ? firstName
                             : QStringLiteral("d%1").arg(i, 2, 10, QLatin1Char('0'));
    QVERIFY(QDir(root).mkdir(name));
  }
}

}  // namespace

class FramedPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QCOMPARE(QGuiApplication::primaryScreen()->geometry(),
             QRect(0, 0, kScreenWidth, kScreenHeight));
    QVERIFY(root_.isValid());
    previous_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root_.path()));
  }
  void cleanupTestCase() { QDir::setCurrent(previous_); }

  void PlacesTheOuterFrame_data() {
    QTest::addColumn<int>("subFolders");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<bool>("limitMessage");
    QTest::newRow("fitting tree, 41 folders") << 40 << QString() << false;
    QTest::newRow("fitting tree, widened by a long name") << 40 << QString(60, u'W') << false;
    QTest::newRow("tall tree, 50 folders") << 49 << QString() << false;
    QTest::newRow("tall tree, 56 folders, cut after the message") << 55 << QString() << true;
  }

  void PlacesTheOuterFrame() {
    QFETCH(int, subFolders);
    QFETCH(QString, firstName);
    QFETCH(bool, limitMessage);
    const QString folder = root_.filePath(QStringLiteral("arbre%1").arg(++trees_));
    MakeTree(folder, subFolders, firstName);
    if (QTest::currentTestFailed()) return;

    fakes::FakeLauncher launcher;
    gui::QtMessageView messages;
    gui::QtScreen screen;
    Program program(platform::NativeFileSystem(), launcher, messages, screen);
    program.Chooser().show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.Chooser()));
    QVERIFY(program.Chooser().LDirs().SetPath(gui::ToU16String(folder)));

    // The first pass loads the window; the second reuses it where the first left it.
    for (int pass = 1; pass <= 2; ++pass) {
      const QString where = QStringLiteral("pass %1").arg(pass);
      QStringList shown;
      // The message waits for its OK as it would for a user's, once it is on the screen.
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
      QCOMPARE(shown,
               limitMessage ? QStringList{QStringLiteral("Màxim  50 subcarpetes")} : QStringList{});

      QWidget* tree = program.TreeWindow().Window();
      QVERIFY(tree != nullptr);
      const double nextY = program.Layout().NextY;
      QCOMPARE(nextY, 29.0 + 16 * std::min(subFolders + 1, 50));
      const double drawingHeight = nextY + kMarginPixels;

      // The window manager carries the requests out on its own time, and Qt hears of them later.
      gui::TreeWindowHost& host = program.TreeWindow();
      Framed framed;
      double outerHeight = 0;
      double expectedTop = 0;
      const auto settled = [&] {
        framed = Measure(*tree);
        outerHeight = drawingHeight + framed.frame.top() + framed.frame.bottom();
        expectedTop = outerHeight < kScreenHeight ? (kScreenHeight - outerHeight) / 2 : 0;
        return framed.valid && std::abs(framed.client.height() - drawingHeight) <= 1 &&
               std::abs(framed.OuterTop() - expectedTop) <= 1 &&
               std::abs(host.Top() / 15 - framed.OuterTop()) <= 1;
      };
      const bool inPlace = QTest::qWaitFor(settled, 3000);
      const QString figures =
          QStringLiteral("%1: NextY %2, drawing %3 (%4), outer %5 (%6), frame top %7 (%8), left %9")
              .arg(where)
              .arg(nextY)
              .arg(framed.client.height())
              .arg(drawingHeight, 0, 'f', 1)
              .arg(framed.OuterHeight())
              .arg(outerHeight, 0, 'f', 1)
              .arg(framed.OuterTop())
              .arg(expectedTop, 0, 'f', 1)
              .arg(framed.OuterLeft()) +
          QStringLiteral("; the program reads left %1, top %2, height %3")
              .arg(host.Left() / 15)
              .arg(host.Top() / 15)
              .arg(host.Height() / 15);
      qInfo("%s", qPrintable(figures));
      QVERIFY2(inPlace, qPrintable(figures));
      QVERIFY2(!framed.frame.isNull(), qPrintable(where));
      // What the program reads is the outer frame too.
      QVERIFY2(std::abs(host.Left() / 15 - framed.OuterLeft()) <= 1, qPrintable(figures));
      QVERIFY2(std::abs(host.Height() / 15 - framed.OuterHeight()) <= 1, qPrintable(figures));
      // Nothing moves the window sideways after the centring of its load size, and only a tree
      // wider than that size widens it.
      const int loadWidth = kLoadWidth + framed.frame.left() + framed.frame.right();
      QVERIFY2(std::abs(framed.OuterLeft() - (kScreenWidth - loadWidth) / 2.0) <= 1,
               qPrintable(where));
      const double maxRight = program.Layout().MaxRight;
      QCOMPARE(maxRight > kLoadWidth, !firstName.isEmpty());
      const double drawingWidth = maxRight > kLoadWidth ? maxRight + kMarginPixels : kLoadWidth;
      const QString widths = QStringLiteral("%1: MaxRight %2, drawing width %3 (%4)")
                                 .arg(where)
                                 .arg(maxRight)
                                 .arg(framed.client.width())
                                 .arg(drawingWidth, 0, 'f', 1);
      qInfo("%s", qPrintable(widths));
      QVERIFY2(std::abs(framed.client.width() - drawingWidth) <= 1, qPrintable(widths));

      QWidget* companion = program.Companion().Window();
      if (outerHeight < kScreenHeight) {
        QVERIFY2(companion == nullptr, qPrintable(where));
        continue;
      }
      QVERIFY(companion != nullptr && companion->isVisible());
      Framed beside;
      const bool besideTree = QTest::qWaitFor(
          [&] {
            beside = Measure(*companion);
            return beside.valid && beside.OuterLeft() == framed.OuterLeft() - kCompanionOffset;
          },
          3000);
      qInfo("%s: companion left %d", qPrintable(where), beside.OuterLeft());
      QVERIFY2(besideTree, qPrintable(where));
    }
  }

 private:
  QTemporaryDir root_;
  QString previous_;
  int trees_ = 0;
};

}  // namespace tavelin::app

QTEST_MAIN(tavelin::app::FramedPlacementTest)
#include "FramedPlacementTest.moc"
