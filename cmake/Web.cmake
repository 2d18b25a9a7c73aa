# The browser page around the game: the two faces cut down to the letters the game shows, the delivered data files and the faces built into the program at /game, and the page's own scripts (the records kept in the browser, the window fitted to it).
#
# kelvora_web_page(TARGET) makes TARGET (the game) the page's program; the page itself,
# packaging/web/index.html, goes beside it in scripts/web.sh.
function(kelvora_web_page target)
  # Debian's fontTools, for Debian's python3 (another python3 may come first on PATH).
  find_program(KELVORA_DEBIAN_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
               DOC "Debian's python3, with python3-fonttools")
  if(NOT KELVORA_DEBIAN_PYTHON3)
    message(FATAL_ERROR "python3 not found: install the Debian package python3-fonttools")
  endif()
  # Every letter any text of the window can show is in these files.
  file(GLOB texts ${PROJECT_SOURCE_DIR}/text/*.h ${PROJECT_SOURCE_DIR}/text/*.cpp
       ${PROJECT_SOURCE_DIR}/ui/*.cpp)
  set(faces
    /usr/share/fonts/truetype/rocknroll/RocknRollOne-Regular.ttf
    /usr/share/fonts/truetype/bizud-gothic/BIZUDPGothic-Regular.ttf
    /usr/share/fonts/truetype/bizud-gothic/BIZUDPGothic-Bold.ttf)
  set(letters ${CMAKE_CURRENT_BINARY_DIR}/web/letters.txt)
  set(subsets)
  foreach(face ${faces})
    if(NOT EXISTS ${face})
      message(FATAL_ERROR "${face} not found: install fonts-rocknroll and fonts-morisawa-bizud-gothic")
    endif()
    get_filename_component(name ${face} NAME)
    set(subset ${CMAKE_CURRENT_BINARY_DIR}/web/fonts/${name})
    # Hinting is off in the game's faces anyway (GameFonts.cpp).
    add_custom_command(OUTPUT ${subset}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/web/fonts
      COMMAND ${CMAKE_COMMAND} -E cat ${texts} > ${letters}
      COMMAND ${KELVORA_DEBIAN_PYTHON3} -m fontTools.subset ${face} --text-file=${letters}
              --unicodes=U+0020-007E,U+00A0-00FF,U+2000-206F,U+3000-303F,U+FF01-FF5E
              --no-hinting --output-file=${subset}
      DEPENDS ${face} ${texts}
      COMMENT "Cutting ${name} down to the letters the game shows"
      VERBATIM)
    list(APPEND subsets ${subset})
    target_link_options(${target} PRIVATE "SHELL:--embed-file ${subset}@/game/fonts/${name}")
  endforeach()
  add_custom_target(kelvora_web_faces DEPENDS ${subsets})
  add_dependencies(${target} kelvora_web_faces)

  foreach(file ${KELVORA_DATA_FILES})
    get_filename_component(name ${file} NAME)
    target_link_options(${target} PRIVATE "SHELL:--embed-file ${file}@/game/${name}")
  endforeach()
  # Qt's own executables get these from qt_add_executable: its platform plugin calls the two
  # string converters on the module, and its windows need more than Emscripten's 16 MB to start.
  target_link_options(${target} PRIVATE "SHELL:-sEXPORTED_RUNTIME_METHODS=UTF16ToString,stringToUTF16"
                      "SHELL:-sINITIAL_MEMORY=50MB")
  set(page_scripts ${PROJECT_SOURCE_DIR}/packaging/web/kelvora-page.js
                   ${PROJECT_SOURCE_DIR}/packaging/web/kelvora-fit.js)
  foreach(script ${page_scripts})
    target_link_options(${target} PRIVATE "SHELL:--pre-js ${script}")
  endforeach()
  target_link_options(${target} PRIVATE "-lidbfs.js" "-sFORCE_FILESYSTEM=1")
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${page_scripts} ${KELVORA_DATA_FILES}
                                                          ${subsets})
endfunction()
