#include "dialog/settings_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>

#include "common/units.h"
#include "platform/system_move.h"

namespace orvalen {
namespace {

struct TwipRect {
    int left, top, width, height;
    QRect Pixels() const {
        return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
    }
};

constexpr TwipRect ClientArea{0, 0, 4425, 2565};
constexpr std::array<TwipRect, 3> OptionPlaces = {{{210, 930, 195, 165}, {210, 1260, 195, 195}, {210, 1590, 195, 195}}};
constexpr std::array<TwipRect, 3> CheckPlaces = {{{2460, 900, 195, 195}, {2460, 1260, 195, 195}, {2460, 1590, 195, 195}}};
constexpr TwipRect OkPlace{3810, 1920, 525, 405};

// Label1: a transparent hot spot that reports a click and starts no drag.
class OkArea final : public QWidget {
public:
    explicit OkArea(QWidget* parent, std::function<void()> clicked) : QWidget(parent), clicked_(std::move(clicked)) {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (rect().contains(event->position().toPoint())) clicked_();
    }

private:
    std::function<void()> clicked_;
};

template <typename Button>
Button* Captionless(QWidget* parent, const TwipRect& place) {
    auto* button = new Button(parent);
    button->setGeometry(place.Pixels());
    button->setAutoFillBackground(true);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Button, Qt::white);
    button->setPalette(palette);
    return button;
}

}  // namespace

SettingsDialog::SettingsDialog(const Settings& settings, DragValues& drag, const QPixmap& background)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), model_(settings), drag_(drag), background_(background) {
    setWindowTitle(QStringLiteral("Orvalen"));
    setFixedSize(ClientArea.Pixels().size());
    setAttribute(Qt::WA_OpaquePaintEvent);

    for (int i = 0; i < 3; ++i) {
        options_[i] = Captionless<QRadioButton>(this, OptionPlaces[i]);
        styles_.addButton(options_[i], i);
        options_[i]->setChecked(model_.Option1[i]);
        connect(options_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) model_.SelectOption(i);
        });
    }
    for (int i = 0; i < 3; ++i) {
        checks_[i] = Captionless<QCheckBox>(this, CheckPlaces[i]);
        checks_[i]->setChecked(model_.Check1[i] != 0);
        connect(checks_[i], &QCheckBox::toggled, this, [this, i](bool on) { model_.Check1[i] = on ? 1 : 0; });
    }
    auto* ok = new OkArea(this, [this] { emit applyClicked(); });
    ok->setGeometry(OkPlace.Pixels());
    // The tab order is the order of creation: the options, the boxes, then
    // the hot spot, which takes no focus.
}

void SettingsDialog::Sync() { move(TwipsToPixels(model_.Left), TwipsToPixels(model_.Top)); }

void SettingsDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(0, 0, background_);
}

QPointF SettingsDialog::ClientTwips(QPointF global) const {
    return {global.x() * TwipsPerPixel - model_.Left, global.y() * TwipsPerPixel - model_.Top};
}

void SettingsDialog::mousePressEvent(QMouseEvent* event) {
    const QPointF p = ClientTwips(event->globalPosition());
    model_.Form_MouseDown(drag_, static_cast<float>(p.x()), static_cast<float>(p.y()));
    if (HandDragToCompositor(windowHandle())) model_.Form_MouseUp(drag_);
}

void SettingsDialog::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = ClientTwips(event->globalPosition());
    model_.Form_MouseMove(drag_, isVisible(), static_cast<float>(p.x()), static_cast<float>(p.y()));
    Sync();
}

void SettingsDialog::mouseReleaseEvent(QMouseEvent*) { model_.Form_MouseUp(drag_); }

// Closing by the window system discards the choices.
void SettingsDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closedByWindowSystem();
}

}  // namespace orvalen
