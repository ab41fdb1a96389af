# Korean syllable composition of the on-screen text keyboard (libhangul,
# two-set keyboard "2").
find_package(PkgConfig REQUIRED)
pkg_check_modules(HANGUL REQUIRED IMPORTED_TARGET libhangul)
target_link_libraries(dvruibase PUBLIC PkgConfig::HANGUL)
