#include "store/save_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string_view>

#include "common/event_pump.h"
#include "store/paths.h"
#include "store/store_error.h"

namespace orvalen {
namespace {

class SystemSteps final : public SaveSteps {
public:
    int CreateTemporary(char* name_template) override { return mkstemp(name_template); }
    int SetMode(int fd, mode_t mode) override { return fchmod(fd, mode); }
    ssize_t Write(int fd, const void* data, std::size_t size) override { return write(fd, data, size); }
    int Sync(int fd) override { return fsync(fd); }
    int Close(int fd) override { return close(fd); }
    int Rename(const char* from, const char* to) override { return rename(from, to); }
    int Remove(const char* path) override { return unlink(path); }
};

// Linux gives up on longer chains as well.
constexpr int MaxLinksFollowed = 40;
constexpr mode_t NewFileMode = S_IRUSR | S_IWUSR;
constexpr std::string_view LineEnd = "\r\n";

// The file a chain of symbolic links ends in, which need not exist yet.
std::string FinalTarget(const std::string& path) {
    std::string target = path;
    for (int links = 0; links <= MaxLinksFollowed; ++links) {
        struct stat status {};
        if (lstat(target.c_str(), &status) != 0) {
            if (errno == ENOENT) return target;
            throw StoreError::FromErrno(path, errno);
        }
        if (!S_ISLNK(status.st_mode)) return target;
        std::error_code error;
        const std::string link = std::filesystem::read_symlink(target, error).string();
        if (error) throw StoreError::FromErrno(path, error.value());
        target = link.starts_with(PathSeparator) ? link : JoinPath(FolderOf(target), link);
    }
    throw StoreError::FromErrno(path, ELOOP);
}

mode_t ReplacementMode(const std::string& target, const std::string& reported_path) {
    struct stat status {};
    if (stat(target.c_str(), &status) != 0) {
        if (errno == ENOENT) return NewFileMode;
        throw StoreError::FromErrno(reported_path, errno);
    }
    return S_ISREG(status.st_mode) ? (status.st_mode & 0777) | S_IWUSR : NewFileMode;
}

// Owns the temporary file until it has been renamed over the target: on any
// way out before that, it is closed and removed.
class TemporaryFile final {
public:
    TemporaryFile(SaveSteps& steps, const std::string& target, std::string reported_path)
        : steps_(steps),
          reported_path_(std::move(reported_path)),
          // Hidden, so that no file search ever matches a leftover one.
          name_(JoinPath(FolderOf(target), "." + std::string(NameOf(target)) + ".XXXXXX")),
          fd_(steps_.CreateTemporary(name_.data())) {
        if (fd_ < 0) throw StoreError::FromErrno(reported_path_, errno);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    ~TemporaryFile() {
        // Only reached here on a failure, which is already on its way up.
        if (fd_ >= 0) steps_.Close(fd_);
        if (!renamed_) steps_.Remove(name_.c_str());
    }

    void SetMode(mode_t mode) { Check(steps_.SetMode(fd_, mode)); }

    void Write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = steps_.Write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) Fail(written == 0 ? EIO : errno);
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    void SyncAndClose() {
        Check(steps_.Sync(fd_));
        const int fd = fd_;
        fd_ = -1;  // closed even when close reports an error
        Check(steps_.Close(fd));
    }

    void RenameOver(const std::string& target) {
        Check(steps_.Rename(name_.c_str(), target.c_str()));
        renamed_ = true;
    }

private:
    void Check(int result) const {
        if (result != 0) Fail(errno);
    }
    [[noreturn]] void Fail(int error_number) const {
        throw StoreError::FromErrno(reported_path_, error_number);
    }

    SaveSteps& steps_;
    const std::string reported_path_;
    std::string name_;
    int fd_;
    bool renamed_ = false;
};

}  // namespace

SaveSteps& SystemSaveSteps() {
    static SystemSteps steps;
    return steps;
}

void SaveLines(const std::string& path, const Lines& lines, EventPump& pump, SaveSteps& steps) {
    const std::string target = FinalTarget(path);
    const mode_t mode = ReplacementMode(target, path);

    TemporaryFile temporary(steps, target, path);
    temporary.SetMode(mode);
    for (const std::string& entry : lines) {
        pump.DoEvents();
        temporary.Write(entry + std::string(LineEnd));
    }
    temporary.SyncAndClose();
    temporary.RenameOver(target);
}

}  // namespace orvalen
