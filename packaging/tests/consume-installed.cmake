# Installs Vuzedovi into a fresh prefix, builds the consumer program against that copy alone
# and runs it, checking that it used the installed library.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DSOURCE_DIR=... -DGENERATOR=... -DCXX=...
#         [-DSANITIZE_FLAGS=...] -P consume-installed.cmake
set(prefix ${WORK_DIR}/prefix)
set(consumer_build ${WORK_DIR}/consumer)
file(REMOVE_RECURSE ${WORK_DIR})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "failed (${result}): ${command}")
  endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --component Vuzedovi)
foreach(installed include/vuzedovi/Tavorel.h include/vuzedovi/GradientValue.h include/vuzedovi/TavorelForm.h
                  include/vuzedovi/LabelButton.h)
  if(NOT EXISTS ${prefix}/${installed})
    message(FATAL_ERROR "not installed: ${installed}")
  endif()
endforeach()
file(GLOB libraries ${prefix}/lib*/libvuzedovi.so* ${prefix}/lib*/*/libvuzedovi.so*)
message(STATUS "installed: ${libraries}")

run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${consumer_build} -G ${GENERATOR}
    -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_CXX_FLAGS=${SANITIZE_FLAGS} -DCMAKE_EXE_LINKER_FLAGS=${SANITIZE_FLAGS})
run(${CMAKE_COMMAND} --build ${consumer_build})
execute_process(COMMAND ${consumer_build}/consumer OUTPUT_VARIABLE output RESULT_VARIABLE result)
message(STATUS "${output}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the consumer failed (${result})")
endif()
string(REGEX MATCH "library: ([^\n]*)" _ "${output}")
file(REAL_PATH "${CMAKE_MATCH_1}" used)
file(REAL_PATH "${prefix}" prefix_real)
string(FIND "${used}" "${prefix_real}/" at)
if(NOT at EQUAL 0)
  message(FATAL_ERROR "the consumer used ${used}, not the installed library under ${prefix}")
endif()
