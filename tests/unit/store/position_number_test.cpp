#include "store/position_number.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace orvalen {
namespace {

using std::string_literals::operator""s;
constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();

struct Case {
    std::string line;
    std::optional<std::int32_t> number;
};

void ExpectNumbers(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(PositionNumber(c.line), c.number) << ::testing::PrintToString(c.line);
    }
}

TEST(PositionNumber, ReadsTheDecimalNumberAtTheStartOfTheLine) {
    ExpectNumbers({
        {"1200", 1200},
        {"-300", -300},
        {"+7", 7},
        {"  42abc", 42},
        {"1.2.3", 1},
        {"1,5", 1},
        {"12\0" "34"s, 12},
        {"00000000000000000000012", 12},
    });
}

TEST(PositionNumber, SkipsBlanksTabsAndLineFeedsInsideTheNumber) {
    ExpectNumbers({
        {"1 2 0", 120},
        {" \t\n-\t4 5", -45},
        {"1 . 5 E 3", 1500},
        {"&H 1F 4", 500},
        {"12\r34", 12},
    });
}

TEST(PositionNumber, GivesZeroWithoutANumberAtTheStart) {
    ExpectNumbers({{"", 0}, {"abc", 0}, {"-", 0}, {".", 0}, {"E5", 0}, {"inf", 0}, {"nan", 0}, {"x12", 0}});
}

TEST(PositionNumber, RoundsHalfToEven) {
    ExpectNumbers({
        {"12.5", 12},
        {"13.5", 14},
        {"-2.5", -2},
        {"-3.5", -4},
        {"12.49", 12},
        {"12.51", 13},
        {".5", 0},
        {"-0.4", 0},
    });
}

TEST(PositionNumber, ReadsExponentsWithEOrD) {
    ExpectNumbers({
        {"1.5E3", 1500},
        {"1.5e3", 1500},
        {"1.5D3", 1500},
        {"1.5d+3", 1500},
        {"15E-1", 2},
        {"25e-1", 2},
        {"5E", 5},
        {"5E-", 5},
        {"1e-400", 0},
        {"0e999999", 0},
    });
}

TEST(PositionNumber, ReadsHexadecimalAndOctalInTwosComplement) {
    ExpectNumbers({
        {"&H1F4", 500},
        {"&h1f4", 500},
        {"&O17", 15},
        {"&o17", 15},
        {"&H7FFF", 32767},
        {"&HFFFF", -1},
        {"&H8000", -32768},
        {"&H10000", 65536},
        {"&H7FFFFFFF", Max},
        {"&H80000000", Min},
        {"&HFFFFFFFF", -1},
        {"&H0000000000000001F4", 500},
        {"&H100000000", std::nullopt},
        {"&O177777", -1},
        {"&O37777777777", -1},
        {"&O18", 1},
        {"&H", 0},
        {"&", 0},
        {"&X1", 0},
        {"-&H10", 0},
    });
}

TEST(PositionNumber, GivesNothingBeyondTheSigned32BitRange) {
    ExpectNumbers({
        {"2147483647", Max},
        {"2147483647.4", Max},
        {"2147483647.5", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483648", Min},
        {"-2147483648.5", Min},
        {"-2147483649", std::nullopt},
        {"9999999999", std::nullopt},
        {"1e400", std::nullopt},
        {"-1e400", std::nullopt},
        {"1e99999999999999999999999999", std::nullopt},
        {"1e-99999999999999999999999999", 0},
    });
}

TEST(PositionNumber, CopesWithAMillionDigits) {
    const std::string million(1 << 20, '9');
    ExpectNumbers({
        {million, std::nullopt},
        {std::string(1 << 20, '0') + "7", 7},
        {"0." + std::string(1 << 20, '0') + "1", 0},
        {"1." + million, 2},
        {"1" + million + "e-" + std::to_string(million.size()), 2},
        {"1e" + million, std::nullopt},
        {"1e-" + million, 0},
        {"&H" + million, std::nullopt},
    });
}

}  // namespace
}  // namespace orvalen
