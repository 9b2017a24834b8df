// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The module imports nothing: allocation failures and libc++'s checks trap
// instead of printing through WASI, which the page does not provide.

#include <cstdlib>
#include <new>

_LIBCPP_BEGIN_NAMESPACE_STD
void __libcpp_verbose_abort(const char* /*format*/, ...) { __builtin_trap(); }
_LIBCPP_END_NAMESPACE_STD

void* operator new(std::size_t size)
{
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    __builtin_trap();
}

void* operator new[](std::size_t size) { return ::operator new(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t /*size*/) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t /*size*/) noexcept { std::free(memory); }
