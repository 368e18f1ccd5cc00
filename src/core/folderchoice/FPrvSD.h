// The folder chooser: the start-up window where the user picks the folder whose tree is drawn,
// from the directory list or from the recent folders kept in Recents.txt.
#pragma once

#include <cstdint>

#include "core/treeview/FKvel.h"
#include "core/treeview/UKvel.h"
#include "core/views/ChooserView.h"
#include "platform/Platform.h"

namespace tavelin::core {

class FPrvSD {
 public:
  FPrvSD(ChooserView& view, const platform::FileSystem& fileSystem, platform::Launcher& launcher,
         UKvel& tree, FKvel& treeWindow);

  // Events.
  void Form_Load();
  void Form_Unload();
  void BtOk_Click();
  void LDirs_KeyDown(std::int16_t keyCode);
  void LDirs_Change();
  void LstR_Click();
  void LstR_KeyDown(std::int16_t keyCode);
  void OpInfo_Click();

 private:
  ChooserView& view_;
  const platform::FileSystem& fileSystem_;
  platform::Launcher& launcher_;
  UKvel& tree_;
  FKvel& treeWindow_;
  // A recents file that is there but could not be read is not overwritten with a list that
  // lacks its folders.
  bool keepRecentsFile_ = false;
};

}  // namespace tavelin::core
