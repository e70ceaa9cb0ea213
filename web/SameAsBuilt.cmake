# Fails when the example site's copy of an element file is not the one just built.
# cmake -DBUILT=file -DSHIPPED=file -P SameAsBuilt.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${BUILT} ${SHIPPED} RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${SHIPPED} is not the built ${BUILT}: "
                      "cmake --build --preset web --target example-element copies it")
endif()
