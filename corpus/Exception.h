#pragma once
#include <exception>
#include <string>
#include <utility>

// The program's general exception: a message and the code address it was raised from,
// both shown by the fatal-error box when nothing catches it.
class Exception : public std::exception {
public:
    Exception(std::string message, const void* address)
        : message_(std::move(message)), address_(address) {}

    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& message() const { return message_; }
    // The instruction right after the call that raised the exception.
    const void* address() const { return address_; }

private:
    std::string message_;
    const void* address_;
};

// Throws an Exception with the given message, recording the caller's code address.
[[noreturn]] void raiseException(std::string message);
// printf-style variant of raiseException.
[[noreturn]] void raiseExceptionF(const char* format, ...) __attribute__((format(printf, 1, 2)));
