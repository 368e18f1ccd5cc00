// start_probe.exe, built beside the test executables, put where a test wants a program.
#pragma once

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "platform/TestFolders.h"

namespace tavelin::platform::testing {

inline std::wstring OwnFolder() {
  std::wstring self(32768, L'\0');
  self.resize(::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  return self.substr(0, self.rfind(L'\\'));
}

inline void InstallProbe(const std::wstring& as) {
  if (!::CopyFileW((OwnFolder() + L"\\start_probe.exe").c_str(), as.c_str(), FALSE))
    Fail(L"CopyFileW " + as);
}

// Stand-ins beside the test executable, taken away with their records after the test.
struct ProbesBeside {
  explicit ProbesBeside(const std::vector<std::wstring>& names) {
    for (const std::wstring& name : names)
      InstallProbe(paths.emplace_back(OwnFolder() + L'\\' + name));
  }
  ~ProbesBeside() {
    for (const std::wstring& path : paths) {
      ::DeleteFileW(path.c_str());
      ::DeleteFileW((path + L".started").c_str());
    }
  }
  std::vector<std::wstring> paths;
};

// How the stand-in at `program` was started (its record then removed); empty if it was not.
inline std::wstring StartOf(const std::wstring& program) {
  const std::wstring proof = program + L".started";
  // Until the stand-in has closed it, the record cannot be opened unshared.
  for (int attempt = 0;; ++attempt) {
    const HANDLE whole =
        ::CreateFileW(proof.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (whole != INVALID_HANDLE_VALUE && ::CloseHandle(whole)) break;
    if (attempt == 500) return {};
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  const std::string bytes = ReadBytes(proof);
  ::DeleteFileW(proof.c_str());
  return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
}

inline std::wstring ShownWith(const std::wstring& program, const std::wstring& commandLine) {
  return L"program: " + program + L"\ncommand line: " + commandLine + L"\nshow: 1\n";
}

}  // namespace tavelin::platform::testing
