# One live motion block through the motion page's grid (22 x 18 cells, every
# cell changing) to the repainted grid, next to a plain fill of its area.
add_executable(motiongridbench ${CMAKE_CURRENT_LIST_DIR}/motiongridbench.cpp)
target_link_libraries(motiongridbench PRIVATE dvrsetup)
target_compile_definitions(motiongridbench PRIVATE DVR_SHEET_FILE="${CMAKE_BINARY_DIR}/res/sheet/img_res.png")
