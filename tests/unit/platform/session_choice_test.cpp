#include "platform/session_choice.h"

#include <gtest/gtest.h>

namespace orvalen {
namespace {

struct SessionCase {
    const char* name;
    SessionFacts facts;
    bool xServerAnswers;
    bool x11;
    bool asksServer;
};

class SessionChoiceTest : public testing::TestWithParam<SessionCase> {};

TEST_P(SessionChoiceTest, TakesX11OnlyInAWaylandSessionWithAnXServer) {
    const SessionCase& c = GetParam();
    bool asked = false;
    const bool x11 = TakeX11Path(c.facts, [&] {
        asked = true;
        return c.xServerAnswers;
    });
    EXPECT_EQ(x11, c.x11);
    EXPECT_EQ(asked, c.asksServer);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, SessionChoiceTest,
    testing::Values(SessionCase{"WaylandWithXWayland", {false, true, true}, true, true, true},
                    SessionCase{"WaylandWithADisplayNobodyAnswers", {false, true, true}, false, false, true},
                    SessionCase{"WaylandWithoutX", {false, true, false}, true, false, false},
                    SessionCase{"UsersPlatformWins", {true, true, true}, true, false, false},
                    SessionCase{"X11SessionLeftToQt", {false, false, true}, true, false, false}),
    [](const testing::TestParamInfo<SessionCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvalen
