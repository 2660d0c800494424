#include "dialog/form2.h"

#include <gtest/gtest.h>

#include "layout/display_modes.h"
#include "layout/options.h"

namespace orvalen {
namespace {

TEST(Form2Load, ShowsTheSettingsWithExactWordsOnly) {
    struct LoadCase {
        Settings settings;
        int option;
        std::array<int, 3> checks;
    };
    const LoadCase cases[] = {
        {{}, 0, {0, 1, 0}},
        {{"mini", "on", "off", "on"}, 1, {1, 0, 1}},
        {{"emblem", "off", "on", "off"}, 2, {0, 1, 0}},
        {{"Mini", "ON", "On", "yes"}, 0, {0, 0, 0}},
        {{"", "", "", ""}, 0, {0, 0, 0}},
    };
    for (const LoadCase& c : cases) {
        const Form2 dialog(c.settings);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(dialog.Option1[i], i == c.option) << c.settings.DisplayMode;
        EXPECT_EQ(dialog.Check1, c.checks) << c.settings.DisplayMode;
    }
}

struct ApplyCase {
    const char* name;
    int option;
    std::array<int, 3> checks;
    Settings before;
    Settings after;
    int heightPixels;
};

const ApplyCase ApplyCases[] = {
    {"unchanged defaults", 0, {0, 1, 0}, {}, {"normal", "off", "on", "off"}, 386},
    {"smart style stores mini", 1, {0, 1, 0}, {}, {"mini", "off", "on", "off"}, 104},
    {"emblem style", 2, {0, 1, 0}, {}, {"emblem", "off", "on", "off"}, 285},
    {"all boxes off", 0, {0, 0, 0}, {"normal", "on", "on", "on"}, {"normal", "off", "off", "off"}, 386},
    {"all boxes on", 0, {1, 1, 1}, {}, {"normal", "on", "on", "on"}, 415},
    {"odd banner word kept", 0, {0, 1, 0}, {"normal", "ON", "on", "off"}, {"normal", "ON", "on", "off"}, 386},
    {"odd banner word checked", 0, {1, 1, 0}, {"normal", "ON", "on", "off"}, {"normal", "on", "on", "off"}, 415},
    {"odd dial word unchecked", 0, {0, 0, 0}, {"Mini", "off", "On", "x"}, {"normal", "off", "off", "off"}, 386},
    {"empty banner word kept", 1, {0, 1, 1}, {"mini", "", "on", "off"}, {"mini", "", "on", "on"}, 104},
};

TEST(Form2Apply, StoresTheChoicesAndLaysTheClockOutAnew) {
    for (const ApplyCase& c : ApplyCases) {
        Settings settings = c.before;
        Form2 dialog(settings);
        dialog.SelectOption(c.option);
        dialog.Check1 = c.checks;
        MainWindow window;
        LayoutNormal(window);
        window.Left = 321;
        window.Top = -7;
        dialog.ApplySettings(settings, window);

        EXPECT_EQ(settings.DisplayMode, c.after.DisplayMode) << c.name;
        EXPECT_EQ(settings.BannerOption, c.after.BannerOption) << c.name;
        EXPECT_EQ(settings.DialOption, c.after.DialOption) << c.name;
        EXPECT_EQ(settings.AmPmOption, c.after.AmPmOption) << c.name;
        EXPECT_EQ(window.HeightPixels(), c.heightPixels) << c.name;
        EXPECT_EQ(window.CollapsedHeight, c.heightPixels * 15) << c.name;
        EXPECT_EQ(window.elements[Element::Banner].visible, c.checks[0] == 1) << c.name;
        EXPECT_EQ(window.elements[Element::SecondsDial].visible, c.checks[1] == 1) << c.name;
        EXPECT_EQ(window.elements[Element::AmMark].left, c.checks[2] ? 0.0f : 12482.64f) << c.name;
        EXPECT_EQ(window.Left, 321) << c.name;
        EXPECT_EQ(window.Top, -7) << c.name;
    }
}

TEST(Form2Apply, TurningAmPmOffPutsTheTimeRowBack) {
    Settings settings{"normal", "off", "on", "on"};
    MainWindow window;
    LayoutNormal(window);
    ApplyAmPmOption(window, "on");
    Form2 dialog(settings);
    dialog.Check1[2] = 0;
    dialog.ApplySettings(settings, window);
    EXPECT_EQ(window.elements[Element::HourTens].left, 60);
    EXPECT_EQ(window.elements[Element::SecondsDial].left, 1920);
    EXPECT_FLOAT_EQ(window.elements[Element::PmMark].left, 12482.64f);
}

TEST(Form2Drag, FollowsThePointerOnlyWhileVisibleAndPressed) {
    Form2 dialog(Settings{});
    dialog.Left = 1000;
    dialog.Top = 2000;
    DragValues drag;
    dialog.Form_MouseMove(drag, true, 50, 50);
    EXPECT_EQ(dialog.Left, 1000);
    dialog.Form_MouseDown(drag, 30, 40);
    dialog.Form_MouseMove(drag, false, 80, 90);
    EXPECT_EQ(dialog.Left, 1000) << "a hidden dialog does not move";
    dialog.Form_MouseMove(drag, true, 80, 90);
    EXPECT_EQ(dialog.Left, 1050);
    EXPECT_EQ(dialog.Top, 2050);
    dialog.Form_MouseUp(drag);
    dialog.Form_MouseMove(drag, true, 500, 500);
    EXPECT_EQ(dialog.Left, 1050);
}

}  // namespace
}  // namespace orvalen
