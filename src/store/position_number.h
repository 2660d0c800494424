#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvalen {

// The number at the start of a position line, as whole twips. Read as a
// general decimal number: optional sign, digits, optional point and digits,
// optional exponent (E or D, either case, optional sign, digits). Blanks,
// tabs and line feeds are skipped wherever they stand. &H and &O (either
// case) introduce a hexadecimal or octal whole number, read in two's
// complement as the form runtime does: up to FFFF as 16 bits (&HFFFF is -1,
// &H8000 is -32768), up to FFFFFFFF as 32 bits (&H10000 is 65536,
// &HFFFFFFFF is -1). Reading stops at the first character that cannot
// continue the number; no number at all gives 0. The value is rounded half
// to even. std::nullopt when the result does not fit a signed 32-bit integer.
std::optional<std::int32_t> PositionNumber(std::string_view line);

}  // namespace orvalen
