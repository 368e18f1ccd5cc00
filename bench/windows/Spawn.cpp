#include <windows.h>

#include <stdexcept>

#include "Clock.h"
#include "Spawn.h"
#include "platform/windows/NativeNames.h"
#include "platform/windows/UniqueHandle.h"

namespace tavelin::bench {

namespace {

std::wstring ToWide(const std::string& text) {
  return platform::Wide(platform::FromUtf8(text));
}

// One argument as the C runtime splits a command line: quoted, with the backslashes that come
// before a quote doubled.
void AppendQuoted(std::wstring& line, const std::wstring& argument) {
  line += L'"';
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(backslashes * 2, L'\\');
  line += L'"';
}

// Runs `argv`, its first element the program's full path, in `folder` (the bench's own when
// empty), and returns what it wrote on its output; throws when it cannot start or fails.
std::string Capture(const std::vector<std::string>& argv, const std::string& folder) {
  std::wstring line;
  for (const std::string& argument : argv) {
    if (!line.empty()) line += L' ';
    AppendQuoted(line, ToWide(argument));
  }
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) throw std::runtime_error("no pipe");
  const platform::UniqueHandle reader(readEnd);
  platform::UniqueHandle writer(writeEnd);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  const std::wstring program = ToWide(argv[0]);
  const std::wstring workingFolder = ToWide(folder);
  if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                      folder.empty() ? nullptr : workingFolder.c_str(), &startup, &process)) {
    throw std::runtime_error("cannot start " + argv[0]);
  }
  const platform::UniqueHandle processHandle(process.hProcess);
  const platform::UniqueHandle thread(process.hThread);
  // The child has its own copy of the write end.
  writer.Release();
  // Read as it comes, so that a full pipe never stops the child; a child that never ends is
  // ended after a while rather than holding the bench up for good.
  const std::int64_t deadline = MonotonicNs() + std::int64_t{600} * 1'000'000'000;
  std::string output;
  char chunk[4096];
  for (;;) {
    const bool ended = WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0;
    for (DWORD available = 0;
         PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0;) {
      DWORD read = 0;
      if (!ReadFile(readEnd, chunk, sizeof chunk, &read, nullptr) || read == 0) break;
      output.append(chunk, read);
    }
    if (ended) break;
    if (MonotonicNs() > deadline) {
      TerminateProcess(process.hProcess, 1);
      throw std::runtime_error(argv[0] + " did not end");
    }
  }
  DWORD status = 1;
  GetExitCodeProcess(process.hProcess, &status);
  if (status != 0) throw std::runtime_error(argv[0] + " failed");
  return output;
}

}  // namespace

std::int64_t TimeToFirstPaint(const std::string& program, const std::string& folder) {
  const std::int64_t start = MonotonicNs();
  const std::string stamp = Capture({program}, folder);
  try {
    return std::stoll(stamp) - start;
  } catch (const std::logic_error&) {
    throw std::runtime_error(program + " reported no first paint");
  }
}

std::string OutputOf(const std::vector<std::string>& argv) {
  return Capture(argv, {});
}

}  // namespace tavelin::bench
