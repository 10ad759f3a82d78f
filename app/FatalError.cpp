#include "app/FatalError.h"

#include <windows.h>

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "corpus/Exception.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

namespace {

std::string demangle(const char* name) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> readable(
        abi::__cxa_demangle(name, nullptr, nullptr, &status), &std::free);
    return status == 0 && readable ? std::string(readable.get()) : std::string(name);
}

std::string modulePath(HMODULE module) {
    char path[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    return std::string(path, length);
}

// Set while the error box is up: an error escaping from a handler that runs inside the
// box's own message loop must not open a second box.
bool reporting = false;

LONG WINAPI unhandledFault(EXCEPTION_POINTERS* fault) {
    const EXCEPTION_RECORD* record = fault->ExceptionRecord;
    RuntimeErrorExit(runtimeErrorNumber(record->ExceptionCode), record->ExceptionAddress);
}

void terminated() {
    RuntimeErrorExit(runtimeErrorNumber(0), __builtin_return_address(0));
}

}  // namespace

CodeLocation locateCode(const void* address) {
    HMODULE module = nullptr;
    if (address == nullptr || !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                                      GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                                  static_cast<LPCSTR>(address), &module)) {
        module = GetModuleHandleA(nullptr);
        address = module;
    }
    return {modulePath(module),
            reinterpret_cast<std::uintptr_t>(address) - reinterpret_cast<std::uintptr_t>(module)};
}

EscapedException describeException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        return {"Exception", e.address(), e.message()};
    } catch (const std::exception& e) {
        return {demangle(typeid(e).name()), nullptr, e.what()};
    } catch (...) {
        const std::type_info* type = abi::__cxa_current_exception_type();
        return {type != nullptr ? demangle(type->name()) : std::string("unknown"), nullptr, ""};
    }
}

std::string exceptionBoxText(const EscapedException& error, const CodeLocation& where) {
    // The format's %p is spelled out so the address always reads as upper-case digits at
    // the pointer's width.
    const char* format = "Exception %s in module %s at %0*llX.\n%s%s";
    auto offset = static_cast<unsigned long long>(where.offset);
    int length = std::snprintf(nullptr, 0, format, error.typeName.c_str(), where.modulePath.c_str(),
                               AddressDigits, offset, error.message.c_str(), "");
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, error.typeName.c_str(),
                  where.modulePath.c_str(), AddressDigits, offset, error.message.c_str(), "");
    return text;
}

std::string runtimeErrorText(int number, std::uintptr_t address) {
    char text[64];
    std::snprintf(text, sizeof text, "Runtime error%4d at %0*llX", number, AddressDigits,
                  static_cast<unsigned long long>(address));
    return text;
}

int runtimeErrorNumber(unsigned long exceptionCode) {
    switch (exceptionCode) {
        case EXCEPTION_INT_DIVIDE_BY_ZERO:
        case EXCEPTION_FLT_DIVIDE_BY_ZERO:
            return 200;
        case EXCEPTION_STACK_OVERFLOW:
            return 202;
        case EXCEPTION_INT_OVERFLOW:
        case EXCEPTION_FLT_OVERFLOW:
            return 215;
        case EXCEPTION_ACCESS_VIOLATION:
            return 216;
        case EXCEPTION_PRIV_INSTRUCTION:
            return 218;
        default:
            // Anything else, std::terminate included, is an error nothing handled.
            return 217;
    }
}

void ShowFatalExceptionAndExit(std::exception_ptr error) {
    if (reporting) {
        return;
    }
    reporting = true;
    EscapedException escaped = describeException(error);
    std::string text = exceptionBoxText(escaped, locateCode(escaped.address));
    MessageBoxA(nullptr, text.c_str(), nullptr, MB_TASKMODAL | MB_ICONERROR);
    // The main window goes without its close handler; with no view left, the finalisation
    // of the statics frees the rich-edit library. This call never returns to the callback
    // that raised the error.
    if (Form* mainForm = Application::mainForm()) {
        mainForm->destroy();
    }
    std::exit(1);
}

void RuntimeErrorExit(int number, const void* address) {
    std::string text = runtimeErrorText(number, reinterpret_cast<std::uintptr_t>(address));
    MessageBoxA(nullptr, text.c_str(), "Error", MB_OK);
    ExitProcess(static_cast<UINT>(number));
}

void installRuntimeErrorTraps() {
    SetUnhandledExceptionFilter(unhandledFault);
    std::set_terminate(terminated);
}
