#include "store/lines.h"

#include <gtest/gtest.h>

#include "recording_pump.h"

namespace orvalen {
namespace {

TEST(ClearLines, LeavesExactlyOneEmptyEntry) {
    for (Lines lines : {Lines{}, Lines{"a", "b"}, Lines{""}}) {
        ClearLines(lines);
        EXPECT_EQ(lines, Lines{""});
    }
}

TEST(PackLines, DropsEmptyEntriesUnlessAllAreEmpty) {
    struct Case {
        Lines given, packed;
    };
    const Case cases[] = {
        {{"a", "", "b"}, {"a", "b"}},
        {{"", "", "x", ""}, {"x"}},
        {{"a", "b"}, {"a", "b"}},
        {{" ", "", "\t"}, {" ", "\t"}},
        {{"", "", ""}, {"", "", ""}},
        {{""}, {""}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        Lines lines = c.given;
        testing::RecordingPump pump;
        PackLines(lines, pump);
        EXPECT_EQ(lines, c.packed) << ::testing::PrintToString(c.given);
        // Once per entry looked at, once per entry copied back.
        EXPECT_EQ(pump.calls, static_cast<int>(c.given.size() + c.packed.size()))
            << ::testing::PrintToString(c.given);
    }
}

}  // namespace
}  // namespace orvalen
