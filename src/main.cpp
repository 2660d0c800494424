// Orvalen: a desktop clock and calendar.

#include <QApplication>
#include <memory>

#include "platform/fatal_error.h"
#include "platform/form_runtime.h"
#include "platform/picture_set.h"
#include "platform/session_choice.h"
#include "platform/system_clock.h"

int main(int argc, char* argv[]) {
    orvalen::ChooseSession();
    QApplication application(argc, argv);
    // The clock ends only by a double-click; closing the settings dialog
    // must not end it.
    application.setQuitOnLastWindowClosed(false);

    std::unique_ptr<orvalen::PictureSet> pictures;
    orvalen::Guarded([&] { pictures = std::make_unique<orvalen::PictureSet>(application.devicePixelRatio()); });
    orvalen::SystemClock clock;
    orvalen::FormRuntime runtime(*pictures, clock);
    runtime.Start();
    return application.exec();
}
