#include "face/text_fields.h"

namespace orvalen {

std::string_view GetField(std::string_view text, std::string_view delimiter, int n) {
    std::string_view rest = text;
    int count = 0;
    for (auto p = rest.find(delimiter); p != std::string_view::npos; p = rest.find(delimiter)) {
        if (count == n - 1) return rest.substr(0, p);
        rest.remove_prefix(p + delimiter.size());
        ++count;
    }
    return count < n - 1 ? std::string_view{} : rest;
}

int NumericValue(std::string_view text) {
    // Readout texts hold a few digits; the cap only keeps odd input from
    // overflowing.
    constexpr int Cap = 100'000'000;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        if (value < Cap) value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace orvalen
