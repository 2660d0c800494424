#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <gtest/gtest.h>

#include "recording_pump.h"
#include "store/save_file.h"
#include "store/store_error.h"
#include "temp_folder.h"

namespace orvalen {
namespace {

enum class Step { CreateTemporary, SetMode, Write, Sync, Close, Rename };

struct Fault final {
    const char* name;
    Step step;
    int call;  // counted from 1
    int error_number;
};

void PrintTo(const Fault& fault, std::ostream* out) {
    *out << fault.name;
}

// The system's steps, except that one call of one step fails with an error
// number. A failing close still closes, as close does.
class FaultySteps final : public SaveSteps {
public:
    explicit FaultySteps(Fault fault) : fault_(fault) {}

    int CreateTemporary(char* name_template) override {
        return Fails(Step::CreateTemporary) ? -1 : system_.CreateTemporary(name_template);
    }
    int SetMode(int fd, mode_t mode) override { return Fails(Step::SetMode) ? -1 : system_.SetMode(fd, mode); }
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        return Fails(Step::Write) ? -1 : system_.Write(fd, data, size);
    }
    int Sync(int fd) override { return Fails(Step::Sync) ? -1 : system_.Sync(fd); }
    int Close(int fd) override {
        const int result = system_.Close(fd);
        return Fails(Step::Close) ? -1 : result;
    }
    int Rename(const char* from, const char* to) override {
        return Fails(Step::Rename) ? -1 : system_.Rename(from, to);
    }
    int Remove(const char* path) override { return system_.Remove(path); }

    bool injected() const { return injected_; }

private:
    bool Fails(Step step) {
        if (step != fault_.step || ++calls_ != fault_.call) return false;
        injected_ = true;
        errno = fault_.error_number;
        return true;
    }

    const Fault fault_;
    SaveSteps& system_ = SystemSaveSteps();
    int calls_ = 0;
    bool injected_ = false;
};

class Save : public ::testing::Test {
protected:
    void SetUp() override { folder.Write("setting.dat", OldBytes); }

    static constexpr std::string_view OldBytes = "1200\r\n300\r\nemblem\r\n";
    const Lines new_lines = {"-15", "45", "mini", "on", "off", "on"};
    testing::TempFolder folder;
    testing::RecordingPump pump;
};

class SaveFault : public Save, public ::testing::WithParamInterface<Fault> {};

TEST_P(SaveFault, LeavesThePreviousFileWholeAndNoTemporaryFile) {
    const Fault& fault = GetParam();
    FaultySteps steps(fault);
    const std::string path = folder.Path("setting.dat");
    try {
        SaveLines(path, new_lines, pump, steps);
        ADD_FAILURE() << "the save reported success";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.path(), path);
        EXPECT_EQ(error.reason(), std::strerror(fault.error_number));
        EXPECT_EQ(error.what(), path + ": " + std::strerror(fault.error_number));
    }
    EXPECT_TRUE(steps.injected()) << "the save never reached the faulty step";
    EXPECT_EQ(folder.Read("setting.dat"), OldBytes);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"setting.dat"});
}

INSTANTIATE_TEST_SUITE_P(EachStep, SaveFault,
                         ::testing::Values(Fault{"Open", Step::CreateTemporary, 1, EACCES},
                                           Fault{"KeepMode", Step::SetMode, 1, EPERM},
                                           Fault{"FirstLine", Step::Write, 1, ENOSPC},
                                           Fault{"SecondLine", Step::Write, 2, EFBIG},
                                           Fault{"MiddleLine", Step::Write, 3, EIO},
                                           Fault{"FourthLine", Step::Write, 4, ENOSPC},
                                           Fault{"FifthLine", Step::Write, 5, EINVAL},
                                           Fault{"LastLine", Step::Write, 6, EDQUOT},
                                           Fault{"Flush", Step::Sync, 1, EIO},
                                           Fault{"Close", Step::Close, 1, EIO},
                                           Fault{"Rename", Step::Rename, 1, EXDEV}),
                         [](const ::testing::TestParamInfo<Fault>& info) { return info.param.name; });

TEST_F(Save, ThroughTheSameStepsWithoutAFaultTheNewFileReplacesTheOld) {
    FaultySteps steps(Fault{"None", Step::Write, 0, 0});
    SaveLines(folder.Path("setting.dat"), new_lines, pump, steps);
    EXPECT_FALSE(steps.injected());
    EXPECT_EQ(folder.Read("setting.dat"), "-15\r\n45\r\nmini\r\non\r\noff\r\non\r\n");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"setting.dat"});
}

TEST_F(Save, AHandlerThatThrowsMidSaveLeavesThePreviousFileWhole) {
    int handled = 0;
    testing::RecordingPump throwing([&handled] {
        if (++handled == 3) throw std::runtime_error("handler failed");
    });
    EXPECT_THROW(SaveLines(folder.Path("setting.dat"), new_lines, throwing), std::runtime_error);
    EXPECT_EQ(folder.Read("setting.dat"), OldBytes);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"setting.dat"});
}

}  // namespace
}  // namespace orvalen
