# System log: 10,000 record writes and a full read of a wrapped ring, next to
# plain positioned writes and reads of the same bytes.
add_executable(tlogbench ${CMAKE_CURRENT_LIST_DIR}/tlogbench.cpp)
target_link_libraries(tlogbench PRIVATE dvrconfig)
