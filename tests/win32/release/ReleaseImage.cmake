# cmake -DOBJDUMP=<objdump> -DWINDRES=<windres> -DPROGRAM=<tavelin.exe> -DRELINKED=<tavelin.exe>
#       -DMAX_BYTES=<n> -DVERSION=<major.minor.patch> -P ReleaseImage.cmake
# Fails unless the program ships without debug sections or a link time stamp, within its size
# bound, with the project's version and the icon's five sizes in its resources, and a second
# link of the same objects gave the same bytes.
cmake_minimum_required(VERSION 3.21)
execute_process(COMMAND ${OBJDUMP} -h ${PROGRAM} OUTPUT_VARIABLE sections RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT sections MATCHES "\\.text")
  message(FATAL_ERROR "${OBJDUMP} -h ${PROGRAM}: ${result}")
endif()
string(REGEX MATCHALL "\\.debug_[a-z_]+" debug "${sections}")
if(debug)
  message(FATAL_ERROR "${PROGRAM} carries debug sections: ${debug}")
endif()

file(SIZE ${PROGRAM} size)
message(STATUS "${PROGRAM}: ${size} bytes")
if(size GREATER MAX_BYTES)
  message(FATAL_ERROR "${PROGRAM} has ${size} bytes, more than ${MAX_BYTES}")
endif()

# The COFF header's TimeDateStamp, 8 bytes past the PE signature that e_lfanew points to.
file(READ ${PROGRAM} lfanew OFFSET 60 LIMIT 4 HEX)
string(REGEX REPLACE "(..)(..)(..)(..)" "0x\\4\\3\\2\\1" lfanew "${lfanew}")
math(EXPR stamp_offset "${lfanew} + 8")
file(READ ${PROGRAM} stamp OFFSET ${stamp_offset} LIMIT 4 HEX)
if(NOT stamp STREQUAL "00000000")
  message(FATAL_ERROR "${PROGRAM} carries a link time stamp: ${stamp}")
endif()

# The resources as windres reads them back: the version, then the icon group's entries, each
# starting with its width as an octal escape (0 for 256).
execute_process(COMMAND ${WINDRES} -i ${PROGRAM} -O rc OUTPUT_VARIABLE resources
                COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "." ", " numbers "${VERSION}")
foreach(field IN ITEMS "FILEVERSION ${numbers}, 0\n" "PRODUCTVERSION ${numbers}, 0\n"
                       "\"FileVersion\", \"${VERSION}\"" "\"ProductVersion\", \"${VERSION}\"")
  string(FIND "${resources}" "${field}" at)
  if(at LESS 0)
    message(FATAL_ERROR "${PROGRAM} lacks ${field} in its version resource")
  endif()
endforeach()
string(REGEX MATCHALL "\"\\\\[0-7][0-7][0-7]\\\\[0-7]+\\\\000\\\\000\", 1, 32"
       entries "${resources}")
set(sides)
foreach(entry IN LISTS entries)
  string(REGEX MATCH "^\"\\\\([0-7])([0-7])([0-7])" digits "${entry}")
  math(EXPR side "${CMAKE_MATCH_1} * 64 + ${CMAKE_MATCH_2} * 8 + ${CMAKE_MATCH_3}")
  if(side EQUAL 0)
    set(side 256)
  endif()
  list(APPEND sides ${side})
endforeach()
if(NOT sides STREQUAL "16;32;48;64;256")
  message(FATAL_ERROR "${PROGRAM}'s icon group holds the sizes ${sides}, not 16, 32, 48, 64, 256")
endif()

file(SHA256 ${PROGRAM} first)
file(SHA256 ${RELINKED} second)
message(STATUS "SHA-256 ${first} ${PROGRAM}")
message(STATUS "SHA-256 ${second} ${RELINKED}")
if(NOT first STREQUAL second)
  message(FATAL_ERROR "Two links of the same objects differ")
endif()
