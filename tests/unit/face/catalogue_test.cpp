#include <gtest/gtest.h>

#include <set>

#include "face/elements.h"
#include "face/pictures.h"

namespace orvalen {
namespace {

TEST(PictureCatalogue, NamesAndSizesEveryPictureAndBank) {
    EXPECT_EQ(PictureFile(picture::TitleBar), "title-bar.png");
    EXPECT_EQ(PictureFile(BankEntry(Bank::LargeDigits, 10)), "large-digits/blank.png");
    EXPECT_EQ(PictureFile(BankEntry(Bank::Numbers, 0)), "numbers/1.png");
    EXPECT_EQ(PictureFile(BankEntry(Bank::Numbers, 30)), "numbers/31.png");
    EXPECT_EQ(PictureFile(BankEntry(Bank::Marks, PmBright)), "marks/pm-bright.png");
    EXPECT_EQ(PictureFile(BankEntry(Bank::BrightWeekdays, 1)), "weekdays/mon-bright.png");
    EXPECT_EQ(PictureFile(BankEntry(Bank::DimWeekdays, 6)), "weekdays/sat-dim.png");
    EXPECT_EQ(PictureFile(BankEntry(Bank::DialFrames, 119)), "dial/119.png");
    EXPECT_EQ(PictureFile(PictureCount - 1), "dial/119.png");

    EXPECT_EQ(PictureSize(BankEntry(Bank::BrightWeekdays, 1)), (PixelSize{47, 21}));
    EXPECT_EQ(PictureSize(BankEntry(Bank::BrightWeekdays, 2)), (PixelSize{36, 21}));
    EXPECT_EQ(PictureSize(BankEntry(Bank::Marks, AmDim)), (PixelSize{24, 15}));
    EXPECT_EQ(PictureSize(BankEntry(Bank::Marks, AmBright)), (PixelSize{24, 16}));
    EXPECT_EQ(PictureSize(picture::DialStart), (PixelSize{26, 25}));
    EXPECT_EQ(PictureSize(picture::DialogBackground), (PixelSize{294, 170}));

    std::set<std::string> files;
    for (PictureId id = 0; id < PictureCount; ++id) files.insert(PictureFile(id));
    EXPECT_EQ(files.size(), static_cast<std::size_t>(PictureCount)) << "two pictures share a file";
}

TEST(DisplaySurface, StackingRanksAreAPermutationWithEmblemOnTopAndPanelAtTheBottom) {
    const auto order = PaintOrder();
    std::set<Element> seen(order.begin(), order.end());
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(ElementCount));
    EXPECT_EQ(order.front(), Element::BottomPanel);
    EXPECT_EQ(order.back(), Element::Emblem);
    // Tuesday's label lies over the overhang of Monday's wide bright label.
    const auto rank = [&](Element e) { return std::find(order.begin(), order.end(), e) - order.begin(); };
    EXPECT_GT(rank(Element::Tuesday), rank(Element::Monday));
}

TEST(DisplaySurface, FormNamesMatchTheSlotArrays) {
    EXPECT_EQ(Definition(ReadoutSlot(13)).formName, "Image9(13)");
    EXPECT_EQ(Definition(WeekdaySlot(6)).formName, "Image12(6)");
    EXPECT_EQ(Definition(Element::RevealStrip).formName, "Image17");
    EXPECT_EQ(Definition(Element::RevealStrip).events, OpensOnClick);
    EXPECT_EQ(Definition(Element::Sunday).events, Drags);
}

}  // namespace
}  // namespace orvalen
