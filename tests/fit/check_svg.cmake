# Writes a fit's zone diagram with tolvo-fit --svg, has xmllint parse it and
# compares it with the copy under docs/, which the README shows.
execute_process(COMMAND ${EMULATOR} ${FIT} --svg ${ACTUAL} ${SIZE} ${FIT_CLASSES}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tolvo-fit --svg ${ACTUAL} ${SIZE} ${FIT_CLASSES} exited with ${status}")
endif()
execute_process(COMMAND ${XMLLINT} --noout ${ACTUAL} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "xmllint refuses ${ACTUAL}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ACTUAL} ${EXPECTED} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${ACTUAL} differs from ${EXPECTED}; regenerate: tolvo-fit --svg ${EXPECTED} ${SIZE} ${FIT_CLASSES}")
endif()
