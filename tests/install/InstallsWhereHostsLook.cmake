# cmake --install as a user runs it: into a home folder's .vst, and below a
# system prefix into lib/vst. BUILD_DIR and SCRATCH come from the test.
file(REMOVE_RECURSE "${SCRATCH}")
set(ENV{HOME} "${SCRATCH}/home")
foreach(prefix_and_place "${SCRATCH}/home|${SCRATCH}/home/.vst" "${SCRATCH}/usr|${SCRATCH}/usr/lib/vst")
  string(REPLACE "|" ";" pair "${prefix_and_place}")
  list(GET pair 0 prefix)
  list(GET pair 1 place)
  execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
                  RESULT_VARIABLE failed OUTPUT_QUIET)
  if(failed OR NOT EXISTS "${place}/zarvoline.so")
    message(FATAL_ERROR "installing with prefix ${prefix} did not put zarvoline.so in ${place}")
  endif()
endforeach()
file(REMOVE_RECURSE "${SCRATCH}")
