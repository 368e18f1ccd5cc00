// tavelin.exe as a user runs it: copied alone into a folder of its own and started there.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "pictures/TavelinIcon.xpm"
#include "win32/common/Handles.h"
#include "win32/common/Xpm.h"

namespace tavelin::win32 {
namespace {

std::wstring FullPath(const std::wstring& path) {
  std::wstring full(32768, L'\0');
  full.resize(
      GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
  return full;
}

// The program the build made, found from this test's own folder.
std::wstring BuiltProgram() {
  std::wstring self(32768, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  return FullPath(self.substr(0, self.rfind(L'\\') + 1) + TAVELIN_PROGRAM_FROM_TESTS);
}

std::string ReadBytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

// The top-level window of `process` of the class, visible, once it is there.
HWND WaitForWindow(DWORD process, const wchar_t* className) {
  struct Search {
    DWORD process;
    const wchar_t* className;
    HWND found;
  } search{process, className, nullptr};
  for (int attempt = 0; attempt < 200 && search.found == nullptr; ++attempt) {
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          auto& s = *reinterpret_cast<Search*>(data);
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          wchar_t name[64] = {};
          GetClassNameW(window, name, 64);
          if (owner != s.process || wcscmp(name, s.className) != 0 || !IsWindowVisible(window))
            return TRUE;
          s.found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return search.found;
}

class ProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ =
        FullPath(std::wstring(temp) + L"tavelin-program-" + std::to_wstring(GetCurrentProcessId()));
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
    program_ = folder_ + L"\\tavelin.exe";
    ASSERT_TRUE(CopyFileW(BuiltProgram().c_str(), program_.c_str(), FALSE)) << GetLastError();
  }
  void TearDown() override {
    if (process_.hProcess != nullptr) {
      if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(process_.hProcess, 1);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
    DeleteFileW(Recents().c_str());
    DeleteFileW(program_.c_str());
    RemoveDirectoryW(folder_.c_str());
  }

  std::wstring Recents() const { return folder_ + L"\\Recents.txt"; }
  void WriteRecents(const std::string& bytes) const {
    std::ofstream(std::filesystem::path(Recents()), std::ios::binary) << bytes;
  }

  // Started in its folder, the chooser up.
  HWND Start() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"tavelin.exe";
    EXPECT_TRUE(CreateProcessW(program_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, folder_.c_str(), &startup, &process_));
    return WaitForWindow(process_.dwProcessId, L"TavelinFPrvSD");
  }
  bool Ended(DWORD milliseconds) const {
    return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
  }

  std::wstring folder_;
  std::wstring program_;
  PROCESS_INFORMATION process_{};
};

TEST_F(ProgramTest, EndsWithItsLastWindowAndWritesTheRecentsWhenTheChooserCloses) {
  WriteRecents("D:\\Zeta\r\nC:\\alfa");
  const HWND chooser = Start();
  ASSERT_NE(chooser, nullptr);
  EXPECT_EQ(TextOf(chooser), L"Visió total carpeta");
  const HWND recents = GetDlgItem(chooser, 103);
  ASSERT_EQ(SendMessageW(recents, CB_GETCOUNT, 0, 0), 2);

  // OK draws the working folder's tree and lists the folder.
  SendMessageW(GetDlgItem(chooser, 101), BM_CLICK, 0, 0);
  const HWND tree = WaitForWindow(process_.dwProcessId, L"TavelinFKvel");
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(TextOf(tree), folder_);

  // The tree window outlives the chooser.
  PostMessageW(chooser, WM_CLOSE, 0, 0);
  for (int attempt = 0; attempt < 100 && IsWindow(chooser); ++attempt)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(IsWindow(chooser));
  EXPECT_FALSE(Ended(500));
  const std::string folder(folder_.begin(), folder_.end());
  EXPECT_EQ(ReadBytes(Recents()), "C:\\alfa\r\n" + folder + "\r\nD:\\Zeta\r\n");

  PostMessageW(tree, WM_CLOSE, 0, 0);
  ASSERT_TRUE(Ended(20000));
  DWORD exitCode = 1;
  GetExitCodeProcess(process_.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
}

TEST_F(ProgramTest, ClosingTheChooserAloneEndsTheProgramWithAnEmptyRecentsFile) {
  const HWND chooser = Start();
  ASSERT_NE(chooser, nullptr);
  PostMessageW(chooser, WM_CLOSE, 0, 0);
  ASSERT_TRUE(Ended(20000));
  EXPECT_EQ(ReadBytes(Recents()), "");
}

TEST_F(ProgramTest, CarriesItsIconVersionAndManifest) {
  const HMODULE module = LoadLibraryExW(program_.c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);

  const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
  ASSERT_NE(found, nullptr);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                             SizeofResource(module, found));
  for (const char* part : {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                           ">PerMonitorV2, PerMonitor</dpiAwareness>", ">true/pm</dpiAware>"}) {
    EXPECT_NE(manifest.find(part), std::string::npos) << part;
  }

  // The icon is the pixel art itself, 32 × 32, its "None" pixels transparent.
  const UniqueIcon icon(static_cast<HICON>(
      LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon.get(), &info));
  // Both bitmaps of the icon are the caller's to free.
  const UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::uint32_t pixels[32 * 32] = {};
  const HDC screen = GetDC(nullptr);
  ASSERT_EQ(GetDIBits(screen, color.get(), 0, 32, pixels, &format, DIB_RGB_COLORS), 32);
  ReleaseDC(nullptr, screen);
  const Picture art = ReadXpm(kTavelinIcon);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const std::uint32_t expected = art.At(x, y);
      const std::uint32_t got = pixels[y * 32 + x];
      if ((expected >> 24) == 0) {
        EXPECT_EQ(got >> 24, 0u) << x << "," << y;
      } else {
        EXPECT_EQ(got, expected) << x << "," << y;
      }
    }
  }
  FreeLibrary(module);

  DWORD ignored = 0;
  std::string version(GetFileVersionInfoSizeW(program_.c_str(), &ignored), '\0');
  ASSERT_TRUE(
      GetFileVersionInfoW(program_.c_str(), 0, static_cast<DWORD>(version.size()), version.data()));
  struct Value {
    const wchar_t* name;
    const wchar_t* text;
  };
  const Value values[] = {{L"ProductName", L"Tavelin"},
                          {L"OriginalFilename", L"tavelin.exe"},
                          {L"ProductVersion", TAVELIN_VERSION}};
  for (const Value& v : values) {
    void* text = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040304B0\\") + v.name;
    ASSERT_TRUE(VerQueryValueW(version.data(), key.c_str(), &text, &length)) << v.name;
    EXPECT_STREQ(static_cast<const wchar_t*>(text), v.text);
  }
}

}  // namespace
}  // namespace tavelin::win32
