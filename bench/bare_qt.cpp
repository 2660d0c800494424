// The least a Qt program of the clock's kind can cost: a frameless white
// window of the clock's size and place, repainted by one 500 ms timer.

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class BareWindow final : public QWidget {
public:
    BareWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
        setWindowTitle(QStringLiteral("Bare Qt"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(353, 236, 283, 386);
        connect(&timer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
        timer_.start(500);
    }

protected:
    void paintEvent(QPaintEvent* event) override { QPainter(this).fillRect(event->rect(), Qt::white); }

private:
    QTimer timer_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    BareWindow window;
    window.show();
    return application.exec();
}
