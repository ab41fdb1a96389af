# Loading and saving the full 16-channel configuration, against plain
# QSettings reading and writing the same file.
add_executable(tconfigbench ${CMAKE_CURRENT_LIST_DIR}/tconfigbench.cpp)
target_link_libraries(tconfigbench PRIVATE dvrconfig)
