# Paint cost of the timeline graph (20 cameras x 1440 minutes) and the weekly
# schedule grid, each next to a plain widget fill of the same size.
add_executable(controlsbench ${CMAKE_CURRENT_LIST_DIR}/controlsbench.cpp)
target_link_libraries(controlsbench PRIVATE dvruibase)
target_compile_definitions(controlsbench PRIVATE DVR_SHEET_FILE="${CMAKE_BINARY_DIR}/res/sheet/img_res.png")
