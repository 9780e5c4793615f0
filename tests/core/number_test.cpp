#include <gtest/gtest.h>

#include "core/number.h"

using namespace brankor;

TEST(NumberRule, ReadsTheLongestLeadingDecimalNumber) {
    const std::pair<const char*, double> cases[] = {
        {"OK", 0},       {"Пока нет", 0}, {"", 0},      {"8 уровень", 8}, {"-12", -12},
        {"  42abc", 42}, {"+7", 7},       {"1.5", 1.5}, {".5", 0.5},      {"3.", 3},
        {"-", 0},        {".", 0},        {"1e3", 1},   {"05", 5}};  // no exponents: "1e3" reads 1
    for (const auto& [text, number] : cases) EXPECT_DOUBLE_EQ(readNumber(text), number) << text;
}

TEST(NumberRule, WritesPlainDecimalText) {
    EXPECT_EQ(writeNumber(170), "170");
    EXPECT_EQ(writeNumber(-4), "-4");
    EXPECT_EQ(writeNumber(0), "0");
    EXPECT_EQ(writeNumber(-0.0), "0");
    EXPECT_EQ(writeNumber(2.5), "2.5");
    std::string money = "-12";
    addNumber(money, 3);
    EXPECT_EQ(money, "-9");
    std::string counter = "OK";
    addNumber(counter, 1);
    EXPECT_EQ(counter, "1");
}

TEST(NumberRule, WholePartRoundsTowardsMinusInfinity) {
    EXPECT_EQ(wholeNumber("2.7"), 2);
    EXPECT_EQ(wholeNumber("-2.5"), -3);
    EXPECT_EQ(wholeNumber("abc"), 0);
}

TEST(NumberRule, NumericTestOfTextBoxes) {
    for (const char* yes : {"12", " 7", "1.5", "-3", "+4", ".5", "7 "})
        EXPECT_TRUE(isNumber(yes)) << yes;
    for (const char* no : {"abc", "-", ".", "1e3", "", " ", "12a", "1.2.3"})
        EXPECT_FALSE(isNumber(no)) << no;
}

TEST(NumberRule, SixteenBitClamp) {
    EXPECT_EQ(clampToInt16(40000), 32767);
    EXPECT_EQ(clampToInt16(-40000), -32768);
    EXPECT_EQ(clampToInt16(-5), -5);
}
