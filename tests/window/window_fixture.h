#pragma once

// The real Qt layer on the offscreen platform, fed by a settable clock.

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

#include "platform/form_runtime.h"
#include "platform/picture_set.h"

namespace orvalen::testing {

class SettableClock final : public ClockSource {
public:
    LocalDateTime time{2003, 4, 19, 18, 10, 39};
    LocalDateTime Now() override { return time; }
};

class WindowTest : public ::testing::Test {
public:
    static const PictureSet& Pictures() {
        static const PictureSet pictures(qApp->devicePixelRatio());  // needs the application
        return pictures;
    }
    static QImage Picture(PictureId id) { return Pictures()[id].toImage().convertToFormat(QImage::Format_RGB32); }

protected:
    WindowTest() { runtime.Start(); }

    // What the main window shows now, one pixel per device pixel.
    QImage Shot() {
        QCoreApplication::processEvents();
        return runtime.clockWindow().grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    void Tick() {
        runtime.Run([this] { runtime.form().Timer1_Timer(); });
    }
    Form1& form() { return runtime.form(); }

    SettableClock clock;
    FormRuntime runtime{Pictures(), clock};
};

}  // namespace orvalen::testing
