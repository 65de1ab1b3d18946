# Under the sanitizers (PM001_SANITIZE) every test and benchmark runs with these options, however
# CTest is started (the asan test preset, CMakePresets.json, adds the leak check and UBSan's stack
# traces): appended to what the environment gives, so that they hold over it.
# - exitcode=23: a sanitizer failure (ASan, LSan, UBSan alike) ends a run with a code of its own.
#   The sanitizers' own is 1, the host's code of a refused design, which a test that expects a
#   refusal would take for one; the host's codes are 0, 1 and 2.
# - intercept_tls_get_addr=0: the sanitizer runtime of GCC 12 (this build's) takes a dynamic
#   thread-local block that begins 16 bytes into a page for one of glibc 2.19's, and reads the two
#   words before it as the block's start and size; here they are the allocator's header of the
#   block, and the leak scan of that range faults ("Tracer caught signal 11", LeakSanitizer's fatal
#   error), which ends the run with the sanitizers' code. The module's one thread-local (a 4-byte
#   counter, allocated when a design first lays stirrups) lands there on some runs, by what the run
#   allocated before it (the same on every run of one design and arguments): a fault of the
#   runtime, not of the module. Which runs meet it moves with any change of what a run allocates
#   first; the tests' own runs have met it (the piles sample designed with --save, redesigned,
#   drawn with --json). Without the interception the block is scanned still, as the heap block that
#   the thread's vector of thread-local blocks points to; static thread-locals are scanned as ever.
function(pm001_sanitizer_environment)
  if(NOT PM001_SANITIZE)
    return()
  endif()
  get_property(tests DIRECTORY PROPERTY TESTS)
  set_property(TEST ${tests} APPEND PROPERTY ENVIRONMENT_MODIFICATION
               "ASAN_OPTIONS=string_append::exitcode=23:intercept_tls_get_addr=0"
               "UBSAN_OPTIONS=string_append::exitcode=23")
endfunction()
