#include "core/common/Externs.h"

#include "core/common/CommandLines.h"

namespace tavelin::core::Externs {

void RunCommand(const std::u16string& commandLine, platform::Launcher& launcher) {
  using platform::WindowState;
  try {
    launcher.Start(ThroughInterpreter(u"cmd.exe", commandLine, WindowState::Hidden));
  } catch (const platform::StartError&) {
    launcher.Start(ThroughInterpreter(u"command.com", commandLine, WindowState::Hidden));
  }
}

}  // namespace tavelin::core::Externs
