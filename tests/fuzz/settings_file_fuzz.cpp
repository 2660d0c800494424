// Feeds arbitrary bytes as "setting.dat" through the whole startup: the
// store's read, the number conversion, the settings fields, the layout and
// options they select, and the first tick. Nothing a user can write there
// may crash the clock or leave it without a face.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "shell/form1.h"
#include "support/fakes.h"

namespace {

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        char name[] = "/tmp/orvalen-fuzz-XXXXXX";
        if (!mkdtemp(name)) std::abort();
        return std::filesystem::path(name);
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream file(Folder() / "setting.dat", std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    orvalen::testing::FakeServices services;
    services.folder = Folder().string();
    services.SetTime({2028, 2, 29, 23, 59, 59});
    orvalen::Settings settings;
    orvalen::DragValues drag;
    orvalen::Form1 form(services, settings, drag);
    form.Form_Load();

    const orvalen::MainWindow& w = form.window;
    const bool aFace = w.WidthPixels() == 283 && (w.HeightPixels() == 386 || w.HeightPixels() == 415 ||
                                                  w.HeightPixels() == 104 || w.HeightPixels() == 133 ||
                                                  w.HeightPixels() == 285 || w.HeightPixels() == 314);
    if (!aFace || w.CollapsedHeight != w.Height() || !w.Visible) std::abort();
    return 0;
}
