#pragma once

// Small text routines of the readouts. They work on views and never
// allocate, since they run on every tick.

#include <string_view>

namespace orvalen {

// The n-th field, counted from 1, of text split at delimiter; for n of 0 or
// less, the last field. delimiter must not be empty.
std::string_view GetField(std::string_view text, std::string_view delimiter, int n);

// The value of the leading decimal digits ("07" gives 7); 0 without any.
int NumericValue(std::string_view text);

}  // namespace orvalen
