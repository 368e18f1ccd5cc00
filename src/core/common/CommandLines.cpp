#include "core/common/CommandLines.h"

namespace tavelin::core {

using platform::ProgramKind;
using platform::StartRequest;

StartRequest NamedProgram(const std::u16string& program, const std::u16string& argument,
                          platform::WindowState state) {
  return {program + u' ' + argument, ProgramKind::Named, program, argument, state};
}

StartRequest FileAsProgram(const std::u16string& file, platform::WindowState state) {
  return {file, ProgramKind::File, file, {}, state};
}

StartRequest ThroughInterpreter(const std::u16string& interpreter,
                                const std::u16string& commandLine, platform::WindowState state) {
  return {interpreter + u" /c " + commandLine, ProgramKind::Interpreter, interpreter, commandLine,
          state};
}

}  // namespace tavelin::core
