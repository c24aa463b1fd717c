#pragma once
// The part of the windowing toolkit that spans forms: modal display, which
// form takes input, and the end of the program.
#include <vector>

namespace tk {

class Form;

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Runs while `form` is shown modally; returns once it is hidden or
    // unloaded. Modal forms may nest.
    virtual void runModal(Form& form) = 0;
    // Ends the program at once.
    virtual void endProgram() = 0;
    virtual bool ended() const = 0;

    // The form of the innermost modal display, or null.
    Form* topModal() const { return modalStack_.empty() ? nullptr : modalStack_.back(); }
    void enterModal(Form& form) { modalStack_.push_back(&form); }
    void leaveModal(Form& form);

private:
    std::vector<Form*> modalStack_;
};

}  // namespace tk
