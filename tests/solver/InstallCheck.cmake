# Installs a build into a scratch folder and checks that kelvora-stages stands beside the game
# and runs from there. cmake -DBUILD_DIR=... -DPREFIX=... -P InstallCheck.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install ${BUILD_DIR} failed")
endif()
foreach(program kelvora kelvora-stages)
  if(NOT EXISTS ${PREFIX}/${program})
    message(FATAL_ERROR "the game folder ${PREFIX} has no ${program}")
  endif()
endforeach()
execute_process(COMMAND ${PREFIX}/kelvora-stages --help RESULT_VARIABLE helped OUTPUT_QUIET)
if(NOT helped EQUAL 0)
  message(FATAL_ERROR "the installed kelvora-stages does not run: ${helped}")
endif()
file(REMOVE_RECURSE ${PREFIX})
