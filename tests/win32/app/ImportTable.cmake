# cmake -DOBJDUMP=<objdump> -DPROGRAM=<tavelin.exe> -P ImportTable.cmake
# Fails unless the program is a windowed one that imports only DLLs every Windows has: no
# compiler runtime, no C++ library, no threads library to ship beside it.
cmake_minimum_required(VERSION 3.21)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM}: ${result}")
endif()

set(system_dlls advapi32 comctl32 comdlg32 gdi32 kernel32 msvcrt ole32 oleacc oleaut32 shell32
                shlwapi user32 uxtheme version)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
if(NOT imports)
  message(FATAL_ERROR "${PROGRAM} has no import table")
endif()
set(foreign)
foreach(line IN LISTS imports)
  string(REGEX REPLACE "DLL Name: ([^ \t\r]+).*" "\\1" dll "${line}")
  string(TOLOWER "${dll}" dll)
  string(REGEX REPLACE "\\.dll$" "" name "${dll}")
  if(NOT name IN_LIST system_dlls)
    list(APPEND foreign ${dll})
  endif()
endforeach()
if(foreign)
  message(FATAL_ERROR "${PROGRAM} imports DLLs that are not the system's: ${foreign}")
endif()

if(NOT dump MATCHES "Subsystem[ \t]+00000002")
  message(FATAL_ERROR "${PROGRAM} is not built for the windowed subsystem")
endif()
