#pragma once

// The picture catalogue: every picture the clock can show, with its pixel
// size and its file under assets/. Pictures of one glyph bank have
// consecutive ids, so a bank entry is its bank's first id plus the index.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvalen {

using PictureId = std::uint16_t;

struct PixelSize {
    int width;
    int height;
    friend constexpr bool operator==(PixelSize, PixelSize) = default;
};

// Pictures that stand alone, in catalogue order.
namespace picture {
inline constexpr PictureId TitleBar = 0;
inline constexpr PictureId Emblem = 1;
inline constexpr PictureId Banner = 2;
inline constexpr PictureId BottomPanel = 3;
inline constexpr PictureId RevealStrip = 4;
inline constexpr PictureId Colon = 5;        // also the unused Image4
inline constexpr PictureId Slash = 6;
inline constexpr PictureId LargeSlash = 7;   // Image6, never shown
inline constexpr PictureId DialStart = 8;
inline constexpr PictureId DialogBackground = 9;
inline constexpr PictureId SingleCount = 10;
}  // namespace picture

// The glyph banks, each an indexed set of equally sized pictures that is
// never shown itself.
enum class Bank : std::uint8_t {
    LargeDigits,     // Image3: 0..9, 10 = blank
    SmallDigits,     // Image10: 0..9
    Numbers,         // Image5: entry i shows i + 1
    Marks,           // Image8: am dim, pm dim, am bright, pm bright
    BrightWeekdays,  // Image7: Sunday..Saturday
    DimWeekdays,     // Image11: Sunday..Saturday
    DialFrames,      // Image1: hand turned i x 3 degrees
};

struct BankInfo {
    std::string_view formName;
    std::string_view folder;
    PictureId first;
    int count;
};

inline constexpr std::array<BankInfo, 7> Banks = {{
    {"Image3", "large-digits", picture::SingleCount, 11},
    {"Image10", "small-digits", picture::SingleCount + 11, 10},
    {"Image5", "numbers", picture::SingleCount + 21, 31},
    {"Image8", "marks", picture::SingleCount + 52, 4},
    {"Image7", "weekdays", picture::SingleCount + 56, 7},
    {"Image11", "weekdays", picture::SingleCount + 63, 7},
    {"Image1", "dial", picture::SingleCount + 70, 120},
}};

inline constexpr int PictureCount = picture::SingleCount + 190;

inline constexpr int LargeBlank = 10;
enum Mark : int { AmDim = 0, PmDim = 1, AmBright = 2, PmBright = 3 };

constexpr const BankInfo& Info(Bank bank) { return Banks[static_cast<int>(bank)]; }

// Entry i of a bank; i must lie inside the bank.
constexpr PictureId BankEntry(Bank bank, int i) {
    return static_cast<PictureId>(Info(bank).first + i);
}

PixelSize PictureSize(PictureId id);

// Path of the picture's file relative to the assets folder, as
// "large-digits/blank.png".
std::string PictureFile(PictureId id);

}  // namespace orvalen
