# Live view: a layout switch of 16 channels (every layout of the profile)
# next to a bare DalVoutSetLayout; one OSD repaint of a 16-cell screen
# (titles and clock) next to a plain fill of the same images.
add_executable(livebench ${CMAKE_CURRENT_LIST_DIR}/livebench.cpp)
target_link_libraries(livebench PRIVATE dvrapi)
