// The smallest Qt Widgets program that shows one window: the baseline of the
// start-up measurement.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(520, 340);
    window.show();
    return QApplication::exec();
}
