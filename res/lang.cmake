# Compiled-in translation files: every lang/lang_*.ts is compiled with lrelease
# at build time and embedded, uncompressed, at the resource root as
# ":/lang_xxx.qm" (resource name "lang", initialised by TString).
find_package(Qt5 5.15 REQUIRED COMPONENTS LinguistTools)
file(GLOB lang_ts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/lang/lang_*.ts)
set_source_files_properties(${lang_ts} PROPERTIES OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/lang)
qt5_add_translation(lang_qm ${lang_ts} OPTIONS -silent)

set(lang_qrc_body "")
foreach(qm IN LISTS lang_qm)
  get_filename_component(qm_name ${qm} NAME)
  string(APPEND lang_qrc_body "    <file alias=\"${qm_name}\">lang/${qm_name}</file>\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/lang.qrc
     CONTENT "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n${lang_qrc_body}</qresource>\n</RCC>\n")

set(lang_cpp ${CMAKE_CURRENT_BINARY_DIR}/qrc_lang.cpp)
add_custom_command(OUTPUT ${lang_cpp}
  COMMAND Qt5::rcc -no-compress -name lang -o ${lang_cpp} ${CMAKE_CURRENT_BINARY_DIR}/lang.qrc
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/lang.qrc ${lang_qm}
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
  COMMENT "Embedding translation files"
  VERBATIM)
set_source_files_properties(${lang_cpp} PROPERTIES GENERATED TRUE SKIP_AUTOGEN TRUE)
target_sources(dvrres PRIVATE ${lang_cpp})
