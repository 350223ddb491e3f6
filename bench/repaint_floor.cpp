// The least a Qt widget window costs to change a few digits' worth of pixels
// N times a second: a panel of Paytick's size and flags whose timer repaints
// one 40 x 60 cell each time, with nothing else. widget.sh measures it beside
// Paytick, so the part of Paytick's cost that is Qt's and the X server's own
// shows. Usage: repaint_floor CHANGES_PER_SECOND
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace {

class Cell : public QWidget {
public:
    Cell()
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
        setAttribute(Qt::WA_TranslucentBackground);
        setWindowTitle(QStringLiteral("Paytick"));
        resize(320, 132);
    }
    void step() {
        ++value_;
        update(240, 40, 40, 60);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(15, 15, 18));
        painter.fillRect(240, 40 + value_ % 10 * 6, 40, 6, QColor(64, 255, 115));
    }

private:
    int value_ = 0;
};

} // namespace

int main(int argc, char **argv) {
    // As Paytick runs.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    QApplication application(argc, argv);
    const double perSecond = argc > 1 ? std::atof(argv[1]) : 12;
    Cell cell;
    cell.show();
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &cell, &Cell::step);
    timer.start(static_cast<int>(1000 / perSecond));
    return application.exec();
}
