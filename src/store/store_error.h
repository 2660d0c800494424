#pragma once

#include <stdexcept>
#include <string>

namespace orvalen {

// A file operation of the store failed. what() reads "path: reason".
class StoreError final : public std::runtime_error {
public:
    StoreError(std::string path, std::string reason);

    // The system's reason for the error number, as strerror words it.
    static StoreError FromErrno(std::string path, int error_number);

    const std::string& path() const noexcept { return path_; }
    const std::string& reason() const noexcept { return reason_; }

private:
    std::string path_;
    std::string reason_;
};

}  // namespace orvalen
