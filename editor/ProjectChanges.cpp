#include "editor/ProjectChanges.h"

namespace editor {

bool ProjectChanges::edit(const std::function<void()>& window) {
    if (!state_.document) return false;
    if (windows_ == 0) {
        if (historyEnd_ != state_.document) forgetHistory();
        steps::Calculation calculation = steps::calculate(*state_.document);
        if (calculation.refusal) {
            messages_.show(calculation.refusal->text, calculation.refusal->title,
                           tk::MessageStyle::Information);
            return false;
        }
        calculation_ = std::move(calculation);
    }
    const project::Document before = *state_.document;
    ++windows_;
    window();
    if (--windows_ > 0) return true;
    handingBack_ = true;
    session_.showEditedWork(before);
    handingBack_ = false;
    return true;
}

bool ProjectChanges::commit(const std::string& name, const editing::Change& change) {
    return take(name, editing::apply(*state_.document, change));
}

bool ProjectChanges::take(const std::string& name, editing::Outcome outcome) {
    if (outcome.refusal) {
        messages_.show(outcome.refusal->text, outcome.refusal->title,
                       tk::MessageStyle::Information);
        return false;
    }
    history_.record(name, *state_.document, *outcome.document);
    calculation_ = std::move(outcome.calculation);
    show(std::move(*outcome.document));
    return true;
}

void ProjectChanges::undo() {
    if (std::optional<project::Document> before = history_.undo()) {
        calculation_ = steps::calculate(*before);
        show(std::move(*before));
    }
}

void ProjectChanges::redo() {
    if (std::optional<project::Document> after = history_.redo()) {
        calculation_ = steps::calculate(*after);
        show(std::move(*after));
    }
}

// The document in hand changed: the windows, the forms' listings, the
// captions and the recovery file follow.
void ProjectChanges::show(project::Document document) {
    state_.document = std::move(document);
    historyEnd_ = state_.document;
    for (const auto& listener : listeners_) listener();
    session_.redrawListings();
    session_.stepCompleted();
}

void ProjectChanges::forgetHistory() {
    history_.clear();
    historyEnd_.reset();
}

void ProjectChanges::formStepCompleted() {
    if (!handingBack_) forgetHistory();
}

void ProjectChanges::showHistory(tk::MenuEntry& undo, tk::MenuEntry& redo) const {
    undo.setEnabled(history_.canUndo());
    undo.setCaption(history_.canUndo() ? "&" + history_.undoCaption() : "&Rückgängig");
    redo.setEnabled(history_.canRedo());
    redo.setCaption(history_.canRedo() ? "&" + history_.redoCaption() : "&Wiederholen");
}

}  // namespace editor
