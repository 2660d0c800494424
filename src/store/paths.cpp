#include "store/paths.h"

namespace orvalen {

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string joined;
    joined.reserve(folder.size() + 1 + name.size());
    const auto append = [&joined](char c) {
        const bool repeats_separator =
            c == PathSeparator && !joined.empty() && joined.back() == PathSeparator;
        if (!repeats_separator) joined.push_back(c);
    };
    for (const char c : folder) append(c);
    append(PathSeparator);
    for (const char c : name) append(c);
    return joined;
}

std::string FolderOf(std::string_view path) {
    if (!path.empty() && path.back() == PathSeparator) return std::string(path);
    const auto last_separator = path.rfind(PathSeparator);
    if (last_separator == std::string_view::npos) return ".";
    return std::string(path.substr(0, last_separator));
}

std::string_view NameOf(std::string_view path) {
    const auto last_separator = path.rfind(PathSeparator);
    if (last_separator == std::string_view::npos) return path;
    return path.substr(last_separator + 1);
}

}  // namespace orvalen
