#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/lines.h"

namespace orvalen {

inline constexpr std::string_view NormalMode = "normal";
inline constexpr std::string_view MiniMode = "mini";
inline constexpr std::string_view EmblemMode = "emblem";
inline constexpr std::string_view OnWord = "on";
inline constexpr std::string_view OffWord = "off";

inline constexpr std::string_view SettingsFileName = "setting.dat";

// The fields are kept as text: a word that is none of the expected ones is
// carried through unchanged.
struct Settings final {
    std::string DisplayMode{NormalMode};
    std::string BannerOption{OffWord};
    std::string DialOption{OnWord};
    std::string AmPmOption{OffWord};
};

// The six entries of the settings file: Left and Top as decimal text, then the
// four fields. An empty field is written as its default word: the store drops
// empty entries, and every later line would then be read into the wrong field.
Lines SettingsLines(std::int32_t left, std::int32_t top, const Settings& settings);

// Lines 2 to 5 of the settings file replace the fields in order, each only when
// the file reaches that line, exactly as read. Lines 0 and 1 (the position)
// and lines after 5 are not looked at.
void ApplySettingsLines(const Lines& lines, Settings& settings);

}  // namespace orvalen
