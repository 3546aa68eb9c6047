# Draws the pictures a second time into a scratch folder and asks for the same
# bytes as the build's: the pictures must not depend on the time or the run.
# Variables: PYTHON, SCRIPT, CONVERT, FONTS, BUILT (the build's folder), AGAIN (scratch).

file(REMOVE_RECURSE ${AGAIN})
execute_process(
  COMMAND ${PYTHON} ${SCRIPT} --out ${AGAIN} --convert ${CONVERT} --fonts ${FONTS}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "drawing again failed: ${result}")
endif()

file(GLOB again RELATIVE ${AGAIN} ${AGAIN}/*.bmp ${AGAIN}/*.ico)
list(LENGTH again count)
if(count EQUAL 0)
  message(FATAL_ERROR "drawing again wrote nothing")
endif()
foreach(name IN LISTS again)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${BUILT}/${name} ${AGAIN}/${name}
    RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${name} differs between two runs")
  endif()
endforeach()
message(STATUS "${count} pictures drawn twice, byte for byte the same")
