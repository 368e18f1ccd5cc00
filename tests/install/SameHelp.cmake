# cmake -DRUN_QT_TOOL=<RunQtTool.cmake> -DTOOL=<tavelin_helpdoc> -DSOURCE=<Tavelin.ca.md>
#       -DBUILT=<Tavelin.pdf> -DAGAIN=<pdf> -P SameHelp.cmake
# Fails unless the help document written again, at another time and in another process, has
# the same bytes as the build's: it goes into the download, which must be reproducible.
cmake_minimum_required(VERSION 3.21)
execute_process(COMMAND ${CMAKE_COMMAND} -P ${RUN_QT_TOOL} ${TOOL} ${SOURCE} ${AGAIN} ${AGAIN}.d
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${BUILT} ${AGAIN}
                RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "${AGAIN} differs from ${BUILT}")
endif()
