#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "recording_pump.h"
#include "store/line_store.h"
#include "store/store_error.h"
#include "temp_folder.h"

namespace orvalen {
namespace {

namespace fs = std::filesystem;
using std::string_literals::operator""s;
using std::string_view_literals::operator""sv;

class StoreRead : public ::testing::Test {
protected:
    Lines Read(const std::string& path) {
        Lines lines = {"left over"};
        ReadWriteLines(path, lines, ReadMode, NormalEncoding, pump);
        return lines;
    }

    testing::TempFolder folder;
    testing::RecordingPump pump;
};

TEST_F(StoreRead, EndsLinesAtCrLfLoneCrAndLoneLf) {
    struct Case {
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"", {""}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\n", {""}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\n\nb", {"a", "", "b"}},
        {" a \t", {" a \t"}},
        {"nul\0byte \xff\xfe\r\n"s, {"nul\0byte \xff\xfe"s}},
    };
    for (const Case& c : cases) {
        folder.Write("setting.dat", c.bytes);
        pump.calls = 0;
        EXPECT_EQ(Read(folder.Path("setting.dat")), c.lines) << ::testing::PrintToString(c.bytes);
        const int lines_read = c.bytes.empty() ? 0 : static_cast<int>(c.lines.size());
        EXPECT_EQ(pump.calls, lines_read) << "once per line read: " << ::testing::PrintToString(c.bytes);
    }
}

TEST_F(StoreRead, KeepsCrLfTogetherWhereverTheFileIsCutIntoChunks) {
    for (std::size_t length = 65'530; length <= 65'540; ++length) {
        folder.Write("setting.dat", std::string(length, 'x') + "\r\ny");
        const Lines lines = Read(folder.Path("setting.dat"));
        ASSERT_EQ(lines.size(), 2u) << length;
        EXPECT_EQ(lines[0].size(), length);
        EXPECT_EQ(lines[1], "y");
    }
}

TEST_F(StoreRead, MissingFileOrFolderGivesOneEmptyEntry) {
    EXPECT_EQ(Read(folder.Path("setting.dat")), Lines{""});
    EXPECT_EQ(Read(folder.Path("no-such-folder/setting.dat")), Lines{""});
    EXPECT_EQ(CheckFileExists(folder.Path("setting.dat")), FileMissing);
}

TEST_F(StoreRead, WildcardAppendsTheFilesInByteOrderOfTheirNames) {
    // Byte order, not the order of a locale: B (0x42) _ (0x5f) a (0x61) then UTF-8 a-umlaut.
    folder.Write("a.dat", "a1\r\na2");
    folder.Write("\xc3\xa4.dat", "umlaut");
    folder.Write("B.dat", "B1\r\n");
    folder.Write("_.dat", "\r\n");
    folder.Write("a.txt", "not matched");
    const Lines all = {"B1", "", "a1", "a2", "umlaut"};

    EXPECT_EQ(Read(folder.Path("*.dat")), all);
    EXPECT_EQ(pump.calls, 5);
    EXPECT_EQ(Read(folder.Path("?.dat")), (Lines{"B1", "", "a1", "a2"}));
    EXPECT_EQ(Read(folder.Path("a.*")), (Lines{"a1", "a2", "not matched"}));
    EXPECT_EQ(Read(folder.Path("") + "/"), (Lines{"B1", "", "a1", "a2", "not matched", "umlaut"}));
}

TEST_F(StoreRead, OnlyStarAndQuestionMarkAreWildcards) {
    folder.Write("a[1].dat", "brackets");
    folder.Write("a1.dat", "plain");
    folder.Write("a\\1.dat", "backslash");
    EXPECT_EQ(Read(folder.Path("a[1].dat")), Lines{"brackets"});
    EXPECT_EQ(Read(folder.Path("a\\1.dat")), Lines{"backslash"});
}

TEST_F(StoreRead, OnlyVisibleRegularFilesMatch) {
    folder.Write("plain.dat", "plain");
    folder.Write("read-only.dat", "read-only");
    ASSERT_EQ(chmod(folder.Path("read-only.dat").c_str(), 0444), 0);
    folder.Write("target.txt", "through a link");
    fs::create_symlink("target.txt", folder.Path("link.dat"));

    folder.Write(".hidden.dat", "hidden");
    fs::create_directory(folder.Path("folder.dat"));
    folder.Write("folder.dat/inside.dat", "inside");
    ASSERT_EQ(mkfifo(folder.Path("pipe.dat").c_str(), 0644), 0);
    fs::create_symlink("gone.txt", folder.Path("dangling.dat"));
    fs::create_symlink("folder.dat", folder.Path("folder-link.dat"));

    EXPECT_EQ(Read(folder.Path("*.dat")), (Lines{"through a link", "plain", "read-only"}));
    for (const char* name : {"plain.dat", "read-only.dat", "link.dat"}) {
        EXPECT_EQ(CheckFileExists(folder.Path(name)), FileFound) << name;
    }
    for (const char* name : {".hidden.dat", "folder.dat", "pipe.dat", "dangling.dat", "folder-link.dat"}) {
        EXPECT_EQ(CheckFileExists(folder.Path(name)), FileMissing) << name;
        EXPECT_EQ(Read(folder.Path(name)), Lines{""}) << name;
    }
}

mode_t ModeOf(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) ADD_FAILURE() << "cannot stat " << path;
    return status.st_mode & 07777;
}

