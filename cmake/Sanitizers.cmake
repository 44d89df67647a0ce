# PICTAVO_SANITIZE=ON builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer; CI runs the tests in such a build.
option(PICTAVO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(PICTAVO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# PICTAVO_FUZZ=ON (clang only) builds the libFuzzer targets in fuzz/.
option(PICTAVO_FUZZ "Build libFuzzer targets (needs clang)" OFF)
if(PICTAVO_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
