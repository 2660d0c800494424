#include "dialog/form2.h"

#include "layout/display_modes.h"
#include "layout/options.h"

namespace orvalen {

Form2::Form2(const Settings& settings) {
    SelectOption(settings.DisplayMode == "mini" ? 1 : settings.DisplayMode == "emblem" ? 2 : 0);
    Check1[0] = settings.BannerOption == "on";
    Check1[1] = settings.DialOption == "on";
    Check1[2] = settings.AmPmOption == "on";
}

void Form2::SelectOption(int index) {
    for (int i = 0; i < 3; ++i) Option1[i] = i == index;
}

void Form2::DragSettingsDialog(const DragValues& drag, bool visible, float x, float y) {
    if (visible && drag.Dragging == -1) DragBy(*this, drag, x, y);
}

void Form2::ApplySettings(Settings& settings, MainWindow& window) const {
    if (Option1[1]) {
        settings.DisplayMode = "mini";
        LayoutMini(window);
    } else if (Option1[2]) {
        settings.DisplayMode = "emblem";
        LayoutEmblem(window);
    } else if (Option1[0]) {
        settings.DisplayMode = "normal";
        LayoutNormal(window);
    }

    if (Check1[0]) {
        settings.BannerOption = "on";
        ApplyBannerOption(window, "on");
    } else if (settings.BannerOption == "on" || settings.BannerOption == "off") {
        // Any other word, such as a hand-written "ON", is kept as it is.
        settings.BannerOption = "off";
    }

    settings.DialOption = Check1[1] ? "on" : "off";
    window.elements.SetVisible(Element::SecondsDial, Check1[1] != 0);

    settings.AmPmOption = Check1[2] ? "on" : "off";
    ApplyAmPmOption(window, settings.AmPmOption);
}

}  // namespace orvalen
