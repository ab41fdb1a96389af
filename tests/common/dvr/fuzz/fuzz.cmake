# libFuzzer target for remote-setup packets, clang only and off by default
# (scripts/fuzz.sh builds and runs it briefly, as CI does). Longer runs:
#   DVR_FUZZ_SEED_DIR=seeds build-fuzz/tests/common/dvr/tnetpackfuzz seeds -max_total_time=600
option(DVR_FUZZ "Build the libFuzzer targets (clang only)" OFF)
if(DVR_FUZZ)
  target_compile_options(dvrapi PRIVATE -fsanitize=fuzzer-no-link)
  add_executable(tnetpackfuzz ${CMAKE_CURRENT_LIST_DIR}/tnetpackfuzz.cpp)
  target_compile_options(tnetpackfuzz PRIVATE -fsanitize=fuzzer)
  target_link_options(tnetpackfuzz PRIVATE -fsanitize=fuzzer)
  target_link_libraries(tnetpackfuzz PRIVATE dvrapi)
  add_test(NAME common/dvr/tnetpack-libfuzzer COMMAND tnetpackfuzz -runs=20000 -seed=1)
  set_tests_properties(common/dvr/tnetpack-libfuzzer PROPERTIES
    ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp;DAL_PROFILE=16" TIMEOUT 300)
endif()
