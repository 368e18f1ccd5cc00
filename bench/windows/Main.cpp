// make bench, Windows part: tavelin.exe's tree window on the trees the Linux part made, against
// the file system's own pace under the same system and a minimal Win32 program's start. Started
// with the trees' folder; prints its table on the output.
#include <windows.h>

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "Bench.h"
#include "Memory.h"
#include "TreePass.h"
#include "Trees.h"
#include "platform/windows/NativeNames.h"

namespace tavelin::bench {

namespace {

std::string ToUtf8(const wchar_t* text) {
  return platform::ToUtf8(platform::FromWide(text));
}

std::string ThisProgram() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return ToUtf8(path.substr(0, length).c_str());
    path.resize(path.size() * 2);
  }
}

// Wine names itself through ntdll; Windows has no such export.
std::string SystemDescription() {
  using Version = const char*(CDECL*)();
  const auto wineVersion = reinterpret_cast<Version>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")));
  if (wineVersion == nullptr) return "on Windows";
  return std::string("under Wine ") + wineVersion() + ": figures under Wine, not on Windows";
}

int RunBenches(const std::string& top) {
  const std::string self = ThisProgram();
  const std::string dir = self.substr(0, self.find_last_of('\\') + 1);
  BenchSetup setup;
  setup.self = self;
  setup.startTavelin = dir + "start_tavelin.exe";
  setup.startMinimal = dir + "start_minimal.exe";
  setup.minimalName = "minimal Win32 program";
  setup.makePass = [] { return std::make_unique<TreePass>(); };
  std::printf("\ntavelin.exe %s\n", SystemDescription().c_str());
  const bool met = RunBench(setup, TreesIn(top, '\\'), top + '\\' + kEmptyFolder);
  return met ? 0 : 1;
}

}  // namespace

}  // namespace tavelin::bench

int wmain(int argc, wchar_t* argv[]) {
  using namespace tavelin::bench;
  // The table's lines end as on Linux, where they are read.
  _setmode(_fileno(stdout), _O_BINARY);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  try {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
      args.push_back(ToUtf8(argv[i]));
    if (args.size() == 3 && args[0] == "--memory") {
      TreePass pass;
      return RunMemoryProbe(pass, args[1], std::stoi(args[2]));
    }
    if (args.size() != 1) {
      std::fprintf(stderr, "usage: tavelin_bench.exe FOLDER-OF-THE-TREES\n");
      return 2;
    }
    return RunBenches(args[0]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tavelin_bench.exe: %s\n", e.what());
    return 2;
  }
}
