#include "platform/form_runtime.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "common/units.h"
#include "platform/pending_events.h"
#include "platform/picture_set.h"

namespace orvalen {

FormRuntime::FormRuntime(const PictureSet& pictures, ClockSource& clock)
    : pictures_(pictures), clock_(clock), form_(*this, settings_, drag_) {}

FormRuntime::~FormRuntime() { delete dialog_; }

void FormRuntime::Start() {
    window_ = std::make_unique<ClockWindow>(*this, pictures_);
    Run([this] { form_.Form_Load(); });
}

void FormRuntime::SyncWindows() {
    if (window_) window_->Sync();
    if (dialog_) dialog_->Sync();
}

void FormRuntime::DoEvents() {
    if (EventsMayBePending()) QCoreApplication::processEvents();
}

LocalDateTime FormRuntime::Now() { return clock_.Now(); }

std::string FormRuntime::ProgramFolder() { return QCoreApplication::applicationDirPath().toStdString(); }

void FormRuntime::EndAtOnce() {
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

void FormRuntime::SetRevealTimerEnabled(bool enabled) { window_->SetRevealTimerEnabled(enabled); }

bool FormRuntime::SettingsDialogVisible() {
    if (!dialog_) CreateDialog();
    return dialog_->isVisible();
}

bool FormRuntime::AnyScreenShows(int left, int top, int width, int height) {
    const QRect window(left, top, width, height);
    const QList<QScreen*> screens = QGuiApplication::screens();
    return screens.isEmpty() || std::any_of(screens.begin(), screens.end(), [&](const QScreen* screen) {
               return screen->geometry().intersects(window);
           });
}

void FormRuntime::ShowSettingsDialog() {
    if (!dialog_) CreateDialog();
    if (!dialog_->isVisible()) PlaceDialog();
    dialog_->Sync();
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void FormRuntime::CreateDialog() {
    dialog_ = new SettingsDialog(settings_, drag_, pictures_[picture::DialogBackground]);
    QObject::connect(dialog_, &SettingsDialog::applyClicked, dialog_, [this] {
        Run([this] { dialog_->model().ApplySettings(settings_, form_.window); });
        UnloadDialog();
    });
    QObject::connect(dialog_, &SettingsDialog::closedByWindowSystem, dialog_, [this] { UnloadDialog(); });
}

void FormRuntime::UnloadDialog() {
    dialog_->hide();
    dialog_->deleteLater();
    dialog_ = nullptr;
}

namespace {

// The screen that shows the largest part of the rectangle; the primary one
// when none shows any of it.
const QScreen* ScreenShowingMost(const QRect& rect) {
    const QScreen* best = QGuiApplication::primaryScreen();
    qint64 bestArea = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = screen->geometry().intersected(rect);
        const qint64 area = qint64{shown.width()} * shown.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best;
}

}  // namespace

// Below the clock's bottom-left corner, moved only as far as it must to lie
// wholly on the screen that shows the clock.
void FormRuntime::PlaceDialog() {
    const MainWindow& clock = form_.window;
    const QRect clockRect = window_->geometry();
    QPoint corner(TwipsToPixels(clock.Left), TwipsToPixels(clock.Top) + clock.HeightPixels());
    if (const QScreen* screen = ScreenShowingMost(clockRect)) {
        const QRect area = screen->availableGeometry();
        const QSize size = dialog_->size();
        corner.setX(std::clamp(corner.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
        corner.setY(std::clamp(corner.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
    }
    dialog_->model().Left = static_cast<float>(PixelsToTwips(corner.x()));
    dialog_->model().Top = static_cast<float>(PixelsToTwips(corner.y()));
}

}  // namespace orvalen
