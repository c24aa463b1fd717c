#include "shell/PendingFeatures.h"

namespace shell {

void PendingFeatures::notYet(const std::string& text) {
    messages_.show(text, "Hinweis:", tk::MessageStyle::Exclamation);
}

bool PendingFeatures::saveWork(const tk::Form&, const std::string&) {
    notYet("Speichern unter ist noch nicht verfügbar. Die Arbeit wurde nicht gespeichert.");
    return false;
}

void PendingFeatures::printReport(const tk::Form&, forms::ReportPart) {
    notYet("Drucken ist noch nicht verfügbar. Es wurde nichts gedruckt.");
}

bool PendingFeatures::interruptWork(const std::string&) {
    notYet(
        "Arbeit unterbrechen ist noch nicht verfügbar. Die Arbeit wurde nicht gespeichert; "
        "das Programm bleibt offen.");
    return false;
}

}  // namespace shell
