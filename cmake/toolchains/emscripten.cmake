# Builds for the browser with Debian's Emscripten, chained from the toolchain file of the static Qt that scripts/web-qt.sh builds.
#
# cmake --preset web   (KELVORA_WEB_QT set to the folder scripts/web-qt.sh --print-prefix prints)

# Programs built here run under node, at build time (the picture tool) and in ctest. Emscripten
# of Debian 12 loads its wasm with fetch() wherever fetch exists, and node 18 has one that cannot
# read files: without it the loader reads the file directly.
find_program(KELVORA_NODE NAMES nodejs node DOC "node, which runs the programs built for the browser here")
if(KELVORA_NODE AND NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${KELVORA_NODE};--no-experimental-fetch" CACHE STRING
      "runs the programs built for the browser on this machine")
endif()

# Given by its own path: it finds Emscripten's root from where it lies.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# The game throws and catches (a damaged data file, a solver that runs out of memory); Qt's own
# link options turn catching off, and the standard libraries come last on the link line.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_CXX_STANDARD_LIBRARIES "-fexceptions -sDISABLE_EXCEPTION_CATCHING=0")

# moc, rcc and uic come from Debian's own Qt of the same version.
if(NOT DEFINED QT_HOST_PATH)
  set(QT_HOST_PATH /usr CACHE PATH "Qt installation whose tools run on the build machine")
endif()
if(NOT DEFINED QT_HOST_PATH_CMAKE_DIR)
  file(GLOB _kelvora_host_qt_info "${QT_HOST_PATH}/lib/*/cmake/Qt6HostInfo")
  if(_kelvora_host_qt_info)
    list(GET _kelvora_host_qt_info 0 _kelvora_host_qt_info)
    get_filename_component(_kelvora_host_qt_cmake_dir "${_kelvora_host_qt_info}" DIRECTORY)
    set(QT_HOST_PATH_CMAKE_DIR "${_kelvora_host_qt_cmake_dir}" CACHE PATH
        "CMake folder of the Qt installation whose tools run on the build machine")
  endif()
endif()
