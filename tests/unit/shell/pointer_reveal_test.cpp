#include <gtest/gtest.h>

#include "layout/display_modes.h"
#include "shell/form1.h"
#include "support/fakes.h"

namespace orvalen {
namespace {

using testing::FakeServices;

class PointerTest : public ::testing::Test {
protected:
    PointerTest() {
        services.SetTime({2003, 4, 19, 18, 10, 39});
        form.Form_Load();  // no settings file: the normal face at the design place
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) form.Timer2_Timer();
    }
    bool Revealed() const { return form.window.HeightPixels() == 407; }

    FakeServices services;
    Settings settings;
    DragValues drag;
    Form1 form{services, settings, drag};
};

TEST_F(PointerTest, ADragMovesTheWindowByThePointersTravelFromAnyHandledControl) {
    for (PointerTarget target : {PointerTarget{Element::Emblem}, PointerTarget{Element::Day},
                                 PointerTarget{Element::Friday}, PointerTarget{}}) {
        const float left = form.window.Left;
        const float top = form.window.Top;
        form.MouseDown(target, 100, 200);
        EXPECT_EQ(drag.Dragging, -1);
        // Each move adds the pointer's offset from where it was pressed.
        form.MouseMove(target, 130, 215);
        form.MouseMove(target, 160, 230);
        form.MouseUp(target);
        EXPECT_EQ(drag.Dragging, 0);
        EXPECT_EQ(form.window.Left, left + 60 + 30);
        EXPECT_EQ(form.window.Top, top + 30 + 15);
    }
}

TEST_F(PointerTest, APressOnTheRevealStripStartsNoDrag) {
    form.MouseDown(Element::RevealStrip, 10, 10);
    EXPECT_EQ(drag.Dragging, 0);
    form.MouseMove(Element::RevealStrip, 10, 10);
    EXPECT_FALSE(Revealed()) << "a move over the strip itself does nothing";
}

TEST_F(PointerTest, AMoveRevealsTheStripUntilTheTickLimitWhateverFollows) {
    form.MouseMove(Element::Emblem, 5, 5);
    EXPECT_TRUE(Revealed());
    EXPECT_TRUE(services.revealTimerEnabled);
    Ticks(150);
    form.MouseMove(Element::Emblem, 6, 6);  // does not lengthen the reveal
    EXPECT_EQ(services.revealTimerStarts, 1);
    Ticks(150);
    EXPECT_TRUE(Revealed());
    Ticks(1);  // the first collapse comes on the 301st tick
    EXPECT_EQ(form.window.Height(), form.window.CollapsedHeight);
    EXPECT_FALSE(services.revealTimerEnabled);
    EXPECT_EQ(form.RevealTicks, 1);

    form.MouseMove(Element::Emblem, 5, 5);
    Ticks(299);
    EXPECT_TRUE(Revealed());
    Ticks(1);  // later collapses on the 300th
    EXPECT_FALSE(Revealed());
}

TEST_F(PointerTest, EventsRunBeforeTheTickCounts) {
    int ticksSeen = -1;
    services.onEvents = [&] { ticksSeen = form.RevealTicks; };
    form.Timer2_Timer();
    EXPECT_EQ(ticksSeen, 0);
    EXPECT_EQ(form.RevealTicks, 1);
}

TEST_F(PointerTest, WhileTheDialogIsVisibleMovesNeitherDragNorReveal) {
    form.MouseMove(Element::Emblem, 1, 1);  // asking creates the dialog hidden
    EXPECT_EQ(services.dialogsCreated, 1);
    Ticks(301);
    services.dialogVisible = true;
    const float left = form.window.Left;
    form.MouseDown(Element::Emblem, 0, 0);
    form.MouseMove(Element::Emblem, 50, 50);
    EXPECT_EQ(form.window.Left, left);
    EXPECT_FALSE(Revealed());
    EXPECT_FALSE(services.revealTimerEnabled);
}

TEST_F(PointerTest, ClickingTheStripShrinksTheWindowAndOpensTheDialog) {
    form.MouseMove(Element::Emblem, 5, 5);
    form.Click(Element::Emblem);
    EXPECT_FALSE(services.dialogVisible) << "only the strip opens the dialog";
    form.Click(Element::RevealStrip);
    EXPECT_TRUE(services.dialogVisible);
    EXPECT_EQ(form.window.HeightPixels(), 386);  // 6105 - 316.097 twips
    Ticks(301);
    EXPECT_EQ(form.window.Height(), 5790);
    EXPECT_FALSE(services.revealTimerEnabled);
}

TEST_F(PointerTest, TheStripIsRevealedBelowTheCollapsedHeightOfEachFace) {
    LayoutMini(form.window);
    form.MouseMove(Element::Day, 1, 1);
    EXPECT_EQ(form.window.HeightPixels(), 125);  // 1560 + 316.097 twips
}

}  // namespace
}  // namespace orvalen
