#include "face/readouts.h"

#include <algorithm>
#include <array>

#include "face/text_fields.h"

namespace orvalen {
namespace {

int DigitAt(std::string_view text, std::size_t i) { return i < text.size() ? NumericValue(text.substr(i, 1)) : 0; }

// A short text on the stack: the readouts run on every tick and must not
// allocate.
class TimeBuffer final {
public:
    explicit TimeBuffer(std::string_view text) { Append(text); }

    void Append(std::string_view text) {
        const std::size_t n = std::min(text.size(), data_.size() - size_);
        std::copy_n(text.begin(), n, data_.begin() + size_);
        size_ += n;
    }
    void AppendNumber(int value) {
        std::array<char, 12> digits{};
        std::size_t n = 0;
        unsigned v = value < 0 ? 0u : static_cast<unsigned>(value);
        do digits[n++] = static_cast<char>('0' + v % 10); while ((v /= 10) != 0);
        std::reverse(digits.begin(), digits.begin() + n);
        Append({digits.data(), n});
    }
    void Prepend(char c) {
        const std::size_t n = std::min(size_, data_.size() - 1);
        std::copy_backward(data_.begin(), data_.begin() + n, data_.begin() + n + 1);
        data_[0] = c;
        size_ = n + 1;
    }
    std::string_view View() const { return {data_.data(), size_}; }

private:
    std::array<char, 32> data_{};
    std::size_t size_ = 0;
};

}  // namespace

void ShowTime(Surface& surface, std::string_view timeText, std::string_view amPmOption) {
    TimeBuffer t(timeText);
    if (amPmOption == "on") {
        const int hour = NumericValue(GetField(timeText, ":", 1));
        const bool afternoon = hour >= 12;
        surface.SetPicture(Element::AmMark, BankEntry(Bank::Marks, afternoon ? AmDim : AmBright));
        surface.SetPicture(Element::PmMark, BankEntry(Bank::Marks, afternoon ? PmBright : PmDim));
        if (afternoon) {
            t = TimeBuffer({});
            t.AppendNumber(hour - 12);
            t.Append(":");
            t.Append(GetField(timeText, ":", 2));
            t.Append(":");
            t.Append(GetField(timeText, ":", 3));
        }
    }
    if (t.View().substr(1, 1) == ":") t.Prepend('0');
    // The slot index is the character's position in "HH:mm".
    for (int i : {0, 1, 3, 4}) surface.SetPicture(ReadoutSlot(i), BankEntry(Bank::LargeDigits, DigitAt(t.View(), i)));
    if (t.View().substr(0, 1) == "0") surface.SetPicture(Element::HourTens, BankEntry(Bank::LargeDigits, LargeBlank));
}

void ShowWeekday(Surface& surface, std::string_view weekdayName) {
    const auto today = std::find(WeekdayNames.begin(), WeekdayNames.end(), weekdayName);
    if (today == WeekdayNames.end()) return;
    const int k = static_cast<int>(today - WeekdayNames.begin());
    for (int day = 0; day < 7; ++day)
        surface.SetPicture(WeekdaySlot(day), BankEntry(day == k ? Bank::BrightWeekdays : Bank::DimWeekdays, day));
}

void ShowDate(Surface& surface, std::string_view dateText) {
    const std::string_view year = GetField(dateText, "/", 1);
    for (int k = 1; k <= 4; ++k)
        surface.SetPicture(ReadoutSlot(5 + k), BankEntry(Bank::SmallDigits, DigitAt(year, k - 1)));
    // The texts always hold a month of 1..12 and a day of 1..31; the clamp
    // only keeps a bank index from leaving its bank.
    const auto number = [](std::string_view text) {
        return BankEntry(Bank::Numbers, std::clamp(NumericValue(text), 1, 31) - 1);
    };
    surface.SetPicture(Element::Month, number(GetField(dateText, "/", 2)));
    surface.SetPicture(Element::Day, number(GetField(dateText, "/", 3)));
}

}  // namespace orvalen
