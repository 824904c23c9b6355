# Regenerates the four tables into OUTPUT and compares them byte for byte with those in ASSETS.
file(REMOVE_RECURSE ${OUTPUT})
file(MAKE_DIRECTORY ${OUTPUT})
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "chartables failed: ${result}")
endif()
foreach(name GBKN.dat JISN.dat GB.DAT BIG5.DAT)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT}/${name} ${ASSETS}/${name}
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${name} differs from the committed table; rerun chartables assets/")
  endif()
endforeach()
