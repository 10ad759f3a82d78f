#include "reader/TextZoom.h"

#include <gtest/gtest.h>

namespace {

TEST(TextZoom, StepsWalkTheListBothWaysAndStopAtItsEnds) {
    EXPECT_EQ(rules::StepTextZoom(100, 1), 110);
    EXPECT_EQ(rules::StepTextZoom(100, -1), 90);
    EXPECT_EQ(rules::StepTextZoom(100, 3), 150);
    EXPECT_EQ(rules::StepTextZoom(150, -4), 90);
    EXPECT_EQ(rules::StepTextZoom(300, 1), 300);
    EXPECT_EQ(rules::StepTextZoom(50, -1), 50);
    EXPECT_EQ(rules::StepTextZoom(100, 40), 300);
    EXPECT_EQ(rules::StepTextZoom(100, -40), 50);
    EXPECT_EQ(rules::StepTextZoom(175, 0), 175);
    // Every step up and back down returns where it started.
    for (int zoom : rules::TextZoomSteps) {
        SCOPED_TRACE(zoom);
        if (zoom != rules::TextZoomSteps.back()) {
            EXPECT_EQ(rules::StepTextZoom(rules::StepTextZoom(zoom, 1), -1), zoom);
        }
    }
}

TEST(TextZoom, ASizeBetweenStepsGoesToTheNearestStepOnTheWay) {
    EXPECT_EQ(rules::StepTextZoom(105, 1), 110);
    EXPECT_EQ(rules::StepTextZoom(105, -1), 100);
    EXPECT_EQ(rules::StepTextZoom(105, 0), 100);
    EXPECT_EQ(rules::StepTextZoom(20, 1), 50);
    EXPECT_EQ(rules::StepTextZoom(20, 2), 67);
    EXPECT_EQ(rules::StepTextZoom(400, -1), 300);
    EXPECT_EQ(rules::StepTextZoom(400, -2), 250);
}

TEST(TextZoom, TheMessageNamesTheSizeInIndonesian) {
    EXPECT_EQ(rules::TextZoomMessage(150), "Ukuran teks 150%");
    EXPECT_EQ(rules::TextZoomMessage(67), "Ukuran teks 67%");
}

}  // namespace
