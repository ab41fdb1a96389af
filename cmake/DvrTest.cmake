# dvr_add_test(<name> SOURCES <files...> LIBS <libraries...> [GUI])
# Builds one QtTest executable and registers it with CTest under <name>.
# Every test runs with the offscreen platform and a private runtime directory;
# tests make their own runtime root (tests/support/ttestroot.h).
set(DVR_TEST_RUNTIME_DIR ${CMAKE_BINARY_DIR}/test-xdg-runtime)
file(MAKE_DIRECTORY ${DVR_TEST_RUNTIME_DIR})
file(CHMOD ${DVR_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
# The suite's temporary folder (TMPDIR of every test): the runtime roots and
# whatever else a test writes aside go there, not into the system's. The
# fixture's setup empties it before the tests and its cleanup fails when a
# test left anything in it (tests/CMakeLists.txt).
set(DVR_TEST_TMP_DIR ${CMAKE_BINARY_DIR}/test-tmp)
set(DVR_TEST_TMP_FIXTURE dvr-test-tmp)
file(MAKE_DIRECTORY ${DVR_TEST_TMP_DIR})
# A folder of the suite's own on the RAM file system (DVR_TEST_RAM_DIR), for
# a test that needs thousands of synced writes: the fixture empties it
# before the tests, and checks and removes it after them. Without one, the
# suite's temporary folder serves.
if(IS_DIRECTORY /dev/shm)
  string(MD5 build_id "${CMAKE_BINARY_DIR}")
  string(SUBSTRING ${build_id} 0 12 build_id)
  set(DVR_TEST_RAM_DIR /dev/shm/dvr-test-${build_id})
else()
  set(DVR_TEST_RAM_DIR ${DVR_TEST_TMP_DIR})
endif()
set(DVR_TEST_ENV "QT_QPA_PLATFORM=offscreen" "XDG_RUNTIME_DIR=${DVR_TEST_RUNTIME_DIR}" "TMPDIR=${DVR_TEST_TMP_DIR}"
    "DVR_TEST_RAM_DIR=${DVR_TEST_RAM_DIR}"
    "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp"
    "TSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/tsan.supp second_deadlock_stack=1"
    "QT_LOGGING_RULES=dvr.*.debug=false")

function(dvr_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  set(target tst_${name})
  string(REPLACE "/" "_" target ${target})
  add_executable(${target} ${T_SOURCES})
  target_link_libraries(${target} PRIVATE Qt5::Test dvrtestsupport ${T_LIBS})
  if(DVR_TSAN)
    # Qt's mutexes made visible to ThreadSanitizer (tests/support/ttsanqt.cpp).
    target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/ttsanqt.cpp)
    target_link_libraries(${target} PRIVATE ${CMAKE_DL_LIBS})
  endif()
  add_test(NAME ${name} COMMAND ${target})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${DVR_TEST_ENV}" TIMEOUT 300
                                          FIXTURES_REQUIRED ${DVR_TEST_TMP_FIXTURE})
endfunction()

# dvr_add_folder_tests(<prefix> LIBS <libraries...>)
# Every "<name>test.cpp" of the calling folder becomes the test <prefix>/<name>,
# so owners of different units can add tests without editing this list.
function(dvr_add_folder_tests prefix)
  cmake_parse_arguments(F "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*test.cpp)
  foreach(src IN LISTS sources)
    get_filename_component(base ${src} NAME_WE)
    string(REGEX REPLACE "test$" "" unit ${base})
    dvr_add_test(${prefix}/${unit} SOURCES ${src} LIBS ${F_LIBS})
  endforeach()
endfunction()
