# cmake -DOBJDUMP=<objdump> -DPROGRAM=<tavelin.exe> -DRELINKED=<tavelin.exe> -DMAX_BYTES=<n>
#       -P ReleaseImage.cmake
# Fails unless the program ships without debug sections or a link time stamp, within its size
# bound, and a second link of the same objects gave the same bytes.
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

file(SHA256 ${PROGRAM} first)
file(SHA256 ${RELINKED} second)
message(STATUS "SHA-256 ${first} ${PROGRAM}")
message(STATUS "SHA-256 ${second} ${RELINKED}")
if(NOT first STREQUAL second)
  message(FATAL_ERROR "Two links of the same objects differ")
endif()
