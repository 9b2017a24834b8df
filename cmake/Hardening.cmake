# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The hardening Debian builds its packages with (dpkg-buildflags with
# hardening=+all): fortified libc calls, the stack protector, and full RELRO
# with BIND_NOW. Debian's compilers make position-independent executables by
# default, as the Qt libraries need. Off under the sanitizers and the fuzzer,
# whose run-time libraries replace the same calls.
option(MOSTARIC_HARDENING "Build with the distribution's hardening flags" ON)

if(MOSTARIC_HARDENING AND NOT MOSTARIC_SANITIZE AND NOT MOSTARIC_FUZZ
   AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT WIN32)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  # glibc's fortified calls need optimisation; a compiler that defines the
  # macro already would otherwise warn about the redefinition.
  add_compile_options($<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>
                      $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
