# cmake --install as a user runs it: into a home folder's .vst, .lv2 and
# .clap, and below a system prefix into lib/vst, lib/lv2 and lib/clap.
# BUILD_DIR and SCRATCH come from the test.
file(REMOVE_RECURSE "${SCRATCH}")
set(ENV{HOME} "${SCRATCH}/home")
foreach(places "${SCRATCH}/home|${SCRATCH}/home/.vst|${SCRATCH}/home/.lv2|${SCRATCH}/home/.clap"
               "${SCRATCH}/usr|${SCRATCH}/usr/lib/vst|${SCRATCH}/usr/lib/lv2|${SCRATCH}/usr/lib/clap")
  string(REPLACE "|" ";" places "${places}")
  list(GET places 0 prefix)
  list(GET places 1 vst)
  list(GET places 2 lv2)
  list(GET places 3 clap)
  # A file of an older bundle must not survive the install.
  file(WRITE "${lv2}/zarvoline.lv2/stale.ttl" "")
  execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
                  RESULT_VARIABLE failed OUTPUT_QUIET)
  foreach(file_and_place "zarvoline.so|${vst}" "zarvoline.clap|${clap}")
    string(REPLACE "|" ";" pair "${file_and_place}")
    list(GET pair 0 file)
    list(GET pair 1 place)
    if(failed OR NOT EXISTS "${place}/${file}")
      message(FATAL_ERROR "installing with prefix ${prefix} did not put ${file} in ${place}")
    endif()
  endforeach()
  file(GLOB built RELATIVE "${BUILD_DIR}/zarvoline.lv2" "${BUILD_DIR}/zarvoline.lv2/*")
  file(GLOB installed RELATIVE "${lv2}/zarvoline.lv2" "${lv2}/zarvoline.lv2/*")
  list(SORT built)
  list(SORT installed)
  if(NOT built OR NOT installed STREQUAL built)
    message(FATAL_ERROR "installing with prefix ${prefix} put [${installed}] in ${lv2}/zarvoline.lv2, "
                        "the build has [${built}]")
  endif()
endforeach()
file(REMOVE_RECURSE "${SCRATCH}")
