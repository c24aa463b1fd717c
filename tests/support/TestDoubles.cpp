#include "tests/support/TestDoubles.h"

#include <stdexcept>

#include "toolkit/Form.h"
#include "toolkit/NumberText.h"

namespace tk {

const RecordingMessageBox::Shown& RecordingMessageBox::last() const {
    if (shown.empty()) throw std::logic_error("no message was shown");
    return shown.back();
}

bool RecordingMessageBox::ask(const std::string& text, const std::string& title) {
    shown.push_back({text, title, MessageStyle::Question});
    if (answers.empty()) return false;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::string ScriptedFileDialog::choose(const FileRequest& request) {
    asked.push_back(request);
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

void PageRecorder::beginDocument() {
    pages.assign(1, {});
    fonts.clear();
    line_.clear();
}

void PageRecorder::tab(int column) {
    const std::size_t target = column > 1 ? static_cast<std::size_t>(column - 1) : 0;
    if (characterCount(line_) > target) endLine();
    line_.append(target - characterCount(line_), ' ');
}

void PageRecorder::text(const std::string& text) { line_ += text; }

void PageRecorder::endLine() {
    if (pages.empty()) pages.emplace_back();
    pages.back().push_back(line_);
    line_.clear();
}

void PageRecorder::setFont(const std::string& name, double size, bool bold) {
    if (pages.empty()) pages.emplace_back();
    fonts.push_back({pageNumber(), pages.back().size(), name, size, bold});
}

void PageRecorder::newPage() {
    if (!line_.empty()) endLine();
    pages.emplace_back();
}

void PageRecorder::endDocument() {
    if (!line_.empty()) endLine();
    ++documentsEnded;
}

}  // namespace tk
