// The number rule every field is read and written by.
#include <gtest/gtest.h>

#include "core/number.h"

using namespace brankor;

TEST(NumberRule, ReadsTheLongestLeadingDecimalNumberAndWritesPlainText) {
    const std::pair<const char*, double> cases[] = {
        {"OK", 0},       {"Пока нет", 0}, {"", 0},      {"8 уровень", 8}, {"-12", -12},
        {"  42abc", 42}, {"+7", 7},       {"1.5", 1.5}, {".5", 0.5},      {"3.", 3},
        {"-", 0},        {".", 0},        {"1e3", 1},   {"05", 5}};  // no exponents: "1e3" reads 1
    for (const auto& [text, number] : cases) EXPECT_DOUBLE_EQ(readNumber(text), number) << text;
    std::string written;
    for (const double n : {170.0, -4.0, 0.0, -0.0, 2.5}) written += writeNumber(n) + " ";
    EXPECT_EQ(written, "170 -4 0 0 2.5 ");
    std::string money = "-12", counter = "OK";
    addNumber(money, 3);
    addNumber(counter, 1);
    EXPECT_EQ(money + " " + counter, "-9 1");
    EXPECT_EQ(std::to_string(wholeNumber("2.7")) + " " + std::to_string(wholeNumber("-2.5")),
              "2 -3");
    for (const auto& [wide, clamped] : {std::pair{40000, 32767}, {-40000, -32768}, {-5, -5}})
        EXPECT_EQ(clampToInt16(wide), clamped);
}

// What a text box accepts as an amount.
TEST(NumberRule, NumericTestOfTextBoxes) {
    for (const char* yes : {"12", " 7", "1.5", "-3", "+4", ".5", "7 "})
        EXPECT_TRUE(isNumber(yes)) << yes;
    for (const char* no : {"abc", "-", ".", "1e3", "", " ", "12a", "1.2.3"})
        EXPECT_FALSE(isNumber(no)) << no;
}
