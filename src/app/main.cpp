// Tavelin: builds the application, wires the windows and opens the folder chooser.
#include <QApplication>

#include "app/Program.h"
#include "gui/common/AppIcon.h"
#include "gui/common/QtMessageView.h"
#include "gui/common/QtScreen.h"
#include "platform/Platform.h"

int main(int argc, char* argv[]) {
  using namespace tavelin;

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavelin"));
  QApplication::setWindowIcon(gui::TavelinIcon());

  gui::QtMessageView messages;
  gui::QtScreen screen;
  app::Program program(platform::NativeFileSystem(), platform::NativeLauncher(), messages, screen);
  program.Chooser().show();

  // The program ends when its last window has closed: a tree window outlives the chooser.
  return QApplication::exec();
}
