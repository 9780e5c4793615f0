// The number rule every field is read by, and what an amount box accepts. The bank's boxes and
// the trip there are walked in tests/transcripts/frmBank.txt and frmMain.txt.
#include <gtest/gtest.h>

#include "framework/number.h"

using namespace brankor;

// What a field reads as a number, and what a text box accepts as an amount.
TEST(NumberRule, ReadsTheLongestLeadingDecimalNumberAndAcceptsOnlyAWholeOneInABox) {
    const std::pair<const char*, double> cases[] = {
        {"OK", 0},       {"Пока нет", 0}, {"", 0},      {"8 уровень", 8}, {"-12", -12},
        {"  42abc", 42}, {"+7", 7},       {"1.5", 1.5}, {".5", 0.5},      {"3.", 3},
        {"-", 0},        {".", 0},        {"1e3", 1},   {"05", 5}};  // no exponents: "1e3" reads 1
    for (const auto& [text, number] : cases) EXPECT_DOUBLE_EQ(readNumber(text), number) << text;
    std::string written = writeNumber(-0.0) + " " + writeNumber(2.5);
    for (const char* text : {"2.7", "-2.5"}) written += " " + std::to_string(wholeNumber(text));
    EXPECT_EQ(written, "0 2.5 2 -3");
    for (const char* yes : {"12", " 7", "1.5", "-3", "+4", ".5", "5.", "7 "})
        EXPECT_TRUE(isNumber(yes)) << yes;
    for (const char* no : {"abc", "-", ".", "1e3", "", " ", "12a", "1.2.3"})
        EXPECT_FALSE(isNumber(no)) << no;
}
