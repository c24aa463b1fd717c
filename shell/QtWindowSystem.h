#pragma once
// Modal display and the end of the program on top of Qt's event loop.
#include <QEventLoop>
#include <QWidget>
#include <vector>

#include "toolkit/WindowSystem.h"

namespace shell {

class QtWindowSystem : public tk::WindowSystem {
public:
    void runModal(tk::Form& form) override;
    void endProgram() override;
    bool ended() const override { return ended_; }
    // Called by a form's window when the form is hidden or unloaded.
    void modalFormLeft(const tk::Form& form);

    // Every form's window registers itself, so that a modal form can be
    // shown as a dialog of the working window.
    void addWindow(const tk::Form& form, QWidget* window);
    void removeWindow(const tk::Form& form);
    // The window of the visible form that takes no modal part: the one the
    // user works in, the active one when a guide is open beside it. Null
    // when there is none.
    QWidget* workingWindow() const;
    // The window of a form; null when it has none.
    QWidget* windowOf(const tk::Form& form) const;

private:
    struct ModalRun {
        const tk::Form* form;
        QEventLoop* loop;
    };
    std::vector<ModalRun> runs_;
    std::vector<std::pair<const tk::Form*, QWidget*>> windows_;
    bool ended_ = false;
};

}  // namespace shell
