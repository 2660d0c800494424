// Saves killed outright, at random moments, hundreds of times: whatever
// instant the kill lands on, setting.dat holds one save or the other, whole.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>

#include <gtest/gtest.h>

#include "common/event_pump.h"
#include "store/save_file.h"
#include "temp_folder.h"

namespace orvalen {
namespace {

class NoEvents final : public EventPump {
public:
    void DoEvents() override {}
};

const Lines First = {"1500", "1500", "mini", "on", "off", "on"};
const Lines Second = {"-450", "30000", "emblem", "off", "on", "off"};

std::string Bytes(const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

// Saves the two records in turn until killed.
[[noreturn]] void SaveForever(const std::string& path) {
    NoEvents pump;
    for (long n = 0;; ++n) SaveLines(path, n % 2 ? Second : First, pump);
}

TEST(SaveKilled, EveryKillLeavesOneWholeSave) {
    constexpr int Kills = 400;
    testing::TempFolder folder;
    const std::string path = folder.Path("setting.dat");
    NoEvents pump;
    SaveLines(path, First, pump);

    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
    int leftovers = 0;
    int whole = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) SaveForever(path);
        usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        const std::string bytes = folder.Read("setting.dat");
        if (bytes == Bytes(First) || bytes == Bytes(Second)) ++whole;
        else ADD_FAILURE() << "after kill " << kill << " setting.dat holds '" << bytes << "'";
        // A kill between creating the temporary file and renaming it leaves
        // the hidden file behind; the next save does not trip over it.
        for (const std::string& name : folder.Names()) {
            if (name == "setting.dat") continue;
            ++leftovers;
            std::remove(folder.Path(name).c_str());
        }
    }
    EXPECT_EQ(whole, Kills);
    std::cout << Kills << " kills: setting.dat whole after " << whole << ", " << leftovers
              << " killed between creating and renaming the temporary file\n";
}

}  // namespace
}  // namespace orvalen
