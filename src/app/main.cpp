// Tavelin: builds the application, wires the windows to their logic and opens the folder
// chooser. Every object here lives for the whole run, as each window has one instance.
#include <QApplication>

#include "core/folderchoice/FPrvSD.h"
#include "core/treeview/FKvel.h"
#include "core/treeview/FScroll.h"
#include "core/treeview/TreeLayoutState.h"
#include "core/treeview/UKvel.h"
#include "gui/common/AppIcon.h"
#include "gui/common/QtMessageView.h"
#include "gui/common/QtScreen.h"
#include "gui/folderchoice/ChooserWindow.h"
#include "gui/treeview/ScrollCompanionHost.h"
#include "gui/treeview/TreeWindowHost.h"
#include "platform/Platform.h"

int main(int argc, char* argv[]) {
  using namespace tavelin;

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavelin"));
  QApplication::setWindowIcon(gui::TavelinIcon());

  const platform::FileSystem& fileSystem = platform::NativeFileSystem();
  platform::Launcher& launcher = platform::NativeLauncher();
  gui::QtMessageView messages;
  gui::QtScreen screen;

  core::TreeLayoutState layout;
  gui::TreeWindowHost treeWindow;
  gui::ScrollCompanionHost companion;
  core::FScroll fScroll(companion, treeWindow, screen);
  core::FKvel fKvel(treeWindow, fScroll, layout, launcher, messages);
  core::UKvel uKvel(layout, fileSystem, messages, fKvel, fScroll, screen);
  treeWindow.Attach(fKvel);
  companion.Attach(fScroll);

  gui::ChooserWindow chooser(fileSystem);
  core::FPrvSD fPrvSD(chooser, fileSystem, launcher, uKvel, fKvel);
  chooser.Attach(fPrvSD);
  chooser.show();

  // The program ends when its last window has closed: a tree window outlives the chooser.
  return QApplication::exec();
}
