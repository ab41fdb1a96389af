# A test-only translation file and the paths of the translation sources for
# the text object's tests.
find_package(Qt5 5.15 REQUIRED COMPONENTS LinguistTools)
set_source_files_properties(${CMAKE_CURRENT_SOURCE_DIR}/data/test_lang.ts
  PROPERTIES OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/data)
qt5_add_translation(res_test_qm ${CMAKE_CURRENT_SOURCE_DIR}/data/test_lang.ts OPTIONS -silent)
add_custom_target(res_test_translations DEPENDS ${res_test_qm})
if(TARGET tst_res_tstring)
  add_dependencies(tst_res_tstring res_test_translations)
  target_compile_definitions(tst_res_tstring PRIVATE
    DVR_TEST_QM="${res_test_qm}"
    DVR_LANG_SOURCE_DIR="${CMAKE_SOURCE_DIR}/res/lang")
endif()
