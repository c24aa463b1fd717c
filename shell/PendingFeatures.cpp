#include "shell/PendingFeatures.h"

#include "toolkit/WindowSystem.h"

namespace shell {

RemainingSectionsPreview::RemainingSectionsPreview(tk::WindowSystem& windows)
    : tk::Form(windows, "frmRohrDm", "Kalvoranberechnung") {
    txtAusgabeDN.designMultiLine().designReadOnly();
    mnuExitItem.onClick([this] { mnuExitItem_Click(); });
}

void RemainingSectionsPreview::mnuExitItem_Click() {
    unload();
    windows().endProgram();
}

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

void PendingFeatures::showRemainingSections(const std::string& listing) {
    remaining_.showModeless();
    remaining_.txtAusgabeDN.setText(listing);
}

}  // namespace shell
