#include <gtest/gtest.h>

#include "core/KeyFilter.h"

using tervalo::core::numericKeyFilter;

TEST(NumericKeyFilter, DigitsPassUnchanged) {
    for (int key = '0'; key <= '9'; ++key) {
        EXPECT_EQ(numericKeyFilter(key), key) << key;
    }
    EXPECT_EQ(numericKeyFilter('7'), '7');
}

TEST(NumericKeyFilter, PointBackspaceAndLineKeysPass) {
    EXPECT_EQ(numericKeyFilter('.'), '.');
    EXPECT_EQ(numericKeyFilter(8), 8);
    EXPECT_EQ(numericKeyFilter(10), 10);
    EXPECT_EQ(numericKeyFilter(13), 13);
}

TEST(NumericKeyFilter, MinusCommaAndExponentLetterAreDropped) {
    EXPECT_EQ(numericKeyFilter('-'), 0);
    EXPECT_EQ(numericKeyFilter(','), 0);
    EXPECT_EQ(numericKeyFilter('e'), 0);
    EXPECT_EQ(numericKeyFilter('E'), 0);
    EXPECT_EQ(numericKeyFilter('+'), 0);
}

TEST(NumericKeyFilter, EveryOtherCodeIsDropped) {
    for (int key = 0; key < 256; ++key) {
        const bool kept = key == 8 || key == 10 || key == 13 || key == '.' || (key >= '0' && key <= '9');
        EXPECT_EQ(numericKeyFilter(key), kept ? key : 0) << key;
    }
    EXPECT_EQ(numericKeyFilter(' '), 0);
    EXPECT_EQ(numericKeyFilter(9), 0);
    EXPECT_EQ(numericKeyFilter(27), 0);
    EXPECT_EQ(numericKeyFilter('/'), 0);
    EXPECT_EQ(numericKeyFilter(':'), 0);
    EXPECT_EQ(numericKeyFilter(-1), 0);
    EXPECT_EQ(numericKeyFilter(0x10000 + '5'), 0);
}
