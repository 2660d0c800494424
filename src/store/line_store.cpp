#include "store/line_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <vector>

#include "common/event_pump.h"
#include "store/file_search.h"
#include "store/save_file.h"
#include "store/store_error.h"

namespace orvalen {
namespace {

constexpr std::size_t ReadChunkSize = 64 * 1024;

// Makes a read-only file writable, as resetting its attributes to normal does.
void GiveOwnerWrite(const std::string& file) {
    struct stat status {};
    if (stat(file.c_str(), &status) != 0) throw StoreError::FromErrno(file, errno);
    if ((status.st_mode & S_IWUSR) != 0) return;
    if (chmod(file.c_str(), (status.st_mode & 07777) | S_IWUSR) != 0) {
        throw StoreError::FromErrno(file, errno);
    }
}

// Cuts bytes into lines at CR LF, a lone CR or a lone LF, across the chunks
// of one file.
class LineSplitter final {
public:
    LineSplitter(Lines& lines, EventPump& pump) : lines_(lines), pump_(pump) {}

    void Feed(std::string_view bytes) {
        if (bytes.empty()) return;
        if (after_cr_ && bytes.front() == '\n') bytes.remove_prefix(1);
        after_cr_ = false;
        while (!bytes.empty()) {
            const auto line_end = bytes.find_first_of("\r\n");
            if (line_end == std::string_view::npos) {
                line_.append(bytes);
                return;
            }
            line_.append(bytes.substr(0, line_end));
            EndLine();
            std::size_t next = line_end + 1;
            if (bytes[line_end] == '\r') {
                if (next == bytes.size()) after_cr_ = true;
                else if (bytes[next] == '\n') ++next;
            }
            bytes.remove_prefix(next);
        }
    }

    // A last line without a line end still counts.
    void EndFile() {
        if (!line_.empty()) EndLine();
        after_cr_ = false;
    }

private:
    void EndLine() {
        pump_.DoEvents();
        lines_.push_back(std::move(line_));
        line_.clear();
    }

    Lines& lines_;
    EventPump& pump_;
    std::string line_;
    bool after_cr_ = false;
};

class ReadOnlyFile final {
public:
    explicit ReadOnlyFile(const std::string& path)
        // Non-blocking, so that a pipe put in a matched file's place cannot hang the open.
        : path_(path), fd_(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) {
        if (fd_ < 0) throw StoreError::FromErrno(path_, errno);
        struct stat status {};
        if (fstat(fd_, &status) != 0) Fail(errno);
        if (!S_ISREG(status.st_mode)) throw StoreError(path_, "not a regular file");
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    // Nothing written, so nothing a failing close could lose.
    ~ReadOnlyFile() { close(fd_); }

    // The next bytes, empty at the end of the file.
    std::string_view Read(std::array<char, ReadChunkSize>& buffer) {
        for (;;) {
            const ssize_t count = read(fd_, buffer.data(), buffer.size());
            if (count >= 0) return {buffer.data(), static_cast<std::size_t>(count)};
            if (errno != EINTR) Fail(errno);
        }
    }

private:
    [[noreturn]] void Fail(int error_number) { throw StoreError::FromErrno(path_, error_number); }

    const std::string path_;
    int fd_;
};

Lines ReadAll(const std::vector<std::string>& files, EventPump& pump) {
    Lines lines;
    LineSplitter splitter(lines, pump);
    std::array<char, ReadChunkSize> buffer;
    std::size_t bytes_read = 0;
    for (const std::string& path : files) {
        ReadOnlyFile file(path);
        for (auto bytes = file.Read(buffer); !bytes.empty(); bytes = file.Read(buffer)) {
            bytes_read += bytes.size();
            if (bytes_read > MaxReadBytes) throw StoreError(path, "file too large");
            splitter.Feed(bytes);
            if (lines.size() > MaxReadLines) throw StoreError(path, "file too large");
        }
        splitter.EndFile();
    }
    if (lines.empty()) ClearLines(lines);
    return lines;
}

}  // namespace

void ReadWriteLines(const std::string& path, Lines& lines, std::string_view mode,
                    std::string_view /*encoding: entries are carried as bytes*/, EventPump& pump) {
    const std::vector<std::string> files = MatchingFiles(path);
    if (!files.empty()) GiveOwnerWrite(files.front());

    if (mode == ReadMode) {
        lines = ReadAll(files, pump);
    } else if (mode == WriteMode) {
        PackLines(lines, pump);
        SaveLines(path, lines, pump);
    }
}

std::string_view CheckFileExists(const std::string& path) {
    return MatchingFiles(path).empty() ? FileMissing : FileFound;
}

}  // namespace orvalen
