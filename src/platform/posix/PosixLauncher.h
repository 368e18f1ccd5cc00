// Starts programs without a shell: a program and at most one argument, never a command line that
// something would parse, so blanks, quotes and `;` in a path stay part of the path.
#pragma once

#include "platform/Platform.h"

namespace tavelin::platform {

class PosixLauncher final : public Launcher {
 public:
  void Start(const StartRequest& request) override;
};

}  // namespace tavelin::platform
