#pragma once
// The steps of editing a project, each undoable and redoable: the document
// before and after every step, with the step's name ("Länge TS 07").
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "project/Document.h"

namespace editing {

class History {
public:
    // The oldest steps are dropped beyond this many.
    static constexpr std::size_t kSteps = 200;

    // A step was applied: `before` is the document as it stood, `after` as
    // the step left it.
    void record(std::string name, project::Document before, project::Document after);
    // The document before the last step, which then waits to be redone.
    std::optional<project::Document> undo();
    std::optional<project::Document> redo();
    // "Rückgängig: Länge TS 07"; empty when there is nothing to undo.
    std::string undoCaption() const;
    std::string redoCaption() const;
    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    void clear();

private:
    struct Step {
        std::string name;
        project::Document before;
        project::Document after;
    };
    std::vector<Step> done_;
    std::vector<Step> undone_;
};

}  // namespace editing
