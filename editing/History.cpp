#include "editing/History.h"

namespace editing {

void History::record(std::string name, project::Document before, project::Document after) {
    if (done_.size() == kSteps) done_.erase(done_.begin());
    done_.push_back({std::move(name), std::move(before), std::move(after)});
    undone_.clear();
}

std::optional<project::Document> History::undo() {
    if (done_.empty()) return std::nullopt;
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    return undone_.back().before;
}

std::optional<project::Document> History::redo() {
    if (undone_.empty()) return std::nullopt;
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    return done_.back().after;
}

std::string History::undoCaption() const {
    return done_.empty() ? "" : "Rückgängig: " + done_.back().name;
}

std::string History::redoCaption() const {
    return undone_.empty() ? "" : "Wiederholen: " + undone_.back().name;
}

void History::clear() {
    done_.clear();
    undone_.clear();
}

}  // namespace editing
