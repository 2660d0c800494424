#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "store/lines.h"

namespace orvalen {

class EventPump;

inline constexpr std::string_view ReadMode = "S_Read";
inline constexpr std::string_view WriteMode = "S_Write";
inline constexpr std::string_view NormalEncoding = "normal";
inline constexpr std::string_view FileFound = "OK";
inline constexpr std::string_view FileMissing = "ERROR";

// Above these a read stops with StoreError "file too large" rather than
// exhausting memory.
inline constexpr std::size_t MaxReadBytes = std::size_t{64} << 20;
inline constexpr std::size_t MaxReadLines = std::size_t{4} << 20;

// Keeps a list as a text file, one entry per line. First gives the first file
// matching path (see MatchingFiles) owner write permission, then by mode:
// ReadMode replaces lines with every line of every matching file, in match
// order, or with one empty entry when no line was read (a missing file is no
// error). Lines end at CR LF, a lone CR or a lone LF; bytes are kept as they
// are. WriteMode packs lines (see PackLines) and saves them to path itself,
// each followed by CR LF (see SaveLines). Any other mode does nothing more.
// Pending events run once per line read or written. Entries are always
// carried unchanged, whatever the encoding word. Throws StoreError when a file
// operation fails; lines is left as it was when a read fails.
void ReadWriteLines(const std::string& path, Lines& lines, std::string_view mode,
                    std::string_view encoding, EventPump& pump);

// FileFound when a file matches path, FileMissing otherwise.
std::string_view CheckFileExists(const std::string& path);

}  // namespace orvalen
