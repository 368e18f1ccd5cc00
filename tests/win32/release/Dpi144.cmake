# cmake -DWINE=<wine64> -DPREFIX=<folder> -DTESTS=<dpi144_tests.exe> -P Dpi144.cmake
# Runs the tests in a Wine prefix of their own with a screen of 144 DPI: LogPixels under
# HKCU\Control Panel\Desktop, which the system reads when a program starts, set before they do.
cmake_minimum_required(VERSION 3.21)
set(ENV{WINEPREFIX} ${PREFIX})
set(ENV{WINEDEBUG} -all)
if(NOT EXISTS ${PREFIX}/system.reg)
  # No installer of Mono or Gecko to wait for.
  set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=")
  execute_process(COMMAND ${WINE} wineboot -i OUTPUT_QUIET ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
  unset(ENV{WINEDLLOVERRIDES})
endif()
execute_process(COMMAND ${WINE} reg add "HKCU\\Control Panel\\Desktop" /v LogPixels
                        /t REG_DWORD /d 144 /f
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${WINE} ${TESTS} RESULT_VARIABLE result)
# This prefix's Wine ends with the tests, not with the display they ran on.
execute_process(COMMAND wineserver -w TIMEOUT 60)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The tests at 144 DPI failed: ${result}")
endif()
