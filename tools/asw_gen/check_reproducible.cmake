# Runs the generator into a fresh folder and compares its output with the shipped files.
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
execute_process(COMMAND "${TOOL}" "${OUT}/ZIEHWERK.ASW" --help-html "${OUT}/teilsysteme.htm"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "generator failed: ${rc}")
endif()
foreach(pair "ZIEHWERK.ASW;data/ZIEHWERK.ASW" "teilsysteme.htm;help/teilsysteme.htm")
  list(GET pair 0 made)
  list(GET pair 1 shipped)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUT}/${made}" "${SOURCE_DIR}/${shipped}"
                  RESULT_VARIABLE diff)
  if(NOT diff EQUAL 0)
    message(FATAL_ERROR "${shipped} differs from what the generator writes")
  endif()
endforeach()
