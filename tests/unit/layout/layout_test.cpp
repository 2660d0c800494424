#include <gtest/gtest.h>

#include <map>

#include "common/units.h"
#include "layout/display_modes.h"
#include "layout/options.h"

namespace orvalen {
namespace {

using E = Element;

struct Spot {
    double left;
    double top;
};
using Geometry = std::map<Element, Spot>;

// The places of the normal face, before any option.
const Geometry NormalFace = {
    {E::HourTens, {60, 4800}},       {E::HourUnits, {480, 4800}},    {E::Colon, {900, 4920}},
    {E::MinuteTens, {1080, 4800}},   {E::MinuteUnits, {1500, 4800}}, {E::AmMark, {7500, 3915}},
    {E::YearThousands, {2400, 4800}}, {E::YearHundreds, {2580, 4800}}, {E::YearTens, {2760, 4800}},
    {E::YearUnits, {2940, 4800}},    {E::Month, {3180, 4800}},       {E::DateSlash, {3600, 4800}},
    {E::Day, {3780, 4800}},          {E::PmMark, {8100, 3855}},      {E::Sunday, {60, 5460}},
    {E::Monday, {660, 5460}},        {E::Tuesday, {1320, 5460}},     {E::Wednesday, {1920, 5460}},
    {E::Thursday, {2580, 5460}},     {E::Friday, {3240, 5460}},      {E::Saturday, {3780, 5460}},
    {E::SecondsDial, {1920, 5025}},  {E::TitleBar, {0, 0}},          {E::Emblem, {0, 420}},
    {E::Banner, {-60, 4650}},        {E::BottomPanel, {-15, 4635}},  {E::RevealStrip, {15, 5790}},
};

// The mini face: everything below the emblem 281 px higher, the emblem out
// to the right.
Geometry MiniFace() {
    Geometry g = NormalFace;
    const std::map<Element, double> tops = {
        {E::BottomPanel, 420}, {E::Banner, 435}, {E::Colon, 705}, {E::SecondsDial, 810}, {E::RevealStrip, 1575},
    };
    for (auto& [e, spot] : g) {
        if (e == E::TitleBar || e == E::AmMark || e == E::PmMark) continue;
        if (e == E::Emblem) spot = {12482.64, 420};
        else if (tops.count(e)) spot.top = tops.at(e);
        else spot.top = spot.top == 4800 ? 585 : 1245;
    }
    return g;
}

// The emblem face as the first layout of a run: the elements it does not
// name keep their design places.
Geometry EmblemFace() {
    Geometry g;
    for (int i = 0; i < ElementCount; ++i) g[Element(i)] = {Elements[i].left, Elements[i].top};
    g[E::TitleBar] = {2496.53, 0};
    g[E::Emblem] = {0, 0};
    g[E::Banner] = {-60, 4230};
    g[E::RevealStrip] = {15, 4260};
    return g;
}

const Element BannerDrops[] = {E::HourTens, E::HourUnits, E::Colon, E::MinuteTens, E::MinuteUnits,
                               E::YearThousands, E::YearHundreds, E::YearTens, E::YearUnits, E::Month,
                               E::DateSlash, E::Day, E::Sunday, E::Monday, E::Tuesday, E::Wednesday,
                               E::Thursday, E::Friday, E::Saturday, E::SecondsDial, E::BottomPanel,
                               E::RevealStrip};
const Element AmPmShifts[] = {E::HourTens, E::HourUnits, E::Colon, E::MinuteTens, E::MinuteUnits, E::SecondsDial};

struct FaceCase {
    const char* name;
    void (*layout)(MainWindow&);
    Geometry (*face)();
    bool banner;
    bool amPm;
    int heightPixels;
    int collapsedHeight;
};

Geometry Normal() { return NormalFace; }

const FaceCase Faces[] = {
    {"normal", LayoutNormal, Normal, false, false, 386, 5790},
    {"normal+banner", LayoutNormal, Normal, true, false, 415, 6225},
    {"normal+ampm", LayoutNormal, Normal, false, true, 386, 5790},
    {"normal+banner+ampm", LayoutNormal, Normal, true, true, 415, 6225},
    {"mini", LayoutMini, MiniFace, false, false, 104, 1560},
    {"mini+banner", LayoutMini, MiniFace, true, false, 133, 1995},
    {"mini+ampm", LayoutMini, MiniFace, false, true, 104, 1560},
    {"mini+banner+ampm", LayoutMini, MiniFace, true, true, 133, 1995},
    {"emblem", LayoutEmblem, EmblemFace, false, false, 285, 4275},
    {"emblem+banner", LayoutEmblem, EmblemFace, true, false, 314, 4710},
    {"emblem+ampm", LayoutEmblem, EmblemFace, false, true, 285, 4275},
    {"emblem+banner+ampm", LayoutEmblem, EmblemFace, true, true, 314, 4710},
};

Geometry Expected(const FaceCase& c) {
    Geometry g = c.face();
    if (c.banner)
        for (Element e : BannerDrops) g[e].top += 435;
    if (c.amPm) {
        for (Element e : AmPmShifts) g[e].left += 449.37;
        g[E::AmMark] = {0, g[E::HourTens].top};
        g[E::PmMark] = {0, g[E::HourTens].top + 255};
    }
    return g;
}

constexpr double Hundredth = 0.01 * TwipsPerPixel;

TEST(Layouts, PlaceEveryElementOfEveryFaceWithEveryOption) {
    for (const FaceCase& c : Faces) {
        MainWindow w;
        c.layout(w);
        ApplyBannerOption(w, c.banner ? "on" : "off");
        if (c.amPm) ApplyAmPmOption(w, "on");
        for (const auto& [e, spot] : Expected(c)) {
            EXPECT_NEAR(w.elements[e].left, spot.left, Hundredth) << c.name << " " << Definition(e).formName;
            EXPECT_NEAR(w.elements[e].top, spot.top, Hundredth) << c.name << " " << Definition(e).formName;
            EXPECT_EQ(w.elements[e].visible, e != E::Banner || c.banner) << c.name << " " << Definition(e).formName;
        }
        EXPECT_EQ(w.WidthPixels(), 283) << c.name;
        EXPECT_EQ(w.HeightPixels(), c.heightPixels) << c.name;
        EXPECT_EQ(w.CollapsedHeight, c.collapsedHeight) << c.name;
    }
}

TEST(Layouts, ShiftedTimeRowIsDrawnAtTheNearestPixel) {
    MainWindow w;
    LayoutNormal(w);
    ApplyAmPmOption(w, "on");
    const int expected[] = {34, 62, 90, 102, 130, 158};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(TwipsToPixels(w.elements[AmPmShifts[i]].left), expected[i]);
}

TEST(Layouts, RunningALayoutAgainGivesTheSameGeometry) {
    for (auto layout : {LayoutNormal, LayoutMini, LayoutEmblem}) {
        MainWindow once;
        layout(once);
        MainWindow twice;
        layout(twice);
        layout(twice);
        for (int i = 0; i < ElementCount; ++i) EXPECT_EQ(once.elements[Element(i)], twice.elements[Element(i)]);
        EXPECT_EQ(once.HeightPixels(), twice.HeightPixels());
        EXPECT_EQ(once.CollapsedHeight, twice.CollapsedHeight);
    }
}

TEST(Layouts, NormalAndMiniUndoTheOptionsWhateverRanBefore) {
    MainWindow fresh;
    LayoutMini(fresh);
    MainWindow used;
    LayoutNormal(used);
    ApplyBannerOption(used, "on");
    ApplyAmPmOption(used, "on");
    LayoutMini(used);
    for (Element e : BannerDrops) EXPECT_EQ(used.elements[e], fresh.elements[e]) << Definition(e).formName;
    EXPECT_FALSE(used.elements[E::Banner].visible);
    EXPECT_EQ(used.CollapsedHeight, 1560);
    EXPECT_EQ(used.elements[E::AmMark].left, 0) << "a layout never moves the marks";
}

TEST(Layouts, MiniThenEmblemLeavesTheReadoutsAtTheirMiniPlacesBehindTheEmblem) {
    MainWindow w;
    LayoutMini(w);
    LayoutEmblem(w);
    const Geometry mini = MiniFace();
    for (Element e : {E::HourTens, E::Colon, E::Day, E::Saturday, E::SecondsDial, E::BottomPanel}) {
        EXPECT_FLOAT_EQ(w.elements[e].top, mini.at(e).top);
        EXPECT_LT(TwipsToPixels(w.elements[e].top), 284) << "covered by the emblem";
    }
    EXPECT_EQ(w.elements[E::Emblem].left, 0);
}

TEST(Layouts, NeitherMoveTheWindowNorChangePicturesNorShowAHiddenDial) {
    MainWindow w;
    w.Left = -1234;
    w.Top = 987;
    w.elements.SetVisible(E::SecondsDial, false);
    w.elements.SetPicture(E::Monday, BankEntry(Bank::BrightWeekdays, 1));
    for (auto layout : {LayoutNormal, LayoutMini, LayoutEmblem, LayoutNormal}) {
        layout(w);
        EXPECT_EQ(w.Left, -1234);
        EXPECT_EQ(w.Top, 987);
        EXPECT_FALSE(w.elements[E::SecondsDial].visible);
        EXPECT_EQ(w.elements[E::Monday].picture, BankEntry(Bank::BrightWeekdays, 1));
    }
}

TEST(Options, BannerAndAmPmAreRelativeAndAmPmOffIsAbsolute) {
    MainWindow w;
    LayoutNormal(w);
    ApplyBannerOption(w, "on");
    ApplyBannerOption(w, "on");
    EXPECT_FLOAT_EQ(w.elements[E::BottomPanel].top, 4635 + 2 * 435);
    ApplyBannerOption(w, "ON");
    EXPECT_FLOAT_EQ(w.elements[E::BottomPanel].top, 4635 + 2 * 435);

    ApplyAmPmOption(w, "on");
    ApplyAmPmOption(w, "on");
    EXPECT_NEAR(w.elements[E::HourTens].left, 60 + 2 * 449.37, 0.01);
    ApplyAmPmOption(w, "yes");
    EXPECT_NEAR(w.elements[E::HourTens].left, 60 + 2 * 449.37, 0.01);
    ApplyAmPmOption(w, "off");
    ApplyAmPmOption(w, "off");
    const int standard[] = {4, 32, 60, 72, 100, 128};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(TwipsToPixels(w.elements[AmPmShifts[i]].left), standard[i]);
    EXPECT_FLOAT_EQ(w.elements[E::AmMark].left, 12482.64f);
    EXPECT_FLOAT_EQ(w.elements[E::PmMark].left, 12482.64f);
}

}  // namespace
}  // namespace orvalen
