// The book's scale from the screen's work area: the book with its status
// bar and a strip of desk (800 x 560 book pixels) under a 30-pixel window
// frame, in whole twentieths, never below 1.
#include "platform/BookScale.h"

#include <gtest/gtest.h>

TEST(BookScale, TheBookFillsTheWorkAreaInWholeTwentieths) {
    const struct {
        int Width, Height;
        double Factor;
    } Cases[] = {
        {1024, 768, 1.25},  // 1024 / 800 = 1.28 is the narrower fit
        {1280, 1024, 1.60}, // exactly 1280 / 800
        {1920, 1080, 1.85}, // the height: 1050 / 560 = 1.875
        {1600, 1150, 2.00}, // both fits exactly 2
        {3840, 2160, 3.80}, // 2130 / 560 = 3.80...
        {800, 590, 1.00},   // the book at its own size
        {640, 480, 1.00},   // a small screen never shrinks the book
        {2000, 400, 1.00},  // a short wide area: the height decides
    };
    for (const auto& C : Cases)
        EXPECT_DOUBLE_EQ(BookScale::FactorFor(C.Width, C.Height), C.Factor)
            << C.Width << " x " << C.Height;
}
