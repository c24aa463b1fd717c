#include "toolkit/Form.h"

#include <algorithm>

#include "toolkit/WindowSystem.h"

namespace tk {

Form::Form(WindowSystem& windows, std::string name, std::string caption)
    : windows_(windows), name_(std::move(name)), caption_(std::move(caption)) {}

void Form::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    if (listener_) listener_->captionChanged();
}

Form::~Form() = default;

void Form::ensureLoaded() {
    if (!loaded_) load();
}

void Form::load() {
    if (loaded_) return;
    loaded_ = true;
    focused_ = nullptr;
    default_ = nullptr;
    pointer_ = MousePointer::Normal;
    for (Control* control : controls_) control->restoreDesign();
    Form_Load();
}

void Form::showModeless() {
    ensureLoaded();
    visible_ = true;
    modal_ = false;
    if (listener_) listener_->formShown(false);
}

void Form::showModal() {
    ensureLoaded();
    if (visible_ && modal_) return;
    visible_ = true;
    modal_ = true;
    if (listener_) listener_->formShown(true);
    // The modal stack is restored however the display ends, a fault included.
    struct LeaveModal {
        Form& form;
        ~LeaveModal() {
            form.windows_.leaveModal(form);
            form.modal_ = false;
        }
    } leave{*this};
    windows_.enterModal(*this);
    windows_.runModal(*this);
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    if (listener_) listener_->formHidden();
}

void Form::unload() {
    if (!loaded_) return;
    hide();
    loaded_ = false;
    focused_ = nullptr;
    if (listener_) listener_->formUnloaded();
}

void Form::userClosed() {
    windows_.dispatch({*this}, [this] { Form_QueryUnload(); });
}

void Form::userPressedEscape() {
    windows_.dispatch({*this}, [this] { Form_KeyEscape(); });
}

bool Form::acceptsInput() const {
    if (!loaded_ || !visible_ || windows_.ended()) return false;
    const Form* top = windows_.topModal();
    return top == nullptr || top == this;
}

void Form::setFocus(Control* control) {
    focused_ = control;
    if (listener_) listener_->focusMoved();
}

void Form::setDefaultButton(Button* button) {
    default_ = button;
    if (listener_) listener_->defaultButtonChanged();
}

void Form::setMousePointer(MousePointer pointer) {
    ensureLoaded();
    pointer_ = pointer;
    if (listener_) listener_->pointerChanged();
}

Control* Form::find(const std::string& name) const {
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [&](const Control* c) { return c->name() == name; });
    return it == controls_.end() ? nullptr : *it;
}

void WindowSystem::dispatch(const EventSource& source, const std::function<void()>& handler) {
    if (!handler) return;
    if (guard_)
        guard_->run(source, handler);
    else
        handler();
}

void WindowSystem::leaveModal(Form& form) {
    auto it = std::find(modalStack_.rbegin(), modalStack_.rend(), &form);
    if (it != modalStack_.rend()) modalStack_.erase(std::next(it).base());
}

}  // namespace tk
