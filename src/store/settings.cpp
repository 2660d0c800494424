#include "store/settings.h"

#include <array>

namespace orvalen {
namespace {

constexpr std::size_t FirstFieldLine = 2;

// The fields in the order of their lines in the file.
constexpr std::array<std::string Settings::*, 4> FieldsInFileOrder = {
    &Settings::DisplayMode, &Settings::BannerOption, &Settings::DialOption, &Settings::AmPmOption};

}  // namespace

Lines SettingsLines(std::int32_t left, std::int32_t top, const Settings& settings) {
    const Settings defaults;
    Lines lines = {std::to_string(left), std::to_string(top)};
    for (const auto field : FieldsInFileOrder) {
        const std::string& value = settings.*field;
        lines.push_back(value.empty() ? defaults.*field : value);
    }
    return lines;
}

void ApplySettingsLines(const Lines& lines, Settings& settings) {
    for (std::size_t i = 0; i < FieldsInFileOrder.size() && FirstFieldLine + i < lines.size(); ++i) {
        settings.*FieldsInFileOrder[i] = lines[FirstFieldLine + i];
    }
}

}  // namespace orvalen
