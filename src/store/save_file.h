#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

#include "store/lines.h"

namespace orvalen {

class EventPump;

// The system calls of a save, each with the POSIX contract (-1 and errno on
// failure), so that a test can make any one of them fail.
class SaveSteps {
public:
    virtual int CreateTemporary(char* name_template) = 0;  // mkstemp
    virtual int SetMode(int fd, mode_t mode) = 0;          // fchmod
    virtual ssize_t Write(int fd, const void* data, std::size_t size) = 0;
    virtual int Sync(int fd) = 0;                          // fsync
    virtual int Close(int fd) = 0;
    virtual int Rename(const char* from, const char* to) = 0;
    virtual int Remove(const char* path) = 0;              // unlink

protected:
    ~SaveSteps() = default;
};

SaveSteps& SystemSaveSteps();

// Writes every entry followed by CR LF into a hidden temporary file beside
// the target and renames it over the target once all of it is on disk, so a
// failure at any point leaves the previous file whole and no temporary file
// behind; it then throws StoreError naming path. A symbolic link at path
// stays and the file it points to is replaced. The previous file's
// permission bits are kept, plus owner write; a new file is private to its
// owner. Pending events run once before each line.
void SaveLines(const std::string& path, const Lines& lines, EventPump& pump,
               SaveSteps& steps = SystemSaveSteps());

}  // namespace orvalen
