// The list routines: a list control filled from a text file of one item a line, written back
// to it, and searched.
#pragma once

#include <string>

#include "core/views/ListControl.h"
#include "platform/Platform.h"

namespace tavelin::core::Ctrls {

// Adds every line of the ordinary file `fileName` to `combo`, in file order, keeping the items
// already there. A line ends at CR LF, at a lone CR or at a lone LF; the terminator is dropped
// and nothing else is. Returns false, leaving the list alone, when there is no such file.
// Throws platform::SystemError when the file is there but cannot be read.
bool LoadListFromFile(const std::u16string& fileName, ListControl& combo,
                      const platform::FileSystem& fileSystem);

// Makes `fileName` hold the items of `listCtl` in order, each followed by CR LF, in the system
// code page. An item that the code page cannot represent is left out rather than mangled.
// Throws platform::SystemError when the file cannot be written; the old file is then intact.
void SaveListToFile(const ListControl& listCtl, const std::u16string& fileName,
                    const platform::FileSystem& fileSystem);

// The index of the first item equal to `itemText`, letter case included, or -1.
int FindListItem(const std::u16string& itemText, const ListControl& combo);

}  // namespace tavelin::core::Ctrls
