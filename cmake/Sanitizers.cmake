# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every target under AddressSanitizer and UndefinedBehaviorSanitizer;
# undefined behaviour aborts, so a test that hits it fails.
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
  # GCC warns falsely through the instrumentation (std::regex, GCC 12 -O2).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Wno-maybe-uninitialized)
  endif()
  add_link_options(-fsanitize=address,undefined)
endif()
add_feature_info(sanitizers MOSTARIC_SANITIZE
                 "every target under AddressSanitizer and UndefinedBehaviorSanitizer (MOSTARIC_SANITIZE)")
