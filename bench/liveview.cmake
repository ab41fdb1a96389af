# Live view surface: one full repaint of the main window's live view with
# every OSD item at 16 and 32 channels, next to a plain black fill of the
# same screen, offscreen.
if(TARGET dvrapp)
  add_executable(liveviewbench ${CMAKE_CURRENT_LIST_DIR}/liveviewbench.cpp)
  target_link_libraries(liveviewbench PRIVATE dvrapp)
  target_compile_definitions(liveviewbench PRIVATE DVR_SHEET="${CMAKE_BINARY_DIR}/res/sheet/img_res.png")
endif()
