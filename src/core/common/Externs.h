// Handing a command line to the system's command interpreter.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace tavelin::core::Externs {

// Starts "cmd.exe /c <commandLine>" hidden, without waiting; when that interpreter cannot be
// started, "command.com /c <commandLine>" once, also hidden. Throws platform::StartError when
// the second one cannot be started either.
void RunCommand(const std::u16string& commandLine, platform::Launcher& launcher);

}  // namespace tavelin::core::Externs
