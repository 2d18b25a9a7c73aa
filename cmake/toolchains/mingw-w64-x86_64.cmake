# Cross-compiles for 64-bit Windows with Debian's mingw-w64 and the static Qt that scripts/windows-qt.sh builds.
#
# cmake -S . -B build/windows -G Ninja \
#   -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
#   -DCMAKE_PREFIX_PATH="$(scripts/windows-qt.sh --print-prefix)"
#
# scripts/windows-qt.sh also builds Qt itself with this file, and rebuilds Qt when it changes.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix flavour, because the win32 one of GCC 12 has no std::thread, std::mutex nor
# std::condition_variable.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# A path given in CMAKE_PREFIX_PATH (the static Qt) must also be a find root, or the ONLY modes
# below would look for it under the mingw sysroot only.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Link libgcc, libstdc++ and winpthread into every program, so that a program runs from any
# folder without shipping the compiler's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# moc, rcc and uic come from Debian's own Qt of the same version: a cross-built Qt has no tools
# that run here. Debian keeps the CMake files of its Qt under the multiarch folder.
if(NOT DEFINED QT_HOST_PATH)
  set(QT_HOST_PATH /usr CACHE PATH "Qt installation whose tools run on the build machine")
endif()
if(NOT DEFINED QT_HOST_PATH_CMAKE_DIR)
  file(GLOB _kelvora_host_qt_info "${QT_HOST_PATH}/lib/*/cmake/Qt6HostInfo"
       "${QT_HOST_PATH}/lib/cmake/Qt6HostInfo")
  if(_kelvora_host_qt_info)
    list(GET _kelvora_host_qt_info 0 _kelvora_host_qt_info)
    get_filename_component(_kelvora_host_qt_cmake_dir "${_kelvora_host_qt_info}" DIRECTORY)
    set(QT_HOST_PATH_CMAKE_DIR "${_kelvora_host_qt_cmake_dir}" CACHE PATH
        "CMake folder of the Qt installation whose tools run on the build machine")
  endif()
endif()

# ctest and gtest_discover_tests start Windows programs through wine. Debian 12 keeps the 64-bit
# loader out of PATH; calling it directly, rather than through /usr/bin/wine, spares every test a
# warning that the 32-bit wine is missing.
find_program(KELVORA_WINE NAMES wine64 wine
             PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH
             DOC "wine loader that runs the Windows programs built here")
if(KELVORA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${KELVORA_WINE}")
endif()
