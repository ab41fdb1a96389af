# Device facade: a callback on the stand-in's thread until its notification
# runs in the GUI thread, next to a bare queued invokeMethod between the same
# threads; writeLog next to the log's own write.
add_executable(dvrapibench ${CMAKE_CURRENT_LIST_DIR}/dvrapibench.cpp)
target_link_libraries(dvrapibench PRIVATE dvrapi)
