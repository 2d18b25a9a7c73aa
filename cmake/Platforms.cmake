# Qt's platform plugins a program needs beyond its own system's. A shared Qt finds its plugins
# at run time; the static Qt of the Windows build links only those asked for, and the windows
# plugin comes by default. Programs that run without a display (the tests, the picture tools)
# also need the offscreen one.
function(kelvora_runs_without_display target)
  if(WIN32)
    qt_import_plugins(${target} INCLUDE Qt6::QOffscreenIntegrationPlugin)
  endif()
endfunction()

# A program the build itself runs (the picture tool): in the browser build it runs under node,
# which must start it at once and let it read and write the build's files.
function(kelvora_runs_at_build_time target)
  if(EMSCRIPTEN)
    # Last on the link line, after Qt's own options for a page; and without the optimisation of
    # the whole module at the link, which takes longer than the program ever runs.
    target_link_libraries(${target} PRIVATE "-sMODULARIZE=0" "-sNODERAWFS=1" "-sENVIRONMENT=node"
                                            "-O1")
  endif()
endfunction()
