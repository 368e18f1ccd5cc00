# cmake -DZIP=<zip> -DPROGRAM=<tavelin.exe> -DHELP=<Tavelin.pdf> -DREADME=<LLEGEIX-ME.txt>
#       -DPYTHON=<python3> -DWRITER=<windows-zip.py> -DWORK=<folder> -P Download.cmake
# Fails unless the zip holds exactly the program, its help and the read-me in CR LF with a
# byte-order mark, and the same files with new times give the same zip again.
cmake_minimum_required(VERSION 3.21)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/unpacked ${WORK}/again)

execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${ZIP} OUTPUT_VARIABLE listing
                RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT listing STREQUAL "tavelin.exe\nTavelin.pdf\nLLEGEIX-ME.txt\n")
  message(FATAL_ERROR "${ZIP} holds:\n${listing}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP} WORKING_DIRECTORY ${WORK}/unpacked
                COMMAND_ERROR_IS_FATAL ANY)
foreach(shipped IN ITEMS PROGRAM HELP)
  get_filename_component(name ${${shipped}} NAME)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${${shipped}} ${WORK}/unpacked/${name}
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${name} in the zip is not the one built")
  endif()
endforeach()

set(text_file ${WORK}/unpacked/LLEGEIX-ME.txt)
file(READ ${text_file} bytes HEX)
string(REGEX REPLACE "(..)" "\\1 " bytes "${bytes}")
if(NOT bytes MATCHES "^ef bb bf " OR bytes MATCHES "(^|([^0].|0[^d]) )0a " OR
   NOT bytes MATCHES "0d 0a $")
  message(FATAL_ERROR "LLEGEIX-ME.txt is not UTF-8 with a byte-order mark and CR LF line ends")
endif()
file(READ ${text_file} text)
foreach(told IN ITEMS "tavelin.exe" "Recents.txt" "Windows 10, versió 1607")
  string(FIND "${text}" "${told}" at)
  if(at LESS 0)
    message(FATAL_ERROR "LLEGEIX-ME.txt does not mention ${told}")
  endif()
endforeach()

# Copies have the time of now, not that of the build.
foreach(input IN ITEMS ${PROGRAM} ${HELP} ${README})
  get_filename_component(name ${input} NAME)
  file(COPY_FILE ${input} ${WORK}/again/${name})
  file(TOUCH ${WORK}/again/${name})
endforeach()
execute_process(COMMAND ${PYTHON} ${WRITER} ${WORK}/again.zip ${WORK}/again/LLEGEIX-ME.txt
                        ${WORK}/again/tavelin.exe ${WORK}/again/Tavelin.pdf
                COMMAND_ERROR_IS_FATAL ANY)
file(SHA256 ${ZIP} first)
file(SHA256 ${WORK}/again.zip second)
message(STATUS "SHA-256 ${first} ${ZIP}")
message(STATUS "SHA-256 ${second} ${WORK}/again.zip")
if(NOT first STREQUAL second)
  message(FATAL_ERROR "The same files gave another zip")
endif()
