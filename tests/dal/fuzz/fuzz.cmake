# libFuzzer targets for what the stand-in reads from outside: a backup's
# head and a database description on a stick, the control channel's lines.
# Clang only and off by default (scripts/fuzz.sh builds and runs them
# briefly, as CI does). Each run starts from an empty corpus folder in the
# build tree, then the seeds here (libFuzzer writes only into the first
# folder). Longer runs:
#   build-fuzz/tests/dal/tdalheadfuzz corpus tests/dal/fuzz/seeds/head -max_total_time=600
option(DVR_FUZZ "Build the libFuzzer targets (clang only)" OFF)
if(DVR_FUZZ)
  target_compile_options(dal PRIVATE -fsanitize=fuzzer-no-link)
  foreach(unit head dbmodel control)
    set(target tdal${unit}fuzz)
    add_executable(${target} ${CMAKE_CURRENT_LIST_DIR}/${target}.cpp)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${target} PRIVATE dal Qt5::Core)
    set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${target}-corpus)
    add_test(NAME dal/tdal${unit}-libfuzzer
      COMMAND sh -c "rm -rf \"$1\" && mkdir \"$1\" && exec \"$0\" \"$@\""
              $<TARGET_FILE:${target}> ${corpus} ${CMAKE_CURRENT_LIST_DIR}/seeds/${unit} -runs=20000 -seed=1)
    set_tests_properties(dal/tdal${unit}-libfuzzer PROPERTIES
      ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp;DAL_PROFILE=16" TIMEOUT 300)
  endforeach()
endif()
