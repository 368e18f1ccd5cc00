#include "app/Program.h"

namespace tavelin::app {

Program::Program(const platform::FileSystem& fileSystem, platform::Launcher& launcher,
                 core::MessageView& messages, const core::Screen& screen)
    : fScroll_(companion_, treeWindow_, screen),
      fKvel_(treeWindow_, fScroll_, layout_, launcher, messages),
      uKvel_(layout_, fileSystem, messages, fKvel_, fScroll_, screen),
      chooser_(fileSystem),
      fPrvSD_(chooser_, fileSystem, launcher, uKvel_, fKvel_) {
  // The hosts forward their windows' events to handlers that need the hosts themselves.
  treeWindow_.Attach(fKvel_);
  companion_.Attach(fScroll_);
  chooser_.Attach(fPrvSD_);
}

}  // namespace tavelin::app
