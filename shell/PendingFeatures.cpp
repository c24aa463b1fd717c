#include "shell/PendingFeatures.h"

namespace shell {

void PendingFeatures::notYet(const std::string& text) {
    messages_.show(text, "Hinweis:", tk::MessageStyle::Exclamation);
}

void PendingFeatures::saveWork() {
    notYet("Speichern unter ist noch nicht verfügbar. Die Arbeit wurde nicht gespeichert.");
}

void PendingFeatures::printReport() {
    notYet("Drucken ist noch nicht verfügbar. Es wurde nichts gedruckt.");
}

bool PendingFeatures::interruptWork() {
    notYet(
        "Arbeit unterbrechen ist noch nicht verfügbar. Die Arbeit wurde nicht gespeichert; "
        "das Programm bleibt offen.");
    return false;
}

}  // namespace shell
