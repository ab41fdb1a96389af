# Recording database of the stand-in: one day's 32-channel x 1,440-minute
# map and one month index read from a generated database, and the database
# built from its description, next to reading the same bytes with pread;
# the first open of descriptions of 8 MB next to a line-by-line read of them.
add_executable(daldbbench ${CMAKE_CURRENT_LIST_DIR}/daldbbench.cpp)
target_link_libraries(daldbbench PRIVATE dal)
