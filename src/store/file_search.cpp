#include "store/file_search.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "store/paths.h"
#include "store/store_error.h"

namespace orvalen {
namespace {

// fnmatch would also read [...] sets and backslash escapes; only * and ? are
// wildcards here, so everything else is matched literally.
std::string WildcardPattern(std::string_view name_pattern) {
    if (name_pattern.empty()) return "*";
    std::string pattern;
    for (const char c : name_pattern) {
        if (c == '[' || c == '\\') pattern.push_back('\\');
        pattern.push_back(c);
    }
    return pattern;
}

bool IsRegularFile(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) == 0) return S_ISREG(status.st_mode);
    // A dangling or looping link, or a file that went away, is just no match.
    if (errno == ENOENT || errno == ELOOP) return false;
    throw StoreError::FromErrno(path, errno);
}

struct FolderCloser final {
    void operator()(DIR* folder) const { closedir(folder); }
};
using OpenFolder = std::unique_ptr<DIR, FolderCloser>;

std::vector<std::string> VisibleNamesMatching(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    const OpenFolder listing(opendir(folder.c_str()));
    if (!listing) {
        if (errno == ENOENT || errno == ENOTDIR) return names;
        throw StoreError::FromErrno(folder, errno);
    }
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(listing.get());
        if (entry == nullptr) break;
        const std::string_view name = entry->d_name;
        if (name.front() == '.') continue;
        if (fnmatch(pattern.c_str(), entry->d_name, 0) == 0) names.emplace_back(name);
    }
    if (errno != 0) throw StoreError::FromErrno(folder, errno);
    return names;
}

}  // namespace

std::vector<std::string> MatchingFiles(const std::string& path) {
    const std::string folder = FolderOf(path);
    // With a closing separator the empty folder part of "/name" still names the root.
    std::vector<std::string> names =
        VisibleNamesMatching(JoinPath(folder, ""), WildcardPattern(NameOf(path)));
    std::sort(names.begin(), names.end());

    std::vector<std::string> files;
    for (const std::string& name : names) {
        std::string file = JoinPath(folder, name);
        if (IsRegularFile(file)) files.push_back(std::move(file));
    }
    return files;
}

}  // namespace orvalen
