#include "store/paths.h"

#include <gtest/gtest.h>

namespace orvalen {
namespace {

TEST(JoinPath, PutsExactlyOneSeparatorBetweenFolderAndName) {
    struct Case {
        std::string_view folder, name, joined;
    };
    const Case cases[] = {
        {"/", "setting.dat", "/setting.dat"},
        {"/dir", "setting.dat", "/dir/setting.dat"},
        {"/dir/", "setting.dat", "/dir/setting.dat"},
        {"/dir//", "setting.dat", "/dir/setting.dat"},
        {"/dir", "/setting.dat", "/dir/setting.dat"},
        {"", "setting.dat", "/setting.dat"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JoinPath(c.folder, c.name), c.joined) << '"' << c.folder << "\" + \"" << c.name << '"';
    }
}

TEST(JoinPath, CollapsesEveryRunOfSeparators) {
    EXPECT_EQ(JoinPath("//home///user", "sub//setting.dat"), "/home/user/sub/setting.dat");
}

TEST(FolderOf, CutsAtTheLastSeparatorUnlessThePathEndsInOne) {
    struct Case {
        std::string_view path, folder;
    };
    const Case cases[] = {
        {"/dir/sub/file.dat", "/dir/sub"},
        {"/dir/", "/dir/"},
        {"/dat/dat", "/dat"},
        {"/setting.dat", ""},
        {"setting.dat", "."},
    };
    for (const Case& c : cases) EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
}

TEST(FolderOf, JoinedWithANameGivesAFileBesideThePath) {
    struct Case {
        std::string_view path, beside;
    };
    const Case cases[] = {
        {"/dir/sub/file.dat", "/dir/sub/other.dat"},
        {"/dir/", "/dir/other.dat"},
        {"/setting.dat", "/other.dat"},
        {"setting.dat", "./other.dat"},
    };
    for (const Case& c : cases) EXPECT_EQ(JoinPath(FolderOf(c.path), "other.dat"), c.beside) << c.path;
}

}  // namespace
}  // namespace orvalen
