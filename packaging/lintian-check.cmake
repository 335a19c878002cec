# Makes the .deb from the build folder into BUILD_DIR/lintian-check and has lintian check it;
# fails on any error or warning. The test command runs it (the deb_lintian test):
#   cmake -DBUILD_DIR=... -DCPACK=... -DLINTIAN=... -P packaging/lintian-check.cmake
set(out ${BUILD_DIR}/lintian-check)
file(REMOVE_RECURSE ${out})
execute_process(COMMAND ${CPACK} -G DEB -B ${out}
                WORKING_DIRECTORY ${BUILD_DIR}
                RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack could not make the .deb:\n${log}")
endif()
file(GLOB debs ${out}/*.deb)
if(NOT debs)
  message(FATAL_ERROR "cpack made no .deb in ${out}:\n${log}")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${debs} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lintian finds errors or warnings in ${debs}")
endif()
