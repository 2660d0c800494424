#include "shell/form1.h"

#include <algorithm>
#include <limits>

#include "common/units.h"
#include "layout/display_modes.h"
#include "layout/options.h"
#include "store/line_store.h"
#include "store/paths.h"
#include "store/position_number.h"

namespace orvalen {
namespace {

bool Handles(PointerTarget target, PointerEvents events) {
    const std::uint8_t handled = target ? Definition(*target).events : std::uint8_t{Drags};
    return (handled & events) != 0;
}

std::int32_t WholeTwips(float position) {
    constexpr double Lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double Highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(RoundHalfEven(position), Lowest, Highest));
}

}  // namespace

Form1::Form1(ShellServices& services, Settings& settings, DragValues& drag)
    : face(window.elements, services, services), services_(services), settings_(settings), drag_(drag) {}

void Form1::Form_Load() {
    window.SetWidth(0);
    window.SetHeight(0);
    window.Visible = true;
    settings_ = Settings{};
    const std::string settingsFile = JoinPath(services_.ProgramFolder(), SettingsFileName);
    if (CheckFileExists(settingsFile) == "OK") {
        Lines lines;
        ReadWriteLines(settingsFile, lines, "S_Read", "normal", services_);
        // A file too short to hold a position counts as no file.
        if (lines.size() >= 2) {
            const auto left = PositionNumber(lines[0]);
            const auto top = PositionNumber(lines[1]);
            ApplySettingsLines(lines, settings_);
            if (left && top) {
                window.Left = static_cast<float>(*left);
                window.Top = static_cast<float>(*top);
            }
        }
    }
    LayoutForMode(window, settings_.DisplayMode);
    if (settings_.BannerOption == "on") ApplyBannerOption(window, "on");
    if (settings_.DialOption == "off") window.elements.SetVisible(Element::SecondsDial, false);
    if (settings_.AmPmOption == "on") ApplyAmPmOption(window, "on");
    // A clock that no screen shows (its screen has gone) could be neither
    // moved nor ended by a double-click.
    if (!services_.AnyScreenShows(TwipsToPixels(window.Left), TwipsToPixels(window.Top), window.WidthPixels(),
                                  window.HeightPixels())) {
        window.Left = DesignWindowLeft;
        window.Top = DesignWindowTop;
    }
    RevealTicks = 0;
    face.DialPosition = 0;
    Timer1_Timer();
}

void Form1::Timer1_Timer() { face.ClockTick(settings_.AmPmOption); }

void Form1::Timer2_Timer() {
    services_.DoEvents();
    if (RevealTicks >= RevealTickLimit) {
        window.SetHeight(window.CollapsedHeight);
        RevealTicks = 0;
        services_.SetRevealTimerEnabled(false);
    }
    ++RevealTicks;
}

void Form1::MouseDown(PointerTarget target, float x, float y) {
    if (Handles(target, Drags)) drag_.Press(x, y);
}

void Form1::MouseMove(PointerTarget target, float x, float y) {
    if (Handles(target, Drags)) DragMainWindow(x, y);
}

void Form1::MouseUp(PointerTarget target) {
    if (Handles(target, Drags)) drag_.Release();
}

void Form1::Click(PointerTarget target) {
    if (Handles(target, OpensOnClick)) Image17_Click();
}

void Form1::DblClick(PointerTarget target) {
    if (Handles(target, EndsOnDoubleClick)) SaveAndExit();
}

void Form1::DragMainWindow(float x, float y) {
    if (services_.SettingsDialogVisible()) return;
    if (drag_.Dragging) DragBy(window, drag_, x, y);
    window.SetHeight(static_cast<float>(window.CollapsedHeight + RevealHeight));
    services_.SetRevealTimerEnabled(true);
}

void Form1::Image17_Click() {
    window.SetHeight(static_cast<float>(window.Height() - RevealHeight));
    services_.ShowSettingsDialog();
}

void Form1::SaveAndExit() {
    // The store lets events run while it writes; a second double-click
    // among them must not start a second save.
    if (saving_) return;
    saving_ = true;
    Lines lines = SettingsLines(WholeTwips(window.Left), WholeTwips(window.Top), settings_);
    ReadWriteLines(JoinPath(services_.ProgramFolder(), SettingsFileName), lines, "S_Write", "normal", services_);
    services_.EndAtOnce();
}

}  // namespace orvalen
