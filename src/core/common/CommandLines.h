// Command lines as the system builds them: a program literal, one blank, the argument, never
// quoted. Each request also says which program the line names, so that POSIX can start it
// without a shell.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace tavelin::core {

// "<program> <argument>": a program named without a folder.
platform::StartRequest NamedProgram(const std::u16string& program, const std::u16string& argument,
                                    platform::WindowState state);

// The file itself started as a program; the command line is its path alone.
platform::StartRequest FileAsProgram(const std::u16string& file, platform::WindowState state);

// "<interpreter> /c <commandLine>": the command interpreter running a command line.
platform::StartRequest ThroughInterpreter(const std::u16string& interpreter,
                                          const std::u16string& commandLine,
                                          platform::WindowState state);

}  // namespace tavelin::core
