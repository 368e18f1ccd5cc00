# Runs a Qt tool of the build: cmake [-DQT_DLL_DIR=<dir>] -P RunQtTool.cmake <tool> <arguments>...
# The tools draw with Qt's own font and PDF engines, which need no display; on Windows they find
# the Qt libraries in QT_DLL_DIR, which need not be on PATH.
set(ENV{QT_QPA_PLATFORM} offscreen)
# Hash tables in a fixed order: the fonts of the help document are written in it.
set(ENV{QT_HASH_SEED} 0)
if(CMAKE_HOST_WIN32 AND QT_DLL_DIR)
  set(ENV{PATH} "${QT_DLL_DIR};$ENV{PATH}")
endif()
# A sanitized build checks the tools for leaks with the suppressions its tests use.
set(ENV{LSAN_OPTIONS} "suppressions=${CMAKE_CURRENT_LIST_DIR}/../tests/lsan.supp")

set(command)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE 0 ${last})
  if(found_script)
    list(APPEND command "${CMAKE_ARGV${i}}")
  elseif(CMAKE_ARGV${i} STREQUAL "-P")
    set(skip_next TRUE)
  elseif(skip_next)
    set(skip_next FALSE)
    set(found_script TRUE)
  endif()
endforeach()

execute_process(COMMAND ${command} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  string(JOIN " " shown ${command})
  message(FATAL_ERROR "${shown}: ${result}")
endif()
