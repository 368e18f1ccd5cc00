// The version resource of tavelin.exe, as Explorer reads it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavelin::win32 {
namespace {

// The program the build made, found from this test's own folder.
std::wstring BuiltProgram() {
  std::wstring self(32768, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  return self.substr(0, self.rfind(L'\\') + 1) + TAVELIN_PROGRAM_FROM_TESTS;
}

std::wstring Dotted(DWORD high, DWORD low) {
  return std::to_wstring(HIWORD(high)) + L'.' + std::to_wstring(LOWORD(high)) + L'.' +
         std::to_wstring(HIWORD(low)) + L'.' + std::to_wstring(LOWORD(low));
}

TEST(ReleaseTest, VersionResourceIsTheProjectVersion) {
  const std::wstring program = BuiltProgram();
  DWORD unused = 0;
  std::vector<char> info(GetFileVersionInfoSizeW(program.c_str(), &unused));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(
      GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));

  for (const wchar_t* name : {L"FileVersion", L"ProductVersion"}) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040304B0\\") + name;
    ASSERT_TRUE(VerQueryValueW(info.data(), key.c_str(), &value, &length)) << name;
    EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(value)), TAVELIN_VERSION) << name;
  }
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", &value, &length));
  const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(Dotted(fixed.dwFileVersionMS, fixed.dwFileVersionLS), TAVELIN_VERSION L".0");
  EXPECT_EQ(Dotted(fixed.dwProductVersionMS, fixed.dwProductVersionLS), TAVELIN_VERSION L".0");
}

}  // namespace
}  // namespace tavelin::win32
