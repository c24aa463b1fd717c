#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "shell/Program.h"

namespace {

bool displayAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs(
            "rohrweiten: Kein Bildschirm gefunden (DISPLAY ist nicht gesetzt). "
            "Das Programm braucht eine grafische Oberfläche; "
            "ohne Bildschirm mit xvfb-run aus dem Debian-Paket xvfb starten.\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rohrweiten"));
    shell::Program program;
    program.start();
    return QApplication::exec();
}
