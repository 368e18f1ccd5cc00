#include "core/common/Externs.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/FakeViews.h"

namespace tavelin::core {
namespace {

using platform::ProgramKind;
using platform::WindowState;

TEST(RunCommand, HandsTheLineUnchangedToCmdHidden) {
  const std::u16string lines[] = {u"Tavelin.pdf", u"", u"C:\\Dir amb blancs\\doc.txt  /x \"y\""};
  for (const auto& line : lines) {
    fakes::FakeLauncher launcher;
    Externs::RunCommand(line, launcher);
    ASSERT_EQ(launcher.started.size(), 1u);
    const auto& request = launcher.started[0];
    EXPECT_EQ(request.commandLine, u"cmd.exe /c " + line);
    EXPECT_EQ(request.kind, ProgramKind::Interpreter);
    EXPECT_EQ(request.program, u"cmd.exe");
    EXPECT_EQ(request.argument, line);
    EXPECT_EQ(request.windowState, WindowState::Hidden);
  }
}

TEST(RunCommand, FallsBackOnceToCommandCom) {
  fakes::FakeLauncher launcher;
  launcher.failing = {u"cmd.exe"};
  Externs::RunCommand(u"Tavelin.pdf", launcher);
  ASSERT_EQ(launcher.started.size(), 2u);
  EXPECT_EQ(launcher.started[0].commandLine, u"cmd.exe /c Tavelin.pdf");
  EXPECT_EQ(launcher.started[1].commandLine, u"command.com /c Tavelin.pdf");
  EXPECT_EQ(launcher.started[1].program, u"command.com");
  EXPECT_EQ(launcher.started[1].kind, ProgramKind::Interpreter);
  EXPECT_EQ(launcher.started[1].windowState, WindowState::Hidden);
}

TEST(RunCommand, PassesOnTheSecondFailureAfterTwoAttempts) {
  fakes::FakeLauncher launcher;
  launcher.failing = {u"cmd.exe", u"command.com"};
  EXPECT_THROW(Externs::RunCommand(u"a b", launcher), platform::StartError);
  ASSERT_EQ(launcher.started.size(), 2u);
  EXPECT_EQ(launcher.started[1].commandLine, u"command.com /c a b");
}

}  // namespace
}  // namespace tavelin::core
