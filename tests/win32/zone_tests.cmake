# The Win32 view's zone diagram under Wine: the GDI canvas, the PNG written
# through WIC, the saves and the window. The window and the clipboard need an
# X display, so this program runs on a virtual one of its own.
add_executable(tolvo_win32_zone_tests win32/zone_test_main.cpp win32/zone_canvas_test.cpp
                                       win32/zone_save_test.cpp)
target_include_directories(tolvo_win32_zone_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(tolvo_win32_zone_tests PRIVATE tolvo_win32_zone windowscodecs ole32 GTest::gtest)
find_program(TOLVO_XVFB_RUN xvfb-run)
if(CMAKE_CROSSCOMPILING AND TOLVO_XVFB_RUN)
  add_test(NAME tolvo_win32_zone_tests
           COMMAND ${TOLVO_XVFB_RUN} -a ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:tolvo_win32_zone_tests>)
else()
  tolvo_add_gtests(tolvo_win32_zone_tests)
endif()
