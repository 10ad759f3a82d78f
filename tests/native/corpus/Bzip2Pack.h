#pragma once
#include <bzlib.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// text packed as one bzip2 stream at block size 900k, as the build packs the resources.
inline std::string pack(const std::string& text) {
    // bzip2's documented bound: 1% more plus 600 bytes.
    std::vector<char> out(text.size() + text.size() / 100 + 600);
    unsigned length = static_cast<unsigned>(out.size());
    const int rc = BZ2_bzBuffToBuffCompress(out.data(), &length, const_cast<char*>(text.data()),
                                            static_cast<unsigned>(text.size()), 9, 0, 0);
    EXPECT_EQ(rc, BZ_OK);
    return std::string(out.data(), length);
}
