#pragma once
// What the user sees when an error escapes, and how the process then ends.
//
// An exception that nothing catches (the decompressor's Exception is the one the program
// raises) reaches Application's exception handler; the program installs
// `ShowFatalExceptionAndExit` there. It names the exception, the module holding the code
// that raised it and the address inside that module, shows the box, runs the process's
// finalisation (the rich-edit library is freed) and ends with exit code 1. The main
// window's close handler does not run on this path.
//
// A fault that never becomes a C++ exception (an access violation or another structured
// exception nobody handles, or std::terminate) shows the plainer "Runtime error" box and
// ends with the error's number as exit code, without finalisation: the state of the
// process is not known any more.
#include <cstdint>
#include <exception>
#include <string>

// Where a code address lies: the full path of the module that holds it and the address
// relative to the start of that module. An address no module holds is reported against
// the program's own module.
struct CodeLocation {
    std::string modulePath;
    std::uintptr_t offset = 0;
};
CodeLocation locateCode(const void* address);

// The parts of the exception box: the exception's type name ("Exception" for the
// program's own), the address of the code that raised it (null when unknown) and its
// message.
struct EscapedException {
    std::string typeName;
    const void* address = nullptr;
    std::string message;
};
EscapedException describeException(std::exception_ptr error);

// Addresses are written as upper-case hex digits at the pointer's width: 8 in the 32-bit
// program, 16 in the 64-bit one, whose image loads above 4 GB.
inline constexpr int AddressDigits = 2 * static_cast<int>(sizeof(void*));

// "Exception %s in module %s at %p.\n%s%s" with the address as AddressDigits upper-case hex
// digits and an empty last part.
std::string exceptionBoxText(const EscapedException& error, const CodeLocation& where);

// "Runtime error" + the number right-aligned in 4 + " at " + AddressDigits upper-case hex
// digits.
std::string runtimeErrorText(int number, std::uintptr_t address);

// The number a structured exception code is reported with in the "Runtime error" box.
int runtimeErrorNumber(unsigned long exceptionCode);

// Shows the task-modal error box for the escaped exception and ends the process with exit
// code 1 after the normal finalisation. Returns only for an error that escapes while the box
// is already up (from a handler run by the box's own message loop): that one is dropped,
// the first box is already ending the process.
void ShowFatalExceptionAndExit(std::exception_ptr error);

// Shows the "Runtime error" box (caption "Error") and ends the process with `number` as
// exit code, skipping finalisation.
[[noreturn]] void RuntimeErrorExit(int number, const void* address);

// Routes unhandled structured exceptions and std::terminate to RuntimeErrorExit. Installed
// first thing by the program entry.
void installRuntimeErrorTraps();
