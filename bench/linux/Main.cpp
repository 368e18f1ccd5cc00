// make bench: how long the programs take to show huge folders and how much memory they cost them,
// side by side with the file system's own pace and a minimal program's start. The Qt program is
// measured here; with --windows, tavelin.exe is then measured under Wine on the same trees.
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "Bench.h"
#include "Figures.h"
#include "Machine.h"
#include "Memory.h"
#include "Spawn.h"
#include "TreePass.h"
#include "Trees.h"

namespace tavelin::bench {

namespace {

// The folder as Wine's drive for the root of the file system shows it.
std::string OnWineRoot(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return "Z:" + path;
}

int RunBenches(const std::string& self, const std::vector<std::string>& windowsBench) {
  const std::string dir = std::filesystem::path(self).parent_path().string();
  BenchSetup setup;
  setup.self = self;
  setup.startTavelin = dir + "/start_tavelin";
  setup.startMinimal = dir + "/start_minimal";
  setup.minimalName = "minimal Qt program";
  setup.otherName = "tree -a";
  setup.runOther = [](const std::string& root) {
    return Milliseconds(RunToEnd({"tree", "-a", root}));
  };
  setup.makePass = [] { return std::make_unique<TreePass>(); };

  std::printf("Tavelin bench on %s\n", MachineDescription().c_str());
  std::printf("\nThe Qt program on Linux, %s\n",
              OutputOf({"tree", "--version"}).substr(0, 11).c_str());
  const TreeSet trees;
  bool met = RunBench(setup, trees.Trees(), trees.EmptyFolder());
  if (!windowsBench.empty()) {
    std::vector<std::string> command = windowsBench;
    command.push_back(OnWineRoot(trees.Top()));
    met = RunShown(command) == 0 && met;
  }
  return met ? 0 : 1;
}

}  // namespace

}  // namespace tavelin::bench

int main(int argc, char* argv[]) {
  using namespace tavelin::bench;
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // The offscreen platform warns of every window feature it lacks; the table is the output.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  try {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "--memory") {
      QApplication app(argc, argv);
      TreePass pass;
      return RunMemoryProbe(pass, args[1], std::stoi(args[2]));
    }
    // --windows and the command that starts the Windows bench, which gets the trees' folder.
    if (!args.empty() && (args[0] != "--windows" || args.size() < 2)) {
      std::fprintf(stderr, "usage: tavelin_bench [--windows WINE BENCH.EXE]\n");
      return 2;
    }
    const std::vector<std::string> windowsBench(args.empty() ? args.end() : args.begin() + 1,
                                                args.end());
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    QApplication app(argc, argv);
    return RunBenches(self, windowsBench);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tavelin_bench: %s\n", e.what());
    return 2;
  }
}
