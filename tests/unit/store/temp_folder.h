#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvalen::testing {

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder final {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path(std::string_view name) const;
    void Write(std::string_view name, std::string_view bytes) const;
    std::string Read(std::string_view name) const;
    // Every entry, hidden ones too, sorted.
    std::vector<std::string> Names() const;

private:
    std::string root_;
};

// Tests that rely on permission bits cannot run as root, who ignores them.
bool PermissionsAreIgnored();

}  // namespace orvalen::testing
