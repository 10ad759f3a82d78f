#include "corpus/Exception.h"

#include <cstdarg>
#include <cstdio>

// Both are kept out of line so that their return address is the place of the raise.
__attribute__((noinline)) void raiseException(std::string message) {
    throw Exception(std::move(message), __builtin_return_address(0));
}

__attribute__((noinline)) void raiseExceptionF(const char* format, ...) {
    const void* address = __builtin_return_address(0);
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    throw Exception(text, address);
}
