# Search timeline: one day of the stand-in's 32-channel database (every
# minute, both planes) loaded, filled on the search window's thread and
# handed to the timeline, next to the day load alone and a bare loop over
# the same masks; and an empty day.
add_executable(searchfillbench ${CMAKE_CURRENT_LIST_DIR}/searchfillbench.cpp)
target_link_libraries(searchfillbench PRIVATE dvrsearch)
