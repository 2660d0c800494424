#include "face/main_window.h"

#include <algorithm>

#include "common/units.h"

namespace orvalen {

MainWindow::MainWindow()
    : widthPixels_(TwipsToPixels(DesignClientWidth)), heightPixels_(TwipsToPixels(DesignClientHeight)) {}

// A negative size is no size at all.
void MainWindow::SetWidth(double twips) { widthPixels_ = std::max(0, TwipsToPixels(twips)); }
void MainWindow::SetHeight(double twips) { heightPixels_ = std::max(0, TwipsToPixels(twips)); }
double MainWindow::Width() const { return PixelsToTwips(widthPixels_); }
double MainWindow::Height() const { return PixelsToTwips(heightPixels_); }

}  // namespace orvalen
