#include "face/pictures.h"

#include <cassert>

namespace orvalen {
namespace {

struct SingleInfo {
    std::string_view file;
    PixelSize size;
};

constexpr std::array<SingleInfo, picture::SingleCount> Singles = {{
    {"title-bar", {285, 31}},
    {"emblem", {284, 284}},
    {"banner", {291, 30}},
    {"bottom-panel", {285, 100}},
    {"reveal-strip", {284, 21}},
    {"colon", {9, 28}},
    {"slash", {10, 20}},
    {"large-slash", {16, 31}},
    {"dial-start", {26, 25}},
    {"dialog-background", {294, 170}},
}};

constexpr std::array<std::string_view, 7> DayFiles = {"sun", "mon", "tue", "wed", "thu", "fri", "sat"};
constexpr std::array<std::string_view, 4> MarkFiles = {"am-dim", "pm-dim", "am-bright", "pm-bright"};

struct BankEntryRef {
    Bank bank;
    int index;
};

constexpr BankEntryRef Locate(PictureId id) {
    for (int b = 0; b < static_cast<int>(Banks.size()); ++b) {
        const BankInfo& info = Banks[b];
        if (id >= info.first && id < info.first + info.count) return {static_cast<Bank>(b), id - info.first};
    }
    return {Bank::LargeDigits, -1};
}

PixelSize BankPictureSize(Bank bank, int i) {
    switch (bank) {
    case Bank::LargeDigits: return {26, 39};
    case Bank::SmallDigits: return {12, 16};
    case Bank::Numbers: return {26, 20};
    case Bank::Marks: return i < AmBright ? PixelSize{24, 15} : PixelSize{24, 16};
    case Bank::BrightWeekdays: return i == 1 ? PixelSize{47, 21} : PixelSize{36, 21};
    case Bank::DimWeekdays: return {36, 21};
    case Bank::DialFrames: return {26, 26};
    }
    return {0, 0};
}

std::string BankEntryName(Bank bank, int i) {
    switch (bank) {
    case Bank::LargeDigits: return i == LargeBlank ? "blank" : std::to_string(i);
    case Bank::Numbers: return std::to_string(i + 1);
    case Bank::Marks: return std::string(MarkFiles[i]);
    case Bank::BrightWeekdays: return std::string(DayFiles[i]) + "-bright";
    case Bank::DimWeekdays: return std::string(DayFiles[i]) + "-dim";
    case Bank::SmallDigits:
    case Bank::DialFrames: return std::to_string(i);
    }
    return {};
}

}  // namespace

PixelSize PictureSize(PictureId id) {
    assert(id < PictureCount);
    if (id < picture::SingleCount) return Singles[id].size;
    const BankEntryRef ref = Locate(id);
    return BankPictureSize(ref.bank, ref.index);
}

std::string PictureFile(PictureId id) {
    assert(id < PictureCount);
    if (id < picture::SingleCount) return std::string(Singles[id].file) + ".png";
    const BankEntryRef ref = Locate(id);
    return std::string(Info(ref.bank).folder) + "/" + BankEntryName(ref.bank, ref.index) + ".png";
}

}  // namespace orvalen
