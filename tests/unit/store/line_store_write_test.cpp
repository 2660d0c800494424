#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iterator>

#include <gtest/gtest.h>

#include "recording_pump.h"
#include "store/line_store.h"
#include "store/store_error.h"
#include "temp_folder.h"

namespace orvalen {
namespace {

namespace fs = std::filesystem;
using std::string_literals::operator""s;

class StoreWrite : public ::testing::Test {
protected:
    void Write(Lines lines, const std::string& path) {
        ReadWriteLines(path, lines, WriteMode, NormalEncoding, pump);
    }

    mode_t ModeOf(std::string_view name) const {
        struct stat status {};
        if (stat(folder.Path(name).c_str(), &status) != 0) ADD_FAILURE() << "cannot stat " << name;
        return status.st_mode & 07777;
    }

    // The save failed with reason, and nothing in the folder changed.
    void ExpectFailure(const Lines& lines, const std::string& path, int error_number) {
        const auto names_before = folder.Names();
        try {
            Write(lines, path);
            ADD_FAILURE() << "saving to " << path << " succeeded";
        } catch (const StoreError& error) {
            EXPECT_EQ(error.path(), path);
            EXPECT_EQ(error.reason(), std::strerror(error_number));
        }
        EXPECT_EQ(folder.Names(), names_before);
    }

    testing::TempFolder folder;
    testing::RecordingPump pump;
};

TEST_F(StoreWrite, WritesTheNonEmptyEntriesEachFollowedByCrLf) {
    struct Case {
        Lines lines;
        std::string bytes;
    };
    const Case cases[] = {
        {{"a", "", "b"}, "a\r\nb\r\n"},
        {{"", "", ""}, "\r\n\r\n\r\n"},
        {{"1200", "300", "emblem", "on", "on", "off"}, "1200\r\n300\r\nemblem\r\non\r\non\r\noff\r\n"},
        {{"nul\0byte \xff"s}, "nul\0byte \xff\r\n"s},
        {{}, ""},
    };
    for (const Case& c : cases) {
        Write(c.lines, folder.Path("setting.dat"));
        EXPECT_EQ(folder.Read("setting.dat"), c.bytes) << ::testing::PrintToString(c.lines);
    }
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"setting.dat"}) << "no temporary file left";
}

TEST_F(StoreWrite, LeavesTheCallersListPacked) {
    Lines lines = {"", "a", "", "b"};
    ReadWriteLines(folder.Path("setting.dat"), lines, WriteMode, NormalEncoding, pump);
    EXPECT_EQ(lines, (Lines{"a", "b"}));
}

TEST_F(StoreWrite, HandlersRunningMidSaveStillFindThePreviousFileWhole) {
    folder.Write("setting.dat", "old\r\n");
    std::vector<std::string> seen;
    testing::RecordingPump watching([&] { seen.push_back(folder.Read("setting.dat")); });
    Lines lines = {"new 1", "new 2", "new 3"};

    ReadWriteLines(folder.Path("setting.dat"), lines, WriteMode, NormalEncoding, watching);

    // Three entries looked at and copied back while packing, then three written.
    ASSERT_EQ(watching.calls, 9);
    EXPECT_EQ(seen, std::vector<std::string>(9, "old\r\n"));
    EXPECT_EQ(folder.Read("setting.dat"), "new 1\r\nnew 2\r\nnew 3\r\n");
}

TEST_F(StoreWrite, RewritesAFileWithoutWritePermissionKeepingItsOtherBits) {
    struct Case {
        mode_t before, after;
    };
    const Case cases[] = {{0444, 0644}, {0400, 0600}, {0640, 0640}, {0604, 0604}};
    for (const Case& c : cases) {
        folder.Write("setting.dat", "old\r\n");
        ASSERT_EQ(chmod(folder.Path("setting.dat").c_str(), c.before), 0);
        Write({"new"}, folder.Path("setting.dat"));
        EXPECT_EQ(folder.Read("setting.dat"), "new\r\n") << std::oct << c.before;
        EXPECT_EQ(ModeOf("setting.dat"), c.after) << std::oct << c.before;
    }
}

TEST_F(StoreWrite, ANewFileIsPrivateToItsOwner) {
    Write({"new"}, folder.Path("setting.dat"));
    EXPECT_EQ(ModeOf("setting.dat"), 0600u);
}

TEST_F(StoreWrite, ReplacesTheFileALinkPointsToAndKeepsTheLink) {
    fs::create_directory(folder.Path("real"));
    struct Case {
        std::string link_text;
        bool target_exists;
    };
    const Case cases[] = {
        {"real/target.dat", true},
        {folder.Path("real/target.dat"), true},
        {"real/target.dat", false},
        {"hop.dat", true},  // hop.dat links on to real/target.dat
    };
    fs::create_symlink("real/target.dat", folder.Path("hop.dat"));
    for (const Case& c : cases) {
        fs::remove(folder.Path("real/target.dat"));
        if (c.target_exists) folder.Write("real/target.dat", "old\r\n");
        fs::remove(folder.Path("setting.dat"));
        fs::create_symlink(c.link_text, folder.Path("setting.dat"));

        Write({"new"}, folder.Path("setting.dat"));

        EXPECT_TRUE(fs::is_symlink(folder.Path("setting.dat"))) << c.link_text;
        EXPECT_EQ(fs::read_symlink(folder.Path("setting.dat")), c.link_text);
        EXPECT_EQ(folder.Read("real/target.dat"), "new\r\n") << c.link_text;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path("real")), fs::directory_iterator()), 1)
            << "no temporary file left";
    }
}

// Writing into a pipe would wait for a reader for ever; the save replaces it.
TEST_F(StoreWrite, ReplacesAPipeNamedLikeTheFileWithoutWaiting) {
    ASSERT_EQ(mkfifo(folder.Path("setting.dat").c_str(), 0644), 0);
    Write({"new"}, folder.Path("setting.dat"));
    EXPECT_TRUE(fs::is_regular_file(folder.Path("setting.dat")));
    EXPECT_EQ(folder.Read("setting.dat"), "new\r\n");
    EXPECT_EQ(ModeOf("setting.dat"), 0600u);
}

TEST_F(StoreWrite, FailsNamingThePathWhenTheTargetCannotBeReplaced) {
    fs::create_directory(folder.Path("setting.dat"));
    ExpectFailure({"new"}, folder.Path("setting.dat"), EISDIR);
    ExpectFailure({"new"}, folder.Path("missing/setting.dat"), ENOENT);
    fs::create_symlink("loop.dat", folder.Path("loop.dat"));
    ExpectFailure({"new"}, folder.Path("loop.dat"), ELOOP);
}

TEST_F(StoreWrite, FailsInAFolderWithoutWritePermissionLeavingTheOldFile) {
    if (testing::PermissionsAreIgnored()) GTEST_SKIP() << "permission bits do not stop root";
    folder.Write("setting.dat", "old\r\n");
    ASSERT_EQ(chmod(folder.Path("").c_str(), 0555), 0);
    ExpectFailure({"new"}, folder.Path("setting.dat"), EACCES);
    EXPECT_EQ(folder.Read("setting.dat"), "old\r\n");
}

}  // namespace
}  // namespace orvalen
