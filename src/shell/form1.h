#pragma once

// The main window's behaviour: startup, the clock timer, pointer handling,
// the reveal strip and the exit.

#include <cstdint>
#include <optional>

#include "face/clock_tick.h"
#include "face/main_window.h"
#include "shell/drag_values.h"
#include "shell/shell_services.h"
#include "store/settings.h"

namespace orvalen {

// The control that receives a pointer event; none means the bare window.
using PointerTarget = std::optional<Element>;

inline constexpr double RevealHeight = 316.097;
inline constexpr std::int16_t RevealTickLimit = 300;

class Form1 final {
public:
    Form1(ShellServices& services, Settings& settings, DragValues& drag);

    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();

    void MouseDown(PointerTarget target, float x, float y);
    void MouseMove(PointerTarget target, float x, float y);
    void MouseUp(PointerTarget target);
    void Click(PointerTarget target);
    void DblClick(PointerTarget target);

    void DragMainWindow(float x, float y);
    void Image17_Click();
    void SaveAndExit();

    MainWindow window;
    std::int16_t RevealTicks = 0;
    ClockFace face;

private:
    ShellServices& services_;
    Settings& settings_;
    DragValues& drag_;
    bool saving_ = false;
};

}  // namespace orvalen
