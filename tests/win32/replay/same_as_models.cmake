# Runs a script through the real Win32 window's replay and through the models'
# (tolvo-replay) and requires the same output, errors and exit status: for the
# scripts whose ends (an error, the end inside a modal dialog) the scenarios
# do not reach.
if("$ENV{DISPLAY}" STREQUAL "")
  message("not run: needs an X display (tools/windows.sh runs this test on Xvfb)")
  return()
endif()
set(name real)
foreach(program IN ITEMS ${WIN32_REPLAY} ${REPLAY})
  execute_process(COMMAND ${EMULATOR} ${program} ${SCRIPT} OUTPUT_VARIABLE out ERROR_VARIABLE err
                  RESULT_VARIABLE status)
  set(${name} "status ${status}\nerrors: ${err}\noutput: ${out}")
  set(name models)
endforeach()
if(NOT real STREQUAL models)
  message(FATAL_ERROR "${SCRIPT}: the real window's replay gave\n${real}\nthe models' gave\n${models}")
endif()
