#include "platform/windows/WindowsLauncher.h"

#include <string>
#include <vector>

#include "platform/windows/Failures.h"
#include "platform/windows/NativeNames.h"
#include "platform/windows/Win32.h"

// Only after <windows.h>, which it builds on.
#include <shellapi.h>

namespace tavelin::platform {

namespace {

// Windows' code for a program whose manifest asks to run as administrator; MinGW-w64's headers
// leave it out.
constexpr DWORD kElevationRequired = 740;

// Calls that answer the length of a path, or the size they need when the buffer is too small.
template <typename Call>
std::wstring PathFrom(Call call) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const UINT length = call(path.data(), static_cast<UINT>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(length);
  }
}

std::wstring ProgramFolder() {
  std::wstring self(32768, L'\0');
  self.resize(::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  return self.substr(0, self.rfind(L'\\'));
}

std::wstring WindowsFolder() {
  return PathFrom([](wchar_t* buffer, UINT size) { return ::GetWindowsDirectoryW(buffer, size); });
}

// A drive's root or a network share: anything else would be read against the working directory.
bool IsAbsolute(const std::wstring& folder) {
  return folder.starts_with(L"\\\\") ||
         (folder.size() >= 3 && folder[1] == L':' && (folder[2] == L'\\' || folder[2] == L'/'));
}

std::vector<std::wstring> SearchFolders() {
  std::vector<std::wstring> folders{ProgramFolder(), SystemFolder(), WindowsFolder() + L"\\System",
                                    WindowsFolder()};
  const DWORD size = ::GetEnvironmentVariableW(L"PATH", nullptr, 0);
  std::wstring path(size, L'\0');
  path.resize(::GetEnvironmentVariableW(L"PATH", path.data(), size));
  for (std::size_t start = 0; start <= path.size();) {
    std::size_t end = path.find(L';', start);
    if (end == std::wstring::npos) end = path.size();
    std::wstring folder = path.substr(start, end - start);
    if (folder.size() >= 2 && folder.front() == L'"' && folder.back() == L'"')
      folder = folder.substr(1, folder.size() - 2);
    if (IsAbsolute(folder)) folders.push_back(std::move(folder));
    start = end + 1;
  }
  return folders;
}

bool IsFile(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool HasFolder(const std::u16string& program) {
  return program.find_first_of(u"\\/:") != std::u16string::npos;
}

// The program as the system is to be handed it, with its folder.
std::wstring ApplicationOf(const StartRequest& request) {
  const std::wstring program = Wide(request.program);
  if (request.kind == ProgramKind::Interpreter) return SystemFolder() + L'\\' + program;
  if (request.kind == ProgramKind::File || HasFolder(request.program)) return program;
  std::wstring found = FindProgram(program);
  if (found.empty()) Fail<StartError>(ERROR_FILE_NOT_FOUND, "Cannot find", request.program);
  return found;
}

// What follows the program in the command line: the shell takes the two apart.
std::wstring ParametersOf(const StartRequest& request) {
  std::u16string_view line = request.commandLine;
  if (line.starts_with(request.program)) line.remove_prefix(request.program.size());
  if (line.starts_with(u' ')) line.remove_prefix(1);
  return Wide(line);
}

unsigned long CreateProcessCall(const std::wstring& application, std::wstring& commandLine,
                                bool hidden, bool console) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = hidden ? SW_HIDE : SW_SHOWNORMAL;
  // The interpreter is a console program: hidden, it must not open a console window either.
  const DWORD creation = hidden && console ? CREATE_NO_WINDOW : 0;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, creation,
                        nullptr, nullptr, &startup, &process)) {
    return ::GetLastError();
  }
  // Not waited for and not tracked: the program runs on its own.
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return 0;
}

unsigned long ShellExecuteCall(const std::wstring& application, const std::wstring& parameters,
                               bool hidden) {
  SHELLEXECUTEINFOW start{};
  start.cbSize = sizeof start;
  // The failure is reported by Tavelin's own message, not by a box of the shell's.
  start.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  start.lpFile = application.c_str();
  start.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  start.nShow = hidden ? SW_HIDE : SW_SHOWNORMAL;
  return ::ShellExecuteExW(&start) ? 0 : ::GetLastError();
}

}  // namespace

std::wstring SystemFolder() {
  return PathFrom([](wchar_t* buffer, UINT size) { return ::GetSystemDirectoryW(buffer, size); });
}

std::wstring FindProgram(const std::wstring& name) {
  // As the system's own search does, a name without an extension is an ".exe".
  const std::wstring file = name.find(L'.') == std::wstring::npos ? name + L".exe" : name;
  for (const std::wstring& folder : SearchFolders()) {
    std::wstring candidate = folder;
    if (!candidate.ends_with(L'\\') && !candidate.ends_with(L'/')) candidate += L'\\';
    candidate += file;
    if (IsFile(candidate)) return candidate;
  }
  return {};
}

WindowsLauncher::WindowsLauncher() : starts_{&CreateProcessCall, &ShellExecuteCall} {}

void WindowsLauncher::Start(const StartRequest& request) {
  const std::wstring application = ApplicationOf(request);
  const bool hidden = request.windowState == WindowState::Hidden;
  // CreateProcessW may write into the command line it is given.
  std::wstring commandLine = Wide(request.commandLine);
  unsigned long code = starts_.createProcess(application, commandLine, hidden,
                                             request.kind == ProgramKind::Interpreter);
  // A program marked to run as administrator is still a program: the shell asks for consent,
  // as it does when the user starts it from a folder window.
  if (code == kElevationRequired)
    code = starts_.shellExecute(application, ParametersOf(request), hidden);
  if (code != 0) Fail<StartError>(code, "Cannot start", request.commandLine);
}

Launcher& NativeLauncher() {
  static WindowsLauncher launcher;
  return launcher;
}

}  // namespace tavelin::platform
