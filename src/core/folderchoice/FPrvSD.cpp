#include "core/folderchoice/FPrvSD.h"

#include <string>

#include "core/common/Externs.h"
#include "core/folderchoice/Ctrls.h"

namespace tavelin::core {

namespace {

// Bare names: both lie in the working directory, which the program never changes.
constexpr auto kRecentsFile = u"Recents.txt";
constexpr auto kHelpDocument = u"Tavelin.pdf";

}  // namespace

FPrvSD::FPrvSD(ChooserView& view, const platform::FileSystem& fileSystem,
               platform::Launcher& launcher, UKvel& tree, FKvel& treeWindow)
    : view_(view),
      fileSystem_(fileSystem),
      launcher_(launcher),
      tree_(tree),
      treeWindow_(treeWindow) {}

void FPrvSD::Form_Load() {
  try {
    Ctrls::LoadListFromFile(kRecentsFile, view_.LstR(), fileSystem_);
  } catch (const platform::SystemError&) {
    keepRecentsFile_ = true;
  }
}

void FPrvSD::Form_Unload() {
  if (keepRecentsFile_) return;
  try {
    Ctrls::SaveListToFile(view_.LstR(), kRecentsFile, fileSystem_);
  } catch (const platform::SystemError&) {
    // The window closes whatever happens; the file that was there stays as it was.
  }
}

void FPrvSD::BtOk_Click() {
  const std::u16string path = view_.LDirs().Path();
  ComboBox& recents = view_.LstR();
  if (Ctrls::FindListItem(path, recents) == -1) recents.AddItem(path);
  tree_.ShowTree(path);
}

void FPrvSD::LDirs_KeyDown(std::int16_t keyCode) {
  if (keyCode == kKeyReturn) BtOk_Click();
}

void FPrvSD::LDirs_Change() {
  treeWindow_.Unload();
}

void FPrvSD::LstR_Click() {
  // A folder that is gone keeps the list where it was and the focus on the entry, which the
  // user can then delete.
  DirectoryList& dirs = view_.LDirs();
  if (!dirs.SetPath(view_.LstR().Text())) return;
  dirs.SetFocus();
}

void FPrvSD::LstR_KeyDown(std::int16_t keyCode) {
  ComboBox& recents = view_.LstR();
  const int index = recents.ListIndex();
  if (keyCode == kKeyDelete && index >= 0) recents.RemoveItem(index);
}

void FPrvSD::OpInfo_Click() {
  try {
    Externs::RunCommand(kHelpDocument, launcher_);
  } catch (const platform::StartError&) {
    // No interpreter at all: the help stays closed and the chooser usable.
  }
}

}  // namespace tavelin::core
