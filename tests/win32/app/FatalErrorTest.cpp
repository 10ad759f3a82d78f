// The texts of the two error boxes and how an escaped exception is described.
#include <windows.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/FatalError.h"
#include "corpus/Exception.h"

namespace {

std::string ownModulePath() {
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

__attribute__((noinline)) void raiseDamaged() {
    raiseException("Compression Error -4 - BZ_DATA_ERROR");
}

// An address as the boxes write it in this build: 8 digits in the 32-bit program, 16 in the
// 64-bit one.
std::string padded(const std::string& digits) {
    return std::string(2 * sizeof(void*) - digits.size(), '0') + digits;
}

}  // namespace

TEST(ErrorBoxText, ExceptionBoxFillsEveryFieldWithASingleLineFeed) {
    EscapedException error{"Exception", nullptr, "Compression Error -4 - BZ_DATA_ERROR"};
    CodeLocation where{"Z:\\work\\nurvela.exe", 0x1A2B3};
    EXPECT_EQ(exceptionBoxText(error, where),
              "Exception Exception in module Z:\\work\\nurvela.exe at " + padded("1A2B3") +
                  ".\nCompression Error -4 - BZ_DATA_ERROR");
}

TEST(ErrorBoxText, RuntimeErrorRightAlignsTheNumberInFour) {
    EXPECT_EQ(runtimeErrorText(216, 0x0040ABCD), "Runtime error 216 at " + padded("40ABCD"));
    EXPECT_EQ(runtimeErrorText(5, 0xFEDCBA98), "Runtime error   5 at " + padded("FEDCBA98"));
    EXPECT_EQ(runtimeErrorText(1234, 0), "Runtime error1234 at " + padded("0"));
}

TEST(ErrorBoxText, AddressesKeepEveryDigitOfThePointer) {
    // A 64-bit image loads above 4 GB: its addresses must not be cut to 32 bits.
    const std::uintptr_t high = static_cast<std::uintptr_t>(-1) - 0x1234;
    const std::string all = sizeof(void*) == 8 ? "FFFFFFFFFFFFEDCB" : "FFFFEDCB";
    EXPECT_EQ(runtimeErrorText(216, high), "Runtime error 216 at " + all);
    EXPECT_EQ(exceptionBoxText({"Exception", nullptr, "x"}, {"m", high}),
              "Exception Exception in module m at " + all + ".\nx");
}

TEST(EscapedError, TheProgramsOwnExceptionKeepsItsNameMessageAndRaiseSite) {
    std::exception_ptr caught;
    try {
        raiseDamaged();
    } catch (...) {
        caught = std::current_exception();
    }
    EscapedException escaped = describeException(caught);
    EXPECT_EQ(escaped.typeName, "Exception");
    EXPECT_EQ(escaped.message, "Compression Error -4 - BZ_DATA_ERROR");

    // The raise site lies inside raiseDamaged, in this very module.
    CodeLocation where = locateCode(escaped.address);
    EXPECT_EQ(where.modulePath, ownModulePath());
    auto base = reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr));
    auto function = reinterpret_cast<std::uintptr_t>(&raiseDamaged);
    EXPECT_GT(where.offset + base, function);
    EXPECT_LT(where.offset + base, function + 256);
}

TEST(EscapedError, OtherExceptionsAreNamedByTheirType) {
    EscapedException escaped =
        describeException(std::make_exception_ptr(std::runtime_error("broken")));
    EXPECT_EQ(escaped.typeName, "std::runtime_error");
    EXPECT_EQ(escaped.message, "broken");
    EXPECT_EQ(describeException(std::make_exception_ptr(42)).typeName, "int");
}

TEST(EscapedError, AnUnknownAddressIsReportedAgainstTheProgram) {
    CodeLocation where = locateCode(nullptr);
    EXPECT_EQ(where.modulePath, ownModulePath());
    EXPECT_EQ(where.offset, 0u);
    // A system library's code is named by that library.
    CodeLocation inKernel = locateCode(reinterpret_cast<const void*>(&GetTickCount));
    EXPECT_NE(inKernel.modulePath, ownModulePath());
}
