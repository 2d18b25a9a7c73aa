# Header-only libraries from the build machine's Debian packages, for the native and the Windows build alike.
#
# kelvora_use_header_only(TARGET SCOPE HEADER PACKAGE) finds HEADER (a file, or the folder of a
# library's headers) under the system's include folder, failing with the package to install when
# it is missing. A native build finds it where the compiler looks anyway. A cross build must not
# search the build machine's /usr/include as a whole (its C library's headers would shadow the
# target's), so only the library's own headers are copied into the build tree and added there.
function(kelvora_use_header_only target scope header package)
  string(MAKE_C_IDENTIFIER "KELVORA_${header}_DIR" variable)
  find_path(${variable} ${header} PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
            DOC "system include folder holding ${header} (Debian package ${package})")
  if(NOT ${variable})
    message(FATAL_ERROR "${header} not found: install the Debian package ${package}")
  endif()
  if(CMAKE_CROSSCOMPILING)
    set(copies "${CMAKE_BINARY_DIR}/header-only")
    file(COPY "${${variable}}/${header}" DESTINATION "${copies}")
    target_include_directories(${target} SYSTEM ${scope} "${copies}")
  endif()
endfunction()
