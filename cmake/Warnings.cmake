# Strict warnings for the project's own targets only: third-party code never sees them.
add_library(kelvora_warnings INTERFACE)
target_compile_options(kelvora_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                  -Wno-sign-conversion)
# GCC 12 takes a string built with "text" + another string for an overlapping copy when it
# optimises (its bug 105651), and would fail a release build over code that is sound.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(kelvora_warnings INTERFACE -Wno-restrict)
endif()
if(KELVORA_WARNINGS_AS_ERRORS)
  target_compile_options(kelvora_warnings INTERFACE -Werror)
endif()

# Address and undefined-behaviour sanitizers for the asan preset.
add_library(kelvora_sanitize INTERFACE)
if(KELVORA_SANITIZE)
  target_compile_options(kelvora_sanitize INTERFACE -fsanitize=address,undefined
                                                    -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(kelvora_sanitize INTERFACE -fsanitize=address,undefined)
endif()

# Coverage for libFuzzer on everything the fuzzers reach.
if(KELVORA_FUZZ)
  target_compile_options(kelvora_sanitize INTERFACE -fsanitize=fuzzer-no-link)
endif()
