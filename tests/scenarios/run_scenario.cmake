# Runs one scenario script through tolvo-replay and compares what it prints
# with the expected output beside the script; in a cross build through the
# EMULATOR that runs the build's programs (Wine).

# The real window's replay (NEEDS_DISPLAY) runs on an X server only.
if(NEEDS_DISPLAY AND "$ENV{DISPLAY}" STREQUAL "")
  message("not run: needs an X display (tools/windows.sh runs this test on Xvfb)")
  return()
endif()
execute_process(COMMAND ${EMULATOR} ${REPLAY} ${SCRIPT} OUTPUT_FILE ${ACTUAL} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tolvo-replay ${SCRIPT} exited with ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ACTUAL} ${EXPECTED} RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "${ACTUAL} differs from ${EXPECTED}")
endif()
