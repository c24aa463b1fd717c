#pragma once
// The main form with recording stand-ins for the display, the catalogue's
// modal user and the services of later stages.
#include <string>
#include <vector>

#include "catalogue/CatalogueForms.h"
#include "circuit/FrmHaupt.h"
#include "toolkit/TestDoubles.h"

namespace testing_support {

class RecordingServices : public circuit::MainFormServices {
public:
    void saveWork() override { calls.push_back("save"); }
    void printReport() override { calls.push_back("print"); }
    bool interruptWork() override {
        calls.push_back("interrupt");
        return interruptStores;
    }
    void showRemainingSections(const std::string& text) override {
        calls.push_back("remaining");
        listing = text;
    }
    std::vector<std::string> calls;
    std::string listing;
    bool interruptStores = false;
};

struct MainFormHarness {
    MainFormHarness() { form.showModeless(); }

    // The user closes the catalogue without choosing.
    void returnWithoutChoice() {
        windows.whenModal("frmArmaturen", [this] { catalogue.frmArmaturen.cmdZethawert2.click(); });
    }

    // The user picks a model of the first dialog: maker, kind and model
    // positions as shown.
    void pickInFirstDialog(int maker, int kind, int model) {
        windows.whenModal("frmArmaturen", [this, maker, kind, model] {
            auto& dialog = catalogue.frmArmaturen;
            dialog.cboHersteller.choose(maker);
            kindBox(dialog, maker).choose(kind);
            modelBox(dialog, maker, kind).choose(model);
            dialog.cmdZethawert2.click();
        });
    }

    // The user opens the second dialog through the third maker and picks there.
    void pickInSecondDialog(int group, int kind, int model) {
        windows.whenModal("frmArmaturen",
                          [this] { catalogue.frmArmaturen.cboHersteller.choose(3); });
        windows.whenModal("frmArmaturen2", [this, group, kind, model] {
            auto& dialog = catalogue.frmArmaturen2;
            dialog.cboHersteller.choose(group);
            kindBox(dialog, group).choose(kind);
            modelBox(dialog, group, kind).choose(model);
            dialog.cmdZethawert3.click();
        });
    }

    // The user picks a model of the first dialog, changes their mind and
    // opens the second dialog; there they pick a model, or with a group of 0
    // return without a choice.
    void pickInFirstThenSecond(int maker, int kind, int model, int group, int groupKind,
                               int groupModel) {
        windows.whenModal("frmArmaturen", [this, maker, kind, model] {
            auto& dialog = catalogue.frmArmaturen;
            dialog.cboHersteller.choose(maker);
            kindBox(dialog, maker).choose(kind);
            modelBox(dialog, maker, kind).choose(model);
            dialog.cboHersteller.choose(3);
        });
        windows.whenModal("frmArmaturen2", [this, group, groupKind, groupModel] {
            auto& dialog = catalogue.frmArmaturen2;
            if (group > 0) {
                dialog.cboHersteller.choose(group);
                kindBox(dialog, group).choose(groupKind);
                modelBox(dialog, group, groupKind).choose(groupModel);
            }
            dialog.cmdZethawert3.click();
        });
    }

    static tk::ComboBox& kindBox(catalogue::CatalogueForm& dialog, int maker) {
        return *dialog.box(dialog.data().kindBoxes[static_cast<std::size_t>(maker - 1)].name);
    }
    static tk::ComboBox& modelBox(catalogue::CatalogueForm& dialog, int maker, int kind) {
        const auto& kinds = dialog.data().kindBoxes[static_cast<std::size_t>(maker - 1)];
        return *dialog.box(kinds.models[static_cast<std::size_t>(kind - 1)].name);
    }

    tk::ScriptedWindowSystem windows;
    tk::RecordingMessageBox messages;
    calc::CalcState state;
    catalogue::Catalogue catalogue{windows, state};
    RecordingServices services;
    circuit::FrmHaupt form{windows, state, messages, catalogue, services};
};

}  // namespace testing_support
