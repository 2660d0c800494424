#include "store/settings.h"

#include <limits>

#include <gtest/gtest.h>

#include "recording_pump.h"
#include "store/line_store.h"
#include "temp_folder.h"

namespace orvalen {

bool operator==(const Settings& a, const Settings& b) {
    return a.DisplayMode == b.DisplayMode && a.BannerOption == b.BannerOption && a.DialOption == b.DialOption &&
           a.AmPmOption == b.AmPmOption;
}

void PrintTo(const Settings& settings, std::ostream* out) {
    *out << '{' << settings.DisplayMode << ", " << settings.BannerOption << ", " << settings.DialOption << ", "
         << settings.AmPmOption << '}';
}

namespace {

TEST(Settings, DefaultsAreNormalOffOnOff) {
    EXPECT_EQ(Settings{}, (Settings{"normal", "off", "on", "off"}));
}

TEST(SettingsLines, GivesPositionThenTheFourFieldsWithEmptyOnesAsTheirDefault) {
    struct Case {
        std::int32_t left, top;
        Settings settings;
        Lines lines;
    };
    const Case cases[] = {
        {1200, 300, {"emblem", "on", "on", "off"}, {"1200", "300", "emblem", "on", "on", "off"}},
        {-45, 0, {}, {"-45", "0", "normal", "off", "on", "off"}},
        {std::numeric_limits<std::int32_t>::min(),
         std::numeric_limits<std::int32_t>::max(),
         {"mini", "off", "off", "on"},
         {"-2147483648", "2147483647", "mini", "off", "off", "on"}},
        {5, 7, {"Mini", "ON", "yes", " off"}, {"5", "7", "Mini", "ON", "yes", " off"}},
        {5, 7, {"", "", "", ""}, {"5", "7", "normal", "off", "on", "off"}},
        {5, 7, {"emblem", "", "off", ""}, {"5", "7", "emblem", "off", "off", "off"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SettingsLines(c.left, c.top, c.settings), c.lines) << ::testing::PrintToString(c.settings);
    }
}

TEST(ApplySettingsLines, ReplacesEachFieldOnlyWhenTheFileReachesItsLine) {
    const Lines file = {"1200", "300", "emblem", "", "Off", "on", "ignored", "ignored too"};
    const Settings expected_after[] = {
        {}, {}, {},                           // 0 to 2 lines: position at most
        {"emblem", "off", "on", "off"},       // 3 lines
        {"emblem", "", "on", "off"},          // taken exactly as read
        {"emblem", "", "Off", "off"},
        {"emblem", "", "Off", "on"},
        {"emblem", "", "Off", "on"},
        {"emblem", "", "Off", "on"},
    };
    for (std::size_t count = 0; count <= file.size(); ++count) {
        Settings settings;
        ApplySettingsLines(Lines(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(count)), settings);
        EXPECT_EQ(settings, expected_after[count]) << count << " lines";
    }
}

class SettingsFile : public ::testing::Test {
protected:
    void Save(std::int32_t left, std::int32_t top, const Settings& settings) {
        Lines lines = SettingsLines(left, top, settings);
        ReadWriteLines(path, lines, WriteMode, NormalEncoding, pump);
    }

    Settings Load() {
        Lines lines;
        ReadWriteLines(path, lines, ReadMode, NormalEncoding, pump);
        Settings settings;
        ApplySettingsLines(lines, settings);
        return settings;
    }

    testing::TempFolder folder;
    const std::string path = folder.Path(SettingsFileName);
    testing::RecordingPump pump;
};

TEST_F(SettingsFile, AFirstSaveWritesSixLines) {
    Save(5295, 3540, Settings{});
    EXPECT_EQ(folder.Read(SettingsFileName), "5295\r\n3540\r\nnormal\r\noff\r\non\r\noff\r\n");
}

TEST_F(SettingsFile, OddWordsSurviveARestart) {
    const Settings odd = {"Mini", "ON", "yes", "of"};
    Save(0, 0, odd);
    EXPECT_EQ(Load(), odd);
}

TEST_F(SettingsFile, LinesAfterTheSixthAreDroppedByTheNextSave) {
    folder.Write(SettingsFileName, "1\r\n2\r\nemblem\r\non\r\noff\r\non\r\nextra\r\nmore\r\n");
    const Settings loaded = Load();
    Save(1, 2, loaded);
    EXPECT_EQ(folder.Read(SettingsFileName), "1\r\n2\r\nemblem\r\non\r\noff\r\non\r\n");
}

TEST_F(SettingsFile, AnEmptyFieldDoesNotShiftTheFollowingLines) {
    folder.Write(SettingsFileName, "1\r\n2\r\nmini\r\n\r\noff\r\non\r\n");
    const Settings loaded = Load();
    ASSERT_EQ(loaded, (Settings{"mini", "", "off", "on"}));

    Save(1, 2, loaded);

    EXPECT_EQ(Load(), (Settings{"mini", "off", "off", "on"}));
}

}  // namespace
}  // namespace orvalen
