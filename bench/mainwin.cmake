# Start-up: the program from process start to its first painted live view
# (offscreen, 16 channels) and its peak memory, next to a bare Qt window that
# paints once and quits, both started as child processes in one run.
if(TARGET dvrui)
  add_executable(mainwinbench ${CMAKE_CURRENT_LIST_DIR}/mainwinbench.cpp)
  target_link_libraries(mainwinbench PRIVATE Qt5::Core Qt5::Gui Qt5::Widgets)
  target_compile_definitions(mainwinbench PRIVATE DVRUI_PATH="$<TARGET_FILE:dvrui>"
                             DVR_SHEET="${CMAKE_BINARY_DIR}/res/sheet/img_res.png")
  add_dependencies(mainwinbench dvrui)
endif()
