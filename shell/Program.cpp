#include "shell/Program.h"

#include "shell/Layouts.h"

namespace shell {

Program::Program(tk::MessageBox* messages, tk::FileDialog* files)
    : messages_(messages ? *messages : qtMessages_),
      files_(files ? *files : qtFiles_),
      frmHaupt_(windows_, state_, messages_) {
    formWindows_.push_back(std::make_unique<FormWindow>(frmHaupt_, windows_, mainFormLayout()));
}

Program::~Program() = default;

void Program::start() { frmHaupt_.showModeless(); }

FormWindow* Program::window(const std::string& formName) const {
    for (const auto& window : formWindows_)
        if (window->form().name() == formName) return window.get();
    return nullptr;
}

}  // namespace shell
