#pragma once
// The part of the windowing toolkit that spans forms: modal display, which
// form takes input, and the end of the program.
#include <functional>
#include <vector>

namespace tk {

class Control;
class Form;

// Where an event comes from: a control of a form, or the form itself when
// the user closes its window.
struct EventSource {
    Form& form;
    const Control* control = nullptr;
};

// Runs every event handler of the program: the place where a fault that
// escapes a handler is caught, so that it never ends the program.
class EventGuard {
public:
    virtual ~EventGuard() = default;
    virtual void run(const EventSource& source, const std::function<void()>& handler) = 0;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Runs while `form` is shown modally; returns once it is hidden or
    // unloaded. Modal forms may nest.
    virtual void runModal(Form& form) = 0;
    // Ends the program at once.
    virtual void endProgram() = 0;
    virtual bool ended() const = 0;

    // Runs the handler of a click, menu entry, choice or timer through the
    // event guard; without a guard the handler runs as it is.
    void dispatch(const EventSource& source, const std::function<void()>& handler);
    void setEventGuard(EventGuard* guard) { guard_ = guard; }

    // The form of the innermost modal display, or null.
    Form* topModal() const { return modalStack_.empty() ? nullptr : modalStack_.back(); }
    void enterModal(Form& form) { modalStack_.push_back(&form); }
    void leaveModal(Form& form);

private:
    std::vector<Form*> modalStack_;
    EventGuard* guard_ = nullptr;
};

}  // namespace tk
