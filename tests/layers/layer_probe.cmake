# A layer's or part's probe (cmake/layer_fence.cmake), compiled with the command of each of its sources
# (compile_commands.json), an include folder given to one source alone included. A forced include
# (-include, -imacros, also through -Wp,) hands a source a header whatever its include path, and a
# response file (@file) options no reader of the command sees: both refused.
#   cmake -DTARGET=<target> -DPROBE=<probe.cpp> -DCOMMANDS=<compile_commands.json> -P layer_probe.cmake
cmake_minimum_required(VERSION 3.25)
file(STRINGS ${COMMANDS} lines REGEX "\"command\": .*/CMakeFiles/${TARGET}\\.dir/")
if(NOT lines)
  message(FATAL_ERROR "no source of ${TARGET} in ${COMMANDS}")
endif()
foreach(line IN LISTS lines)
  # The command without the object and source it ends with (one of another shape does not run).
  string(REGEX REPLACE "^ *\"command\": \"(.*) -o [^ ]+ -c [^ ]+\",?$" "\\1" command "${line}")
  string(REPLACE "\\\"" "\"" command "${command}")
  string(REPLACE "\\\\" "\\" command "${command}")
  if(command MATCHES " (-include|-imacros|--include|-Wp,([^ ]*,)?-(include|imacros)|@)")
    message(FATAL_ERROR "a source of ${TARGET} is compiled with a forced include or a response file: ${command}")
  endif()
  if(NOT command IN_LIST probes)
    list(APPEND probes "${command}")
    separate_arguments(probe UNIX_COMMAND "${command}")
    execute_process(COMMAND ${probe} -fsyntax-only ${PROBE} RESULT_VARIABLE failed ERROR_VARIABLE errors)
    if(failed)
      message(FATAL_ERROR "${errors}\nwith the command of a source of ${TARGET}: ${command}")
    endif()
  endif()
endforeach()
