// A stand-in program for the launcher tests. It writes down how it was started, as UTF-16 in a
// file named after itself with ".started" added, and ends.
#include <windows.h>

#include <string>

namespace {

std::wstring OwnPath() {
  std::wstring path(32768, L'\0');
  path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path;
}

std::wstring Record() {
  STARTUPINFOW startup{};
  ::GetStartupInfoW(&startup);
  DWORD processes[8];
  const DWORD consoleProcesses = ::GetConsoleProcessList(processes, 8);
  std::wstring record = L"program: " + OwnPath() + L'\n';
  record += L"command line: " + std::wstring(::GetCommandLineW()) + L'\n';
  record += L"show: ";
  record += (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? std::to_wstring(startup.wShowWindow)
                                                          : L"default";
  record += L"\nconsole processes: " + std::to_wstring(consoleProcesses) + L'\n';
  record += L"console window: ";
  record += ::GetConsoleWindow() != nullptr ? L"yes\n" : L"no\n";
  return record;
}

}  // namespace

int main() {
  const std::wstring record = Record();
  const std::wstring proof = OwnPath() + L".started";
  const std::wstring part = proof + L".part";
  // Written aside and renamed, so that the test never reads half a record.
  const HANDLE file = ::CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(record.size() * sizeof(wchar_t));
  const BOOL ok = ::WriteFile(file, record.data(), size, &written, nullptr);
  ::CloseHandle(file);
  if (!ok || written != size) return 1;
  return ::MoveFileExW(part.c_str(), proof.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
