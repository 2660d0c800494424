#pragma once

#include <QButtonGroup>
#include <QWidget>
#include <array>

#include "dialog/form2.h"

class QAbstractButton;
class QCheckBox;
class QRadioButton;

namespace orvalen {

// The settings dialog on the screen: the painted background with captionless
// option buttons and check boxes over it, and the OK hot spot. It drags by
// its background only.
class SettingsDialog final : public QWidget {
    Q_OBJECT

public:
    SettingsDialog(const Settings& settings, DragValues& drag, const QPixmap& background);

    Form2& model() { return model_; }
    // Moves the window to the model's position.
    void Sync();

signals:
    void applyClicked();
    void closedByWindowSystem();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPointF ClientTwips(QPointF global) const;

    Form2 model_;
    DragValues& drag_;
    const QPixmap& background_;
    QButtonGroup styles_;
    std::array<QRadioButton*, 3> options_{};
    std::array<QCheckBox*, 3> checks_{};
};

}  // namespace orvalen
