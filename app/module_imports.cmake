# Build step: the platform symbols that the component module imports, as two linker inputs of the
# host: a linker script of EXTERN lines, which draws exactly the objects defining them out of the
# platform's archives, and a dynamic list, which exports exactly them and nothing else.
#
#   cmake -DNM=<nm> -DMODULE=<libpm001.so> -DARCHIVES=<a;b;…> -DSCRIPT=<out.ld> -DLIST=<out.list> -P module_imports.cmake

function(symbols_of out)
  execute_process(COMMAND ${NM} ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE failed ERROR_QUIET)
  if(failed)
    message(FATAL_ERROR "${NM} ${ARGN} failed")
  endif()
  string(REGEX REPLACE "\n" ";" lines "${text}")
  set(names "")
  foreach(line IN LISTS lines)
    # POSIX format: "name type [value size]"; an imported name may carry a version after '@'.
    if(line MATCHES "^([^ @]+)(@[^ ]*)? ([A-Za-z])")
      list(APPEND names "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

symbols_of(imported -D --undefined-only --format=posix ${MODULE})
symbols_of(defined -g --defined-only --format=posix ${ARCHIVES})
foreach(name IN LISTS defined)
  set("defines_${name}" TRUE)
endforeach()
list(REMOVE_DUPLICATES imported)
list(SORT imported)
set(script "/* Generated: the platform symbols the component module imports. */\n")
set(dynamic "/* Generated: the host exports only what the component module imports. */\n{\n")
foreach(name IN LISTS imported)
  if(DEFINED "defines_${name}")
    string(APPEND script "EXTERN(\"${name}\")\n")
    string(APPEND dynamic "  \"${name}\";\n")
  endif()
endforeach()
string(APPEND dynamic "};\n")
file(WRITE ${SCRIPT} "${script}")
file(WRITE ${LIST} "${dynamic}")
