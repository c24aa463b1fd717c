#include "shell/QtWindowSystem.h"

#include <QApplication>
#include <QWidget>

#include "toolkit/Form.h"

namespace shell {

void QtWindowSystem::runModal(tk::Form& form) {
    if (!form.visible() || ended_) return;
    QEventLoop loop;
    runs_.push_back({&form, &loop});
    loop.exec();
    runs_.pop_back();
}

void QtWindowSystem::modalFormLeft(const tk::Form& form) {
    for (ModalRun& run : runs_)
        if (run.form == &form) run.loop->quit();
}

void QtWindowSystem::addWindow(const tk::Form& form, QWidget* window) {
    windows_.emplace_back(&form, window);
}

void QtWindowSystem::removeWindow(const tk::Form& form) {
    std::erase_if(windows_, [&form](const auto& entry) { return entry.first == &form; });
}

QWidget* QtWindowSystem::workingWindow() const {
    QWidget* found = nullptr;
    for (const auto& [form, window] : windows_) {
        if (!form->visible() || form->modal()) continue;
        if (window->isActiveWindow()) return window;
        if (!found) found = window;
    }
    return found;
}

QWidget* QtWindowSystem::windowOf(const tk::Form& form) const {
    for (const auto& [owner, window] : windows_)
        if (owner == &form) return window;
    return nullptr;
}

void QtWindowSystem::endProgram() {
    ended_ = true;
    for (ModalRun& run : runs_) run.loop->quit();
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    QCoreApplication::exit(0);
}

}  // namespace shell
