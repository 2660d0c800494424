// The core's cost per call: the two timer handlers and every face with its
// options, without a display.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "layout/display_modes.h"
#include "layout/options.h"
#include "shell/form1.h"
#include "support/fakes.h"

namespace orvalen {
namespace {

using testing::FakeServices;

// The reading at a tick: two ticks a second, so every other tick moves the
// seconds and, now and then, the minute, hour and day.
LocalDateTime TickTime(std::int64_t tick) {
    const std::int64_t second = 18 * 3600 + tick / 2;
    return {2003, 4, static_cast<int>(1 + second / 86400 % 28), static_cast<int>(second / 3600 % 24),
            static_cast<int>(second / 60 % 60), static_cast<int>(second % 60)};
}

// The main window's shell loaded with default settings and a set clock.
struct LoadedForm {
    explicit LoadedForm(std::string amPm) {
        services.SetTime(TickTime(0));
        form.Form_Load();
        settings.AmPmOption = std::move(amPm);
    }
    FakeServices services;
    Settings settings;
    DragValues drag;
    Form1 form{services, settings, drag};
};

void Timer1(benchmark::State& state, std::string amPm) {
    LoadedForm loaded(std::move(amPm));
    std::int64_t tick = 0;
    for (auto _ : state) {
        loaded.services.readings.front() = TickTime(++tick);
        loaded.form.Timer1_Timer();
        benchmark::DoNotOptimize(loaded.form.window);
    }
}

void Timer2(benchmark::State& state) {
    LoadedForm loaded("off");
    for (auto _ : state) {
        loaded.form.Timer2_Timer();
        benchmark::DoNotOptimize(loaded.form.window);
    }
}

struct FaceCase {
    const char* name;
    void (*layout)(MainWindow&);
    bool banner;
    bool amPm;
};

// A face as startup and the settings dialog apply it: the layout, then the
// options that are on.
constexpr FaceCase Faces[] = {
    {"LayoutNormal", LayoutNormal, false, false},
    {"LayoutMini", LayoutMini, false, false},
    {"LayoutEmblem", LayoutEmblem, false, false},
    {"LayoutNormal+banner", LayoutNormal, true, false},
    {"LayoutNormal+ampm", LayoutNormal, false, true},
    {"LayoutNormal+banner+ampm", LayoutNormal, true, true},
    {"LayoutMini+banner+ampm", LayoutMini, true, true},
    {"LayoutEmblem+banner+ampm", LayoutEmblem, true, true},
};

void Face(benchmark::State& state, const FaceCase& face) {
    MainWindow window;
    for (auto _ : state) {
        face.layout(window);
        if (face.banner) ApplyBannerOption(window, "on");
        if (face.amPm) ApplyAmPmOption(window, "on");
        benchmark::DoNotOptimize(window);
    }
}

void RegisterAll() {
    benchmark::RegisterBenchmark("Timer1_Timer/24h", Timer1, "off");
    benchmark::RegisterBenchmark("Timer1_Timer/12h", Timer1, "on");
    benchmark::RegisterBenchmark("Timer2_Timer", Timer2);
    for (const FaceCase& face : Faces) benchmark::RegisterBenchmark(face.name, Face, face);
}

}  // namespace
}  // namespace orvalen

int main(int argc, char** argv) {
    orvalen::RegisterAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
