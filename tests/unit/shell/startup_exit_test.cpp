#include <sys/stat.h>

#include <gtest/gtest.h>

#include "shell/form1.h"
#include "store/temp_folder.h"
#include "support/fakes.h"

namespace orvalen {
namespace {

using testing::FakeServices;
using testing::ProgramEnded;
using testing::TempFolder;

// A clock whose program folder is a fresh temporary folder.
struct Rig {
    Rig() {
        services.folder = folder.Path("");
        services.SetTime({2003, 4, 19, 18, 10, 39});
    }
    void Start(std::optional<std::string_view> file) {
        if (file) folder.Write("setting.dat", *file);
        form.Form_Load();
    }
    std::string SaveAndRead() {
        EXPECT_THROW(form.SaveAndExit(), ProgramEnded);
        return folder.Read("setting.dat");
    }

    TempFolder folder;
    FakeServices services;
    Settings settings;
    DragValues drag;
    Form1 form{services, settings, drag};
};

class StartupTest : public ::testing::Test, protected Rig {};

struct StartCase {
    const char* name;
    std::optional<std::string_view> file;
    float left;
    float top;
    int heightPixels;  // which face, and whether the banner grew it
    bool dialVisible;
    bool amPmShown;
    Settings settings;
};

constexpr float DesignLeft = 5295;
constexpr float DesignTop = 3540;

const StartCase StartCases[] = {
    {"no file", std::nullopt, DesignLeft, DesignTop, 386, true, false, {}},
    {"empty file", "", DesignLeft, DesignTop, 386, true, false, {}},
    {"one line", "100\r\n", DesignLeft, DesignTop, 386, true, false, {}},
    {"two lines", "100\r\n200", 100, 200, 386, true, false, {}},
    {"three lines", "100\r\n200\r\nemblem\r\n", 100, 200, 285, true, false, {"emblem", "off", "on", "off"}},
    {"all six", "0\r\n0\r\nmini\r\non\r\noff\r\non\r\n", 0, 0, 133, false, true, {"mini", "on", "off", "on"}},
    {"Mini", "1\r\n2\r\nMini\r\n", 1, 2, 386, true, false, {"Mini", "off", "on", "off"}},
    {"EMBLEM", "1\r\n2\r\nEMBLEM\r\n", 1, 2, 386, true, false, {"EMBLEM", "off", "on", "off"}},
    {"banner ON", "1\r\n2\r\nnormal\r\nON\r\n", 1, 2, 386, true, false, {"normal", "ON", "on", "off"}},
    {"dial OFF", "1\r\n2\r\nnormal\r\noff\r\nOFF\r\n", 1, 2, 386, true, false, {"normal", "off", "OFF", "off"}},
    {"dial no", "1\r\n2\r\nnormal\r\noff\r\nno\r\n", 1, 2, 386, true, false, {"normal", "off", "no", "off"}},
    {"am/pm On", "1\r\n2\r\nnormal\r\noff\r\non\r\nOn\r\n", 1, 2, 386, true, false, {"normal", "off", "on", "On"}},
    {"halves to even", "12.5\r\n13.5\r\n", 12, 14, 386, true, false, {}},
    {"letters only", "abc\r\nxyz\r\n", 0, 0, 386, true, false, {}},
    {"blanks inside", "1 2 0\r\n\t4 5\r\n", 120, 45, 386, true, false, {}},
    {"hex and octal", "&H1F4\r\n&O17\r\n", 500, 15, 386, true, false, {}},
    {"exponents", "1.5E3\r\n1.5D3\r\n", 1500, 1500, 386, true, false, {}},
    {"beyond 32 bits", "99999999999\r\n200\r\nmini\r\n", DesignLeft, DesignTop, 104, true, false,
     {"mini", "off", "on", "off"}},
    {"negative", "-300\r\n-45\r\n", -300, -45, 386, true, false, {}},
    {"empty mode line", "1\r\n2\r\n\r\non\r\n", 1, 2, 415, true, false, {"", "on", "on", "off"}},
    {"eight lines", "1\r\n2\r\nemblem\r\noff\r\non\r\noff\r\nx\r\ny\r\n", 1, 2, 285, true, false,
     {"emblem", "off", "on", "off"}},
    {"LF only", "7\n8\nmini\n", 7, 8, 104, true, false, {"mini", "off", "on", "off"}},
};

TEST(Startup, RestoresPositionFaceAndOptionsFromTheFile) {
    for (const StartCase& c : StartCases) {
        Rig rig;
        rig.Start(c.file);
        const Form1& f = rig.form;
        const Settings& caseSettings = rig.settings;

        EXPECT_EQ(f.window.Left, c.left) << c.name;
        EXPECT_EQ(f.window.Top, c.top) << c.name;
        EXPECT_TRUE(f.window.Visible) << c.name;
        EXPECT_EQ(f.window.HeightPixels(), c.heightPixels) << c.name;
        EXPECT_EQ(f.window.elements[Element::SecondsDial].visible, c.dialVisible) << c.name;
        EXPECT_EQ(f.window.elements[Element::AmMark].left == 0, c.amPmShown) << c.name;
        EXPECT_EQ(caseSettings.DisplayMode, c.settings.DisplayMode) << c.name;
        EXPECT_EQ(caseSettings.BannerOption, c.settings.BannerOption) << c.name;
        EXPECT_EQ(caseSettings.DialOption, c.settings.DialOption) << c.name;
        EXPECT_EQ(caseSettings.AmPmOption, c.settings.AmPmOption) << c.name;
    }
}

// The screen is 1280 x 800 pixels at the origin; one pixel of the face on
// it is enough to keep the stored place.
TEST(Startup, AStoredPlaceThatNoScreenShowsOpensAtTheDesignPlace) {
    struct Case {
        const char* name;
        std::string_view file;
        bool kept;
    };
    const Case cases[] = {
        {"last column on the screen", "19185\r\n1500\r\n", true},
        {"just beyond the right edge", "19200\r\n1500\r\n", false},
        {"last row above the screen", "1500\r\n-5775\r\n", true},
        {"wholly above the screen", "1500\r\n-5790\r\n", false},
        {"the mini face, wholly above", "1500\r\n-1560\r\nmini\r\n", false},
        {"the mini face, its last row on the screen", "1500\r\n-1545\r\nmini\r\n", true},
        {"just left of the screen", "-4245\r\n1500\r\n", false},
        {"far away", "-2000000000\r\n2000000000\r\n", false},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.Start(c.file);
        const MainWindow& w = rig.form.window;
        if (c.kept) {
            EXPECT_NE(w.Left, DesignLeft) << c.name;
        } else {
            EXPECT_EQ((std::pair{w.Left, w.Top}), (std::pair{DesignLeft, DesignTop})) << c.name;
        }
    }
}

// Whatever lies in the file, startup ends in a face: odd bytes are carried
// through as words that match nothing, and a save writes them back as read.
TEST(Startup, BadInputEndsInADefinedFace) {
    using namespace std::string_literals;
    const std::string mebibyteLine(1 << 20, 'x');
    std::string fiftyMebibytes = "45\r\n60\r\nemblem\r\n";
    for (int i = 0; i < 50; ++i) fiftyMebibytes += mebibyteLine + "\r\n";
    struct Case {
        const char* name;
        std::string bytes;
        float left, top;
        int heightPixels;
        std::string displayMode;
    };
    const Case cases[] = {
        {"binary garbage", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe"s, 0, 0, 386, "\0\0\0"s},
        {"NUL bytes", "12\0 34\r\n5\0\r\n\0mini\r\n"s, 12, 5, 386, "\0mini"s},
        {"invalid UTF-8", "15\r\n30\r\nmini\xc3\x28\r\n\xff\xfe\r\n", 15, 30, 386, "mini\xc3\x28"},
        {"a 1 MiB line", "150\r\n300\r\n" + mebibyteLine + "\r\n", 150, 300, 386, mebibyteLine},
        {"a 50 MiB file", fiftyMebibytes, 45, 60, 285, "emblem"},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.Start(c.bytes);
        EXPECT_EQ((std::pair{rig.form.window.Left, rig.form.window.Top}), (std::pair{c.left, c.top})) << c.name;
        EXPECT_EQ(rig.form.window.HeightPixels(), c.heightPixels) << c.name;
        EXPECT_EQ(rig.settings.DisplayMode, c.displayMode) << c.name;
        const std::string saved = rig.SaveAndRead();
        EXPECT_NE(saved.find("\r\n" + c.displayMode + "\r\n"), std::string::npos) << c.name;
    }
}

TEST(Startup, AFolderNamedLikeTheFileIsNoFileAndASaveCannotReplaceIt) {
    Rig rig;
    ASSERT_EQ(mkdir(rig.folder.Path("setting.dat").c_str(), 0755), 0);
    rig.Start(std::nullopt);
    EXPECT_EQ((std::pair{rig.form.window.Left, rig.form.window.Top}), (std::pair{DesignLeft, DesignTop}));
    EXPECT_THROW(rig.form.SaveAndExit(), std::runtime_error);
    EXPECT_EQ(rig.folder.Names(), std::vector<std::string>{"setting.dat"});
}

TEST_F(StartupTest, RunsTheFirstTickAndResetsTheCounters) {
    form.RevealTicks = 77;
    Start(std::nullopt);
    EXPECT_EQ(form.RevealTicks, 0);
    EXPECT_EQ(form.face.DialPosition, 390);
    EXPECT_EQ(form.window.elements[Element::HourUnits].picture, BankEntry(Bank::LargeDigits, 8));
    EXPECT_EQ(form.window.elements[Element::Saturday].picture, BankEntry(Bank::BrightWeekdays, 6));
}

TEST_F(StartupTest, FirstRunSavesSixLinesWithTheDefaults) {
    Start(std::nullopt);
    EXPECT_EQ(SaveAndRead(), "5295\r\n3540\r\nnormal\r\noff\r\non\r\noff\r\n");
}

TEST_F(StartupTest, SavesThePositionHalfToEvenAndOddWordsUnchanged) {
    Start("1\r\n2\r\nMini\r\nON\r\nyes\r\nOn\r\nextra\r\nlines\r\n");
    form.window.Left = 12.5f;
    form.window.Top = -13.5f;
    EXPECT_EQ(SaveAndRead(), "12\r\n-14\r\nMini\r\nON\r\nyes\r\nOn\r\n");
}

TEST_F(StartupTest, AnEmptyModeLineIsSavedAsNormalSoNothingShiftsOnTheNextStart) {
    Start("1\r\n2\r\n\r\noff\r\noff\r\non\r\n");
    EXPECT_EQ(SaveAndRead(), "1\r\n2\r\nnormal\r\noff\r\noff\r\non\r\n");
}

TEST_F(StartupTest, OnlyTheFaceEndsOnADoubleClick) {
    Start(std::nullopt);
    for (PointerTarget t : {PointerTarget{}, PointerTarget{Element::Sunday}, PointerTarget{Element::RevealStrip}})
        EXPECT_NO_THROW(form.DblClick(t));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{});
    for (Element e : {Element::Emblem, Element::TitleBar, Element::SecondsDial, Element::Banner,
                      Element::BottomPanel, Element::HourTens, Element::PmMark, Element::Day}) {
        Rig rig;
        rig.Start(std::nullopt);
        EXPECT_THROW(rig.form.DblClick(e), ProgramEnded) << Definition(e).formName;
        EXPECT_EQ(rig.folder.Names(), std::vector<std::string>{"setting.dat"});
    }
}

TEST_F(StartupTest, ASaveThatFailsLeavesTheOldFileAndEndsWithAnError) {
    Start("1\r\n2\r\n");
    services.folder = folder.Path("missing-folder");
    EXPECT_THROW(form.SaveAndExit(), std::runtime_error);
    EXPECT_EQ(folder.Read("setting.dat"), "1\r\n2\r\n");
}

}  // namespace
}  // namespace orvalen
