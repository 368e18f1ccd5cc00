// A stand-in program for the launcher tests. It writes down how it was started, as UTF-16 in a
// file named after itself with ".started" added, and ends.
#include <windows.h>

#include <string>

int main() {
  std::wstring self(32768, L'\0');
  self.resize(::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  STARTUPINFOW startup{};
  ::GetStartupInfoW(&startup);
  const std::wstring record =
      L"program: " + self + L"\ncommand line: " + ::GetCommandLineW() + L"\nshow: " +
      ((startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? std::to_wstring(startup.wShowWindow)
                                                     : L"default") +
      L"\n";
  // Unshared until it is closed, so that the test never reads half a record.
  const HANDLE file = ::CreateFileW((self + L".started").c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(record.size() * sizeof(wchar_t));
  const BOOL ok = ::WriteFile(file, record.data(), size, &written, nullptr);
  return ::CloseHandle(file) && ok && written == size ? 0 : 1;
}
