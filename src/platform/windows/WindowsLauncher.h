// Starts programs with CreateProcessW and the command line exactly as Tavelin built it.
#pragma once

#include "platform/Platform.h"

namespace tavelin::platform {

class WindowsLauncher final : public Launcher {
 public:
  void Start(const StartRequest& request) override;
};

}  // namespace tavelin::platform
