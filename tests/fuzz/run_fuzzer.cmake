# Runs one fuzz target for a bounded time over a fresh copy of its committed
# seeds plus seeds written by make_seeds, in a scratch folder of the build
# tree. On failure the folder keeps the crash input and fuzzer.log.
#   cmake -DFUZZER=... -DMAKE_SEEDS=... -DTARGET=... -DSEEDS=... -DWORK=... -DSECONDS=... -P run_fuzzer.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/generated)
file(GLOB seeds ${SEEDS}/*)
if(seeds)
  file(COPY ${seeds} DESTINATION ${WORK}/corpus)
endif()
execute_process(COMMAND ${MAKE_SEEDS} ${WORK}/generated RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "make_seeds failed (${rc})")
endif()
file(GLOB generated ${WORK}/generated/${TARGET}/*)
foreach(seed IN LISTS generated)
  get_filename_component(seed_name ${seed} NAME)
  file(COPY_FILE ${seed} ${WORK}/corpus/generated-${seed_name})
endforeach()

# A smaller quarantine of freed memory keeps the process well below the
# fuzzer's memory limit (the default 256 MB counts against it).
set(asan_options "quarantine_size_mb=64")
if(DEFINED ENV{ASAN_OPTIONS})
  set(asan_options "$ENV{ASAN_OPTIONS}:${asan_options}")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=${asan_options}
          ${FUZZER} -max_total_time=${SECONDS} -rss_limit_mb=512 -malloc_limit_mb=64 -timeout=5
          -print_final_stats=1 -artifact_prefix=${WORK}/ ${WORK}/corpus
  WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE rc
  OUTPUT_VARIABLE out
  ERROR_VARIABLE out)
file(WRITE ${WORK}/fuzzer.log "${out}")
string(REGEX MATCHALL "stat::[a-z_]+: +[0-9]+" stats "${out}")
string(REGEX MATCHALL "cov: [0-9]+ ft: [0-9]+ corp: [0-9/a-zA-Z]+" coverage "${out}")
if(coverage)
  list(GET coverage -1 coverage)
endif()
message(STATUS "${TARGET}: ${coverage}; ${stats}")
if(NOT rc EQUAL 0)
  string(LENGTH "${out}" len)
  if(len GREATER 6000)
    math(EXPR from "${len} - 6000")
    string(SUBSTRING "${out}" ${from} 6000 out)
  endif()
  message(FATAL_ERROR "${TARGET} failed (${rc}):\n${out}")
endif()
file(REMOVE_RECURSE ${WORK})
