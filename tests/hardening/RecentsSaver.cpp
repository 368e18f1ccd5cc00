// Saves the recent folders over and over, as closing the chooser does, until it is killed:
// generation 1, 2, 3 ... into Recents.txt in the folder it is given. Before each save it tells
// the generation on its output, so that whoever kills it knows which save may have been cut.
#include <unistd.h>

#include <cstdio>

#include "SaverLists.h"
#include "core/folderchoice/Ctrls.h"
#include "platform/Platform.h"

int main(int argc, char* argv[]) {
  if (argc != 2 || ::chdir(argv[1]) != 0) {
    std::fputs("usage: recents_saver FOLDER\n", stderr);
    return 2;
  }
  for (int generation = 1;; ++generation) {
    // Made before its save is told: a kill while the next is made finds this save whole.
    const tavelin::fakes::FakeList list = tavelin::hardening::ListOfGeneration(generation);
    const std::string started = std::to_string(generation) + '\n';
    if (::write(STDOUT_FILENO, started.data(), started.size()) != std::ssize(started)) return 1;
    tavelin::core::Ctrls::SaveListToFile(list, u"Recents.txt",
                                         tavelin::platform::NativeFileSystem());
  }
}
