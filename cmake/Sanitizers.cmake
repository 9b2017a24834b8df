# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# MOSTARIC_SANITIZE builds every target (library, program, tests, benchmarks)
# with AddressSanitizer and UndefinedBehaviorSanitizer. Undefined behaviour
# aborts at once instead of printing and going on, so a test that hits it fails.
option(MOSTARIC_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(MOSTARIC_SANITIZE)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    message(FATAL_ERROR "MOSTARIC_SANITIZE needs GCC or Clang")
  endif()
  set(MOSTARIC_SANITIZER_FLAGS
      -fsanitize=address,undefined
      -fno-sanitize-recover=undefined
      -fno-omit-frame-pointer)
  add_compile_options(${MOSTARIC_SANITIZER_FLAGS})
  # GCC's flow analysis sees through the sanitizers' instrumentation badly and
  # reports false "may be used uninitialized" warnings, e.g. inside
  # libstdc++'s std::regex with GCC 12 at -O2; with MOSTARIC_WERROR they would
  # stop the build. The normal build keeps the warning.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Wno-maybe-uninitialized)
  endif()
  add_link_options(-fsanitize=address,undefined)
endif()
add_feature_info(sanitizers MOSTARIC_SANITIZE
                 "every target under AddressSanitizer and UndefinedBehaviorSanitizer (MOSTARIC_SANITIZE)")
