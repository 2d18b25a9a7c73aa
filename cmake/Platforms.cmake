# Qt's platform plugins a program needs beyond its own system's. A shared Qt finds its plugins
# at run time; the static Qt of the Windows build links only those asked for, and the windows
# plugin comes by default. Programs that run without a display (the tests, the picture tools)
# also need the offscreen one.
function(kelvora_runs_without_display target)
  if(WIN32)
    qt_import_plugins(${target} INCLUDE Qt6::QOffscreenIntegrationPlugin)
  endif()
endfunction()
