# Installs a build into a scratch folder twice and checks the game folder a player gets: the
# game and kelvora-stages side by side and running, the system's own files (the icon and desktop
# entry, or the substitute faces), the data files first delivered, and a player's records left
# alone by the second install.
# cmake -DBUILD_DIR=... -DPREFIX=... "-DPROGRAM_FILES=..." "-DDATA_FILES=..." -DSTAGES_TOOL=... [-DEMULATOR=...] -P InstallCheck.cmake
function(install_game)
  execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                  RESULT_VARIABLE installed OUTPUT_QUIET)
  if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install ${BUILD_DIR} failed")
  endif()
endfunction()

if(NOT DATA_FILES)
  message(FATAL_ERROR "no data files named: the game folder would be checked without them")
endif()
file(REMOVE_RECURSE ${PREFIX})
install_game()
foreach(file ${PROGRAM_FILES} ${DATA_FILES})
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "the game folder ${PREFIX} has no ${file}")
  endif()
endforeach()
execute_process(COMMAND ${EMULATOR} ${PREFIX}/${STAGES_TOOL} --help
                RESULT_VARIABLE helped OUTPUT_QUIET)
if(NOT helped EQUAL 0)
  message(FATAL_ERROR "the installed kelvora-stages does not run: ${helped}")
endif()
if(EXISTS ${PREFIX}/kelvora.desktop)
  file(READ ${PREFIX}/kelvora.desktop entry)
  if(NOT entry MATCHES "Exec=\"${PREFIX}/kelvora\"")
    message(FATAL_ERROR "the desktop entry does not start ${PREFIX}/kelvora:\n${entry}")
  endif()
endif()

# A record earned since the first install survives the next one. (Compared as hexadecimal: a
# text read of the file would not keep its carriage returns.)
set(record "1\r\n7\r\n7\r\n\"QQQQRRS\"\r\n")
file(WRITE ${PREFIX}/BEST2.txt "${record}")
install_game()
file(READ ${PREFIX}/BEST2.txt kept HEX)
string(HEX "${record}" earned)
if(NOT kept STREQUAL earned)
  message(FATAL_ERROR "installing again overwrote BEST2.txt")
endif()
file(REMOVE_RECURSE ${PREFIX})
