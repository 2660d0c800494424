#pragma once

#include <string>
#include <vector>

namespace orvalen {

// The files that path names: its last part may hold the wildcards * and ?,
// and a path ending in the separator stands for every file of its folder.
// Only regular files match (a symbolic link to one too), never folders,
// hidden files (a name starting with "."), devices, sockets or pipes.
// Returned as full paths, in byte order of the file names. A folder that does
// not exist gives no match; one that cannot be listed throws StoreError.
std::vector<std::string> MatchingFiles(const std::string& path);

}  // namespace orvalen
