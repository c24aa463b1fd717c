#include "shell/Program.h"

#include "shell/Layouts.h"

namespace shell {

Program::Program(tk::MessageBox* messages, tk::FileDialog* files)
    : messages_(messages ? *messages : qtMessages_),
      files_(files ? *files : qtFiles_),
      guard_(state_, messages_),
      catalogue_(windows_, state_),
      pending_(messages_, [this](const std::string& listing) { frmRohrDm_.open(listing); }),
      frmHaupt_(windows_, state_, messages_, catalogue_, pending_),
      frmRohrDm_(windows_, state_, messages_, catalogue_, pending_) {
    auto add = [this](tk::Form& form, const FormLayout& layout) {
        formWindows_.push_back(std::make_unique<FormWindow>(form, windows_, layout));
    };
    windows_.setEventGuard(&guard_);
    add(frmHaupt_, mainFormLayout());
    add(catalogue_.frmArmaturen, catalogueLayout(catalogue_.frmArmaturen.data()));
    add(catalogue_.frmArmaturen2, catalogueLayout(catalogue_.frmArmaturen2.data()));
    add(frmRohrDm_, remainingFormLayout());
}

Program::~Program() = default;

void Program::start() {
    frmHaupt_.startCircuit();
    frmHaupt_.showModeless();
}

FormWindow* Program::window(const std::string& formName) const {
    for (const auto& window : formWindows_)
        if (window->form().name() == formName) return window.get();
    return nullptr;
}

}  // namespace shell
