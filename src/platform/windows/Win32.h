// <windows.h> for Tavelin's Win32 code. Its ReplaceFile macro is taken out: it would rename
// FileSystem::ReplaceFile to ReplaceFileA or ReplaceFileW in every file that sees both.
#pragma once

#include <windows.h>

#undef ReplaceFile
