#pragma once
// The changes of the project in hand made in the editing windows after it
// was entered: each one step on the document that is taken only when the
// whole project still calculates, with its name in the history that the
// windows share; the forms' listings, the captions and the recovery file
// follow each step, and the forms show the changed project once the
// windows close.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editing/Edits.h"
#include "editing/History.h"
#include "session/ProjectSession.h"
#include "state/CalcState.h"
#include "steps/Calculate.h"
#include "toolkit/Controls.h"
#include "toolkit/Dialogs.h"

namespace editor {

class ProjectChanges {
public:
    ProjectChanges(calc::CalcState& state, tk::MessageBox& messages,
                   session::ProjectSession& session)
        : state_(state), messages_(messages), session_(session) {}

    // Runs `window` over the project in hand and returns once it closed;
    // the forms then show the project as the window left it. False, after
    // the message, when the project cannot be edited.
    bool edit(const std::function<void()>& window);
    // After every step: the windows show the document anew.
    void onChanged(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }

    // Applies a change to the document; false after its refusal was told.
    bool commit(const std::string& name, const editing::Change& change);
    // Takes an outcome computed elsewhere.
    bool take(const std::string& name, editing::Outcome outcome);
    void undo();
    void redo();

    const project::Document& document() const { return *state_.document; }
    const steps::Calculation& calculation() const { return *calculation_; }
    const editing::History& history() const { return history_; }
    // "&Rückgängig: <step>" and "&Wiederholen: <step>", each enabled only
    // where there is a step to take.
    void showHistory(tk::MenuEntry& undo, tk::MenuEntry& redo) const;
    // The captions' mark of inputs not yet saved.
    bool unsaved() const { return session_.showsUnsaved(); }

    // The history belongs to the project in hand: a step on a form, another
    // project or new work ends it, but not the forms showing the edited
    // project.
    void forgetHistory();
    void formStepCompleted();

private:
    void show(project::Document document);

    calc::CalcState& state_;
    tk::MessageBox& messages_;
    session::ProjectSession& session_;
    editing::History history_;
    // The document the history ends at; another one means the history is over.
    std::optional<project::Document> historyEnd_;
    std::optional<steps::Calculation> calculation_;
    std::vector<std::function<void()>> listeners_;
    int windows_ = 0;  // editing windows open, one over the other
    bool handingBack_ = false;
};

}  // namespace editor