TEST_F(StoreRead, EveryModeFirstMakesTheFirstMatchOwnerWritable) {
    for (const std::string_view mode : {ReadMode, WriteMode, "s_read"sv, "S_Other"sv}) {
        const testing::TempFolder files;
        for (const char* name : {"a.dat", "b.dat"}) {
            files.Write(name, "x");
            ASSERT_EQ(chmod(files.Path(name).c_str(), 0444), 0);
        }
        Lines lines = {"x"};

        ReadWriteLines(files.Path("*.dat"), lines, mode, NormalEncoding, pump);

        EXPECT_EQ(ModeOf(files.Path("a.dat")), 0644u) << mode;
        EXPECT_EQ(ModeOf(files.Path("b.dat")), 0444u) << mode;
    }
}

TEST_F(StoreRead, AnyOtherModeLeavesListAndFilesAlone) {
    folder.Write("setting.dat", "kept\r\n");
    for (const std::string_view mode : {"s_read"sv, "S_READ"sv, "S_Write "sv, ""sv}) {
        Lines lines = {"", "untouched"};
        ReadWriteLines(folder.Path("setting.dat"), lines, mode, NormalEncoding, pump);
        EXPECT_EQ(lines, (Lines{"", "untouched"})) << '"' << mode << '"';
        EXPECT_EQ(folder.Read("setting.dat"), "kept\r\n") << '"' << mode << '"';
    }
    EXPECT_EQ(pump.calls, 0);
}

TEST_F(StoreRead, StopsWithFileTooLargeAndLeavesTheListAsItWas) {
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"bytes", std::string(MaxReadBytes + 1, 'x')},
        {"lines", std::string(MaxReadLines + 1, '\n')},
    };
    for (const Case& c : cases) {
        folder.Write("setting.dat", c.bytes);
        Lines lines = {"kept"};
        try {
            ReadWriteLines(folder.Path("setting.dat"), lines, ReadMode, NormalEncoding, pump);
            ADD_FAILURE() << "too many " << c.what << " read";
        } catch (const StoreError& error) {
            EXPECT_EQ(error.path(), folder.Path("setting.dat")) << c.what;
            EXPECT_EQ(error.reason(), "file too large") << c.what;
        }
        EXPECT_EQ(lines, Lines{"kept"}) << c.what;
    }
}

TEST_F(StoreRead, ReadsAFiftyMebibyteFileWhole) {
    constexpr std::size_t LineCount = 50 * 1024;
    const std::string line(1022, 'x');
    std::string bytes;
    bytes.reserve(LineCount * 1024);
    for (std::size_t i = 0; i < LineCount; ++i) bytes += line + "\r\n";
    folder.Write("setting.dat", bytes);

    const Lines lines = Read(folder.Path("setting.dat"));

    ASSERT_EQ(lines.size(), LineCount);
    EXPECT_EQ(lines.front(), line);
    EXPECT_EQ(lines.back(), line);
}

TEST_F(StoreRead, UnreadableFileOrFolderThrowsNamingItAndTheReason) {
    if (testing::PermissionsAreIgnored()) GTEST_SKIP() << "permission bits do not stop root";
    folder.Write("setting.dat", "secret");
    ASSERT_EQ(chmod(folder.Path("setting.dat").c_str(), 0200), 0);
    try {
        Read(folder.Path("setting.dat"));
        ADD_FAILURE() << "an unreadable file was read";
    } catch (const StoreError& error) {
        EXPECT_STREQ(error.what(), (folder.Path("setting.dat") + ": Permission denied").c_str());
    }

    fs::create_directory(folder.Path("closed"));
    folder.Write("closed/setting.dat", "hidden away");
    ASSERT_EQ(chmod(folder.Path("closed").c_str(), 0), 0);
    EXPECT_THROW(CheckFileExists(folder.Path("closed/setting.dat")), StoreError);
}

}  // namespace
}  // namespace orvalen
