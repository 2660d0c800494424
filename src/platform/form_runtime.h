#pragma once

// The small form runtime over Qt: owns both windows and the program-wide
// values, gives the shell its services, and brings the screen up to the
// model after every handler.

#include <QPointer>

#include "dialog/settings_dialog.h"
#include "platform/clock_window.h"
#include "platform/fatal_error.h"
#include "shell/form1.h"

namespace orvalen {

class PictureSet;

class FormRuntime final : public ShellServices {
public:
    FormRuntime(const PictureSet& pictures, ClockSource& clock);
    ~FormRuntime();

    // Creates the main window, which runs its load handler.
    void Start();

    template <typename Handler>
    void Run(Handler&& handler) {
        Guarded(std::forward<Handler>(handler));
        SyncWindows();
    }

    Form1& form() { return form_; }
    const DragValues& drag() const { return drag_; }
    ClockWindow& clockWindow() { return *window_; }
    SettingsDialog* settingsDialog() { return dialog_; }

    void DoEvents() override;
    LocalDateTime Now() override;
    std::string ProgramFolder() override;
    [[noreturn]] void EndAtOnce() override;
    void SetRevealTimerEnabled(bool enabled) override;
    bool SettingsDialogVisible() override;
    void ShowSettingsDialog() override;
    bool AnyScreenShows(int left, int top, int width, int height) override;

private:
    void CreateDialog();
    void UnloadDialog();
    void PlaceDialog();
    void SyncWindows();

    const PictureSet& pictures_;
    ClockSource& clock_;
    Settings settings_;
    DragValues drag_;
    Form1 form_;
    std::unique_ptr<ClockWindow> window_;
    QPointer<SettingsDialog> dialog_;
};

}  // namespace orvalen
