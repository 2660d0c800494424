#pragma once

#include <string>
#include <string_view>

namespace orvalen {

#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

// folder, one separator, name. Every run of separators in the result shrinks
// to one, so a folder given with or without a closing separator joins alike.
std::string JoinPath(std::string_view folder, std::string_view name);

// The folder part of a path: a path that ends in a separator is returned
// unchanged; otherwise everything before the last separator ("" for a file
// directly in the root, "." for a bare name), so that
// JoinPath(FolderOf(path), name) names a file beside path.
std::string FolderOf(std::string_view path);

// Everything after the last separator.
std::string_view NameOf(std::string_view path);

}  // namespace orvalen
