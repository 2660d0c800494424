#include "temp_folder.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "store/paths.h"

namespace orvalen::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string name_template = (fs::temp_directory_path() / "orvalen-store-XXXXXX").string();
    if (mkdtemp(name_template.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = name_template;
}

TempFolder::~TempFolder() {
    // A test may have taken permissions away; give them back so that all of it goes.
    std::error_code ignored;
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (const auto& entry : fs::recursive_directory_iterator(root_, ignored)) {
        if (entry.is_directory(ignored) && !entry.is_symlink(ignored)) {
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
    }
    fs::remove_all(root_, ignored);
}

std::string TempFolder::Path(std::string_view name) const {
    return JoinPath(root_, name);
}

void TempFolder::Write(std::string_view name, std::string_view bytes) const {
    std::ofstream file(Path(name), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + Path(name));
}

std::string TempFolder::Read(std::string_view name) const {
    std::ifstream file(Path(name), std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + Path(name));
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> TempFolder::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(root_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool PermissionsAreIgnored() {
    return geteuid() == 0;
}

}  // namespace orvalen::testing
