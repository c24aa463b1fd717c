#pragma once
// Stand-ins for the parts of the program that come later: they say plainly
// that a function is not available yet and never pretend to have saved or
// printed anything. The remaining-sections form shows the listing so far.
#include <string>

#include "forms/WorkflowServices.h"
#include "toolkit/Controls.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"

namespace shell {

class RemainingSectionsPreview : public tk::Form {
public:
    explicit RemainingSectionsPreview(tk::WindowSystem& windows);
    tk::Label lblUeberschrift{*this, "lblUeberschrift",
                              " Kalvoranberechnung  für  Pumpen-Warmwasserheizung"};
    tk::Label lblHinweis{*this, "lblHinweis",
                         "Die Berechnung der weiteren Stromkreise folgt in einer späteren "
                         "Ausgabe des Programms."};
    tk::TextField txtAusgabeDN{*this, "txtAusgabeDN"};
    tk::MenuEntry mnuExitItem{*this, "mnuExitItem", "Datei", "B&eenden", "Ctrl+E"};

    void mnuExitItem_Click();
    void Form_QueryUnload() override { mnuExitItem_Click(); }
};

class PendingFeatures : public forms::WorkflowServices {
public:
    PendingFeatures(tk::MessageBox& messages, RemainingSectionsPreview& remaining)
        : messages_(messages), remaining_(remaining) {}
    void saveWork() override;
    void printReport() override;
    bool interruptWork() override;
    void showRemainingSections(const std::string& listing) override;

private:
    void notYet(const std::string& text);
    tk::MessageBox& messages_;
    RemainingSectionsPreview& remaining_;
};

}  // namespace shell
