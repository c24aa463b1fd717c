#include "tests/support/TestDoubles.h"

#include <stdexcept>

#include "toolkit/Form.h"

namespace tk {

const RecordingMessageBox::Shown& RecordingMessageBox::last() const {
    if (shown.empty()) throw std::logic_error("no message was shown");
    return shown.back();
}

std::string ScriptedFileDialog::choose(FileDialogMode mode, const std::string& filter,
                                       const std::string& title) {
    asked.push_back({mode, filter, title});
    if (answers.empty()) return {};
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedWindowSystem::whenModal(const std::string& formName, std::function<void()> user) {
    scripts_[formName].push_back(std::move(user));
}

void ScriptedWindowSystem::runModal(Form& form) {
    modalShown.push_back(form.name());
    auto& queue = scripts_[form.name()];
    if (queue.empty()) throw std::logic_error("no user script for modal form " + form.name());
    auto user = std::move(queue.front());
    queue.pop_front();
    user();
    if (form.visible() && !ended_)
        throw std::logic_error("modal form " + form.name() + " was left open");
}

}  // namespace tk
