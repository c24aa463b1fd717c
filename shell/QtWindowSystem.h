#pragma once
// Modal display and the end of the program on top of Qt's event loop.
#include <QEventLoop>
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

private:
    struct ModalRun {
        const tk::Form* form;
        QEventLoop* loop;
    };
    std::vector<ModalRun> runs_;
    bool ended_ = false;
};

}  // namespace shell
