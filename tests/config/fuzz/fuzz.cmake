# libFuzzer target for configuration import, clang only and off by default:
#   CXX=clang++ scripts/build.sh build-fuzz -DDVR_FUZZ=ON -DDVR_SANITIZE=ON \
#       -DCMAKE_BUILD_TYPE=Debug -DDVR_BUILD_BENCH=OFF
# CTest then runs it briefly (config/tconfig-libfuzzer); longer runs by hand:
#   DVR_FUZZ_SEED_DIR=seeds build-fuzz/tests/config/tconfigfuzz seeds -max_total_time=600
option(DVR_FUZZ "Build the libFuzzer targets (clang only)" OFF)
if(DVR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "DVR_FUZZ needs clang (CXX=clang++)")
  endif()
  # Coverage for the configuration code the target drives.
  target_compile_options(dvrconfig PRIVATE -fsanitize=fuzzer-no-link)
  add_executable(tconfigfuzz ${CMAKE_CURRENT_LIST_DIR}/tconfigfuzz.cpp)
  target_compile_options(tconfigfuzz PRIVATE -fsanitize=fuzzer)
  target_link_options(tconfigfuzz PRIVATE -fsanitize=fuzzer)
  target_link_libraries(tconfigfuzz PRIVATE dvrconfig)
  add_test(NAME config/tconfig-libfuzzer COMMAND tconfigfuzz -runs=1000 -seed=1)
  set_tests_properties(config/tconfig-libfuzzer PROPERTIES
    ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp" TIMEOUT 300)
endif()
