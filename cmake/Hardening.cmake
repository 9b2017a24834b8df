# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening=+all (its compilers already make PIE); off under the
# sanitizers and the fuzzer, whose run-time libraries replace the same calls.
option(MOSTARIC_HARDENING "Build with the distribution's hardening flags" ON)

if(MOSTARIC_HARDENING AND NOT MOSTARIC_SANITIZE AND NOT MOSTARIC_FUZZ
   AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT WIN32)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  # Fortified calls need optimisation; undefined first against a redefinition.
  add_compile_options($<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>
                      $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
