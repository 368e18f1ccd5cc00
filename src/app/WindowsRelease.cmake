# What ships of a Windows program: optimised code without its debug sections, which go to
# <program>.debug beside it for reading a crash (a debugger finds them through the link the
# program keeps). No link time stamp, so that the same objects always give the same bytes.
function(tavelin_release_image target)
  target_link_options(${target} PRIVATE -Wl,--no-insert-timestamp)
  set(program $<TARGET_FILE:${target}>)
  # objcopy writes the time into each header unless given a fixed one, 0 for none; the program
  # keeps the debug file's checksum.
  set(objcopy ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${CMAKE_OBJCOPY})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${objcopy} --only-keep-debug ${program} ${program}.debug
    COMMAND ${objcopy} --strip-all --add-gnu-debuglink=${program}.debug ${program}
    VERBATIM)
endfunction()
