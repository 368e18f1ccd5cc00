# Cross-builds Windows executables on Debian with MinGW-w64 (the POSIX-threads flavour, which
# has std::thread and std::mutex). The executables run under Wine as CTest's emulator.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TAVELIN_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAVELIN_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVELIN_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TAVELIN_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TAVELIN_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained executables: no MinGW runtime DLLs to put beside them or on Wine's path.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Unless given another: Debian keeps the 64-bit loader out of PATH, other systems install it as
# wine64.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(TAVELIN_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
  if(TAVELIN_WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TAVELIN_WINE64})
  endif()
endif()
