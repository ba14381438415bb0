#include "platform/Latin1Case.h"

#include <gtest/gtest.h>

namespace {

TEST(Latin1Case, MapsTheAccentedLettersAndNothingElse) {
    EXPECT_EQ(Latin1Case::UpperCase("m\xE4rta \xF6\xE9\xFE\xE0"), "M\xC4RTA \xD6\xC9\xDE\xC0");
    EXPECT_EQ(Latin1Case::LowerCase("M\xC4RTA \xD6\xC9\xDE\xC0"), "m\xE4rta \xF6\xE9\xFE\xE0");
    // No capital in Latin-1, or no letter at all.
    EXPECT_EQ(Latin1Case::UpperCase("\xDF\xFF\xB5\xF7\xD7"
                                    "1,;"),
              "\xDF\xFF\xB5\xF7\xD7"
              "1,;");
    EXPECT_EQ(Latin1Case::LowerCase("\xD7\xDF"), "\xD7\xDF");
    for (int C = 0; C < 256; ++C) {
        const auto U = Latin1Case::Upper(static_cast<unsigned char>(C));
        EXPECT_EQ(Latin1Case::Upper(U), U) << C;
        if (U != C) {
            EXPECT_EQ(Latin1Case::Lower(U), C) << C;
        }
    }
    EXPECT_EQ(Latin1Case::AsciiUpperCase("visit\xF6r"), "VISIT\xF6R");
}

} // namespace
