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
  add_link_options(-fsanitize=address,undefined)
  message(STATUS "Mostaric: AddressSanitizer and UndefinedBehaviorSanitizer on")
endif()
