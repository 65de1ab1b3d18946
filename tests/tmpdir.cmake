# The tests' TMPDIR (tests/CMakeLists.txt): made empty before the tests; after them, with CHECK, the
# run fails when anything is left in it, and else it is removed.
if(CHECK)
  file(GLOB left LIST_DIRECTORIES true "${DIR}/*")
  if(left)
    message(FATAL_ERROR "left behind in the tests' TMPDIR: ${left}")
  endif()
  file(REMOVE_RECURSE "${DIR}")
else()
  file(REMOVE_RECURSE "${DIR}")
  file(MAKE_DIRECTORY "${DIR}")
endif()
