# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The libFuzzer target in fuzz/ (Clang, a tree of its own: the fuzz preset);
# every target instrumented, so that the fuzzer sees inside the core.
option(MOSTARIC_FUZZ "Build the libFuzzer target (Clang only)" OFF)

set(MOSTARIC_FUZZ_ENABLED OFF)
if(MOSTARIC_FUZZ)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    set(MOSTARIC_FUZZ_ENABLED ON)
    # The fuzzer's short run is a test even where the other tests are off.
    enable_testing()
    add_compile_options(-fsanitize=fuzzer-no-link)
    if(NOT MOSTARIC_SANITIZE)
      add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                          -fno-omit-frame-pointer)
      add_link_options(-fsanitize=address,undefined)
    endif()
  else()
    message(WARNING "MOSTARIC_FUZZ needs Clang (CXX=clang++); the fuzzer is not built")
  endif()
endif()
