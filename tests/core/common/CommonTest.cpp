#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Requests.h"
#include "core/common/Externs.h"
#include "core/common/UFtx.h"
#include "fakes/FakeViews.h"

namespace tavelin::core {
namespace {

using platform::ProgramKind;
using platform::WindowState;

TEST(UFtx, SplitsAtTheLastSeparatorAndCutsTheTail) {
  const std::u16string longName(300, u'n');
  struct Case {
    std::u16string path;
    char16_t separator;
    std::u16string head, tail;
  };
  const Case cases[] = {
      {u"C:\\Dir\\Sub", u'\\', u"C:\\Dir", u"Sub"},
      {u"C:\\Dir\\", u'\\', u"C:\\Dir", u""},
      {u"C:\\", u'\\', u"C:", u""},
      {u"Sub", u'\\', u"", u"Sub"},
      {u"\\Sub", u'\\', u"", u"Sub"},
      {u"C:\\Dir\\\\Sub", u'\\', u"C:\\Dir\\", u"Sub"},
      {u"", u'\\', u"", u""},
      {u"C:/Dir/Sub", u'\\', u"", u"C:/Dir/Sub"},
      {u"/home/anna/Fotos", u'/', u"/home/anna", u"Fotos"},
      {u"/", u'/', u"", u""},
      {u"C:\\" + longName, u'\\', u"C:", std::u16string(255, u'n')},
      {longName, u'\\', u"", longName},  // without a separator the whole path, however long
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    std::u16string head = u"old head", tail = u"old tail";
    UFtx::SplitPath(c.path, head, tail, c.separator);
    EXPECT_EQ(head, c.head);
    EXPECT_EQ(tail, c.tail);
    EXPECT_EQ(UFtx::LastPathPart(c.path, c.separator), c.tail);
  }
  EXPECT_EQ(UFtx::LastPathPart(u"a" + std::u16string(1, platform::kNativeSeparator) + u"b"), u"b");
}

// cmd.exe first, command.com once when that cannot be started, both hidden with the line as is.
TEST(RunCommand, TriesCmdThenCommandComWithTheLineUnchanged) {
  struct Case {
    std::u16string line;
    std::vector<std::u16string> failing;
  };
  const Case cases[] = {{u"Tavelin.pdf", {}},
                        {u"", {}},
                        {u"C:\\Dir amb blancs\\doc.txt  /x \"y\"", {u"cmd.exe"}},
                        {u"a b", {u"cmd.exe", u"command.com"}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    fakes::FakeLauncher launcher;
    launcher.failing = c.failing;
    std::vector<Request> expected = {{u"cmd.exe /c " + c.line, ProgramKind::Interpreter, u"cmd.exe",
                                      c.line, WindowState::Hidden}};
    if (!c.failing.empty()) {
      expected.push_back({u"command.com /c " + c.line, ProgramKind::Interpreter, u"command.com",
                          c.line, WindowState::Hidden});
    }
    if (c.failing.size() == 2) {
      EXPECT_THROW(Externs::RunCommand(c.line, launcher), platform::StartError);
    } else {
      EXPECT_NO_THROW(Externs::RunCommand(c.line, launcher));
    }
    EXPECT_EQ(AllFields(launcher.started), expected);
  }
}

}  // namespace
}  // namespace tavelin::core
