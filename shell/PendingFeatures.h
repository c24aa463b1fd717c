#pragma once
// Stand-ins for the parts of the program that come later: they say plainly
// that a function is not available yet and never pretend to have saved or
// printed anything. Switching to the remaining-sections form is real.
#include <functional>
#include <string>

#include "forms/WorkflowServices.h"
#include "toolkit/Dialogs.h"

namespace shell {

class PendingFeatures : public forms::WorkflowServices {
public:
    using ShowRemaining = std::function<void(const std::string& listing)>;
    PendingFeatures(tk::MessageBox& messages, ShowRemaining showRemaining)
        : messages_(messages), showRemaining_(std::move(showRemaining)) {}
    bool saveWork(const tk::Form& owner, const std::string& listing) override;
    void printReport(const tk::Form& owner, forms::ReportPart part) override;
    bool interruptWork(const std::string& listing) override;
    void showRemainingSections(const std::string& listing) override { showRemaining_(listing); }

private:
    void notYet(const std::string& text);
    tk::MessageBox& messages_;
    ShowRemaining showRemaining_;
};

}  // namespace shell
