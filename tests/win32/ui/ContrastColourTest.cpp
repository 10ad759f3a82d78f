// The caption colour chosen for a colour swatch.
#include <gtest/gtest.h>

#include "ui/ContrastColour.h"

TEST(ContrastColour, EachChannelFlipsBetween128And129) {
    EXPECT_EQ(ContrastColour(RGB(0, 0, 0)), 0x00FFFFFFu);
    EXPECT_EQ(ContrastColour(RGB(255, 255, 255)), 0x00000000u);
    EXPECT_EQ(ContrastColour(0x00F8E6D6), 0x00000000u);
    EXPECT_EQ(ContrastColour(RGB(128, 128, 128)), 0x00FFFFFFu);
    EXPECT_EQ(ContrastColour(RGB(129, 129, 129)), 0x00000000u);
    EXPECT_EQ(ContrastColour(RGB(255, 0, 0)), RGB(0, 255, 255));
    EXPECT_EQ(ContrastColour(RGB(128, 129, 0)), RGB(255, 0, 255));
}

TEST(ContrastColour, SystemColoursAreResolvedFirst) {
    // Read unresolved, 0x80000005 would be the nearly black RGB(5, 0, 0) and give white.
    COLORREF window = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(ContrastColour(0x80000005), ContrastColour(window));
    ASSERT_GT(GetRValue(window), 128) << "test assumes a light window colour";
    EXPECT_NE(ContrastColour(0x80000005), 0x00FFFFFFu);
    EXPECT_EQ(ContrastColour(0x8000000F), ContrastColour(GetSysColor(COLOR_BTNFACE)));
}
