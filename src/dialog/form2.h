#pragma once

// The settings dialog's behaviour, apart from its widgets: what its
// controls show, dragging it, and applying its choices.

#include <array>

#include "face/main_window.h"
#include "shell/drag_values.h"
#include "store/settings.h"

namespace orvalen {

class Form2 final {
public:
    // Form_Load: the controls from the settings.
    explicit Form2(const Settings& settings);

    // Option1(0..2): normal, mini and emblem style; exactly one is selected.
    std::array<bool, 3> Option1{};
    // Check1(0..2): banner, dial, am/pm; 1 checked, 0 not.
    std::array<int, 3> Check1{};

    // The client area's top-left corner on the screen, twips.
    float Left = 0;
    float Top = 0;

    void SelectOption(int index);

    // Pointer handlers of the dialog's background.
    void Form_MouseDown(DragValues& drag, float x, float y) { drag.Press(x, y); }
    void Form_MouseUp(DragValues& drag) { drag.Release(); }
    void Form_MouseMove(const DragValues& drag, bool visible, float x, float y) {
        DragSettingsDialog(drag, visible, x, y);
    }
    void DragSettingsDialog(const DragValues& drag, bool visible, float x, float y);

    // Takes the choices over into the settings and lays the main window out
    // anew; the caller then unloads the dialog.
    void ApplySettings(Settings& settings, MainWindow& window) const;
};

}  // namespace orvalen
