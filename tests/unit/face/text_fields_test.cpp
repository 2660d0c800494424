#include "face/text_fields.h"

#include <gtest/gtest.h>

namespace orvalen {
namespace {

struct FieldCase {
    std::string_view text;
    std::string_view delimiter;
    int n;
    std::string_view field;
};

TEST(GetField, TakesTheNthFieldAndTheOddCasesAsTheClockTextsNeedThem) {
    const FieldCase cases[] = {
        {"9:05:07", ":", 1, "9"},        {"9:05:07", ":", 2, "05"},      {"9:05:07", ":", 3, "07"},
        {"9:05:07", ":", 4, ""},         {"2003/04/19", "/", 3, "19"},   {"2003/04/19", "/", 1, "2003"},
        {"plain", ":", 1, "plain"},      {"plain", ":", 2, ""},          {"ends:", ":", 2, ""},
        {"a:b:c", ":", 0, "c"},          {"a:b:c", ":", -5, "c"},        {"a::c", ":", 2, ""},
        {"a<>b<>c", "<>", 2, "b"},       {"", ":", 1, ""},
    };
    for (const FieldCase& c : cases)
        EXPECT_EQ(GetField(c.text, c.delimiter, c.n), c.field) << c.text << " n=" << c.n;
}

TEST(NumericValue, ReadsOnlyTheLeadingDigits) {
    EXPECT_EQ(NumericValue("07"), 7);
    EXPECT_EQ(NumericValue("19abc"), 19);
    EXPECT_EQ(NumericValue(""), 0);
    EXPECT_EQ(NumericValue(":5"), 0);
    EXPECT_EQ(NumericValue(" 5"), 0);
    EXPECT_GT(NumericValue("99999999999999999999"), 0);  // capped, never overflows
}

}  // namespace
}  // namespace orvalen
