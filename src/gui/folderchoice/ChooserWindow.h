// The folder chooser window: a directory list, the recent folders and OK, with the menu entry
// "Info". Its events go to the chooser's logic once attached.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QPushButton>
#include <string>

#include "core/folderchoice/FPrvSD.h"
#include "core/views/ChooserView.h"
#include "platform/Platform.h"

namespace tavelin::gui {

class DirListWidget;
class SortedComboBox;

class ChooserWindow : public QMainWindow, public core::ChooserView {
  Q_OBJECT

 public:
  // The directory list starts at `startFolder`. The controls carry their names as object
  // names: LDirs, LstR, BtOk, Label1, Label2 and the menu action OpInfo.
  explicit ChooserWindow(const platform::FileSystem& fileSystem,
                         const std::u16string& startFolder = platform::WorkingDirectory(),
                         QWidget* parent = nullptr);

  // Sends the window's events to `form` from now on and runs its load step.
  void Attach(core::FPrvSD& form);

  core::DirectoryList& LDirs() override;
  core::ComboBox& LstR() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* info_;
  DirListWidget* dirs_;
  QPushButton* ok_;
  SortedComboBox* recents_;
  core::FPrvSD* form_ = nullptr;
};

}  // namespace tavelin::gui
