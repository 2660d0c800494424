#include "store/position_number.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

#include "common/units.h"

namespace orvalen {
namespace {

// Walks the text skipping blanks, tabs and line feeds wherever they stand.
class NumberCursor final {
public:
    explicit NumberCursor(std::string_view text) : text_(text) {}

    // Takes the next character if it is one of choices.
    bool TakeOneOf(std::string_view choices) {
        SkipBlanks();
        if (at_ == text_.size() || choices.find(text_[at_]) == std::string_view::npos) return false;
        ++at_;
        return true;
    }

    // The value of the next character as a digit of radix, if it is one.
    std::optional<unsigned> TakeDigit(unsigned radix) {
        SkipBlanks();
        if (at_ == text_.size()) return std::nullopt;
        const unsigned value = DigitValue(text_[at_]);
        if (value >= radix) return std::nullopt;
        ++at_;
        return value;
    }

    std::string TakeDecimalDigits() {
        std::string digits;
        while (const auto digit = TakeDigit(10)) digits.push_back(static_cast<char>('0' + *digit));
        return digits;
    }

private:
    static unsigned DigitValue(char c) {
        if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
        if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
        if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
        return std::numeric_limits<unsigned>::max();
    }

    void SkipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n')) ++at_;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

std::optional<std::int32_t> FitInt32(double whole) {
    if (whole < std::numeric_limits<std::int32_t>::min() || whole > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(whole);
}

std::optional<std::int32_t> RadixNumber(NumberCursor& cursor, unsigned radix) {
    // Any value past 32 bits is as good as another: it cannot fit.
    constexpr std::uint64_t TooWide = std::uint64_t{1} << 32;
    std::uint64_t value = 0;
    while (const auto digit = cursor.TakeDigit(radix)) value = std::min(value * radix + *digit, TooWide);
    if (value <= 0xFFFF) return static_cast<std::int16_t>(value);
    if (value < TooWide) return static_cast<std::int32_t>(value);
    return std::nullopt;
}

// Saturated far beyond any exponent that could still give a 32-bit value, and
// far below where adding a digit count could overflow.
std::int64_t TakeExponent(NumberCursor& cursor) {
    constexpr std::int64_t Saturation = std::int64_t{1} << 50;
    const bool negative = cursor.TakeOneOf("-");
    if (!negative) cursor.TakeOneOf("+");
    std::int64_t exponent = 0;
    while (const auto digit = cursor.TakeDigit(10)) exponent = std::min(exponent * 10 + *digit, Saturation);
    return negative ? -exponent : exponent;
}

std::optional<std::int32_t> DecimalNumber(NumberCursor& cursor) {
    const bool negative = cursor.TakeOneOf("-");
    if (!negative) cursor.TakeOneOf("+");
    const std::string whole_digits = cursor.TakeDecimalDigits();
    const std::string fraction_digits = cursor.TakeOneOf(".") ? cursor.TakeDecimalDigits() : std::string();
    const std::int64_t exponent = cursor.TakeOneOf("EeDd") ? TakeExponent(cursor) : 0;

    // value = 0.significant x 10^point
    std::string significant = whole_digits + fraction_digits;
    const auto leading_zeros = std::min(significant.find_first_not_of('0'), significant.size());
    significant.erase(0, leading_zeros);
    if (significant.empty()) return 0;
    const std::int64_t point = static_cast<std::int64_t>(whole_digits.size()) -
                               static_cast<std::int64_t>(leading_zeros) + exponent;
    // At 10^10 and above nothing fits 32 bits; below 10^-10 everything rounds to
    // 0. In between the conversion can neither overflow nor underflow.
    if (point > 10) return std::nullopt;
    if (point < -10) return 0;

    const std::string text = "0." + significant + "e" + std::to_string(point);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{}) return std::nullopt;
    return FitInt32(RoundHalfEven(negative ? -value : value));
}

}  // namespace

std::optional<std::int32_t> PositionNumber(std::string_view line) {
    NumberCursor cursor(line);
    if (!cursor.TakeOneOf("&")) return DecimalNumber(cursor);
    if (cursor.TakeOneOf("Hh")) return RadixNumber(cursor, 16);
    if (cursor.TakeOneOf("Oo")) return RadixNumber(cursor, 8);
    return 0;
}

}  // namespace orvalen
