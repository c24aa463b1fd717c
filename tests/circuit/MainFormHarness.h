#pragma once
// The main form with recording stand-ins for the display, the catalogue's
// modal user and the services of later stages.
#include <functional>
#include <optional>
#include <string>

#include "catalogue/CatalogueForms.h"
#include "circuit/FrmHaupt.h"
#include "forms/FaultGuard.h"
#include "tests/support/TestDoubles.h"

namespace testing_support {

// The services of later stages: nothing is saved, printed or shown, except
// that the remaining-sections listing is kept and may open that form.
class RecordingServices : public forms::WorkflowServices {
public:
    bool saveWork(const tk::Form&, const std::string&) override { return true; }
    void printReport(const tk::Form&, forms::ReportPart) override {}
    bool interruptWork(const std::string&) override { return false; }
    void showRemainingSections(const std::string& text) override {
        listing = text;
        if (openRemaining) openRemaining(text);
    }
    void showGuide() override {}
    bool saveProject(const tk::Form&, bool) override { return true; }
    void openProject(const tk::Form&) override {}
    void editProject(const tk::Form&) override {}
    void saveReportPdf(const tk::Form&, forms::ReportPart) override {}
    void balanceProject(const tk::Form&) override {}
    void stepCompleted() override {
        if (onStep) onStep();
    }
    std::function<void()> onStep;
    std::function<void(const std::string&)> openRemaining;
    std::string listing;
};

struct MainFormHarness {
    MainFormHarness() {
        windows.setEventGuard(&guard);
        form.startCircuit();
        form.showModeless();
    }

    // Steel, riser 3, circuit consumer 12, 90/70 °C.
    void enterCircuit() {
        form.optStahlrohr.click();
        form.txtStrNr.enter("3");
        form.txtHFlNr.enter("12");
        form.txtVorlauf.enter("90");
        form.txtRuecklauf.enter("70");
    }

    void addConsumer(const char* load) {
        form.txtHkLstgW.enter(load);
        form.cmdNaechstVerbrauch.click();
    }

    // Each load with "+", then ">".
    void enterConsumers(std::initializer_list<const char*> loads) {
        for (const char* load : loads) addConsumer(load);
        form.cmdWeiter.click();
    }

    // The section fields, typed after ">"; "Teilstrecke" is not yet pressed.
    void enterSection(const char* number, const char* length, const char* velocity) {
        form.txtTeilstr.enter(number);
        form.txtTeilstrckmtr.enter(length);
        form.txtGeschw.enter(velocity);
    }

    // The same, then "Teilstrecke" with the catalogue's user scripted before.
    void takeSection(const char* number, const char* length, const char* velocity) {
        enterSection(number, length, velocity);
        form.cmdTeilRohr.click();
    }

    // DN and the fittings in the form's order (Verbraucher, bends, tees,
    // connections, reducers), then "Rechnen".
    void computeSection(std::initializer_list<const char*> texts) {
        tk::TextField* fields[] = {&form.txtRohrDN,  &form.txtVrbrchr,   &form.txtBoganzahl,
                                   &form.txtTAnzahl, &form.txtAnbindAnz, &form.txtReduAnz};
        std::size_t i = 0;
        for (const char* text : texts) fields[i++]->enter(text);
        form.cmdRechnen.click();
    }

    // The step was refused with `text` under "Eingabeberichtigung:" and the
    // focus in `focus`; the message is taken off the list.
    void expectCorrection(const std::string& text, const tk::Control& focus) {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.last().text, text);
        EXPECT_EQ(messages.last().title, "Eingabeberichtigung:");
        EXPECT_EQ(messages.last().style, tk::MessageStyle::Information);
        EXPECT_TRUE(focus.hasFocus()) << "focus should be in " << focus.name();
        messages.shown.clear();
    }

    // The user closes the catalogue without choosing.
    void returnWithoutChoice() {
        windows.whenModal("frmArmaturen", [this] { returnFrom(catalogue.frmArmaturen); });
    }

    // The user presses the dialog's visible return button.
    static void returnFrom(catalogue::CatalogueForm& dialog) {
        for (tk::Button* button : dialog.returnButtons())
            if (button->visible()) {
                button->click();
                return;
            }
    }

    // A catalogue pick: maker (or group), kind and model positions as shown.
    struct Pick {
        int maker, kind, model;
    };
    static void choose(catalogue::CatalogueForm& dialog, Pick pick) {
        dialog.cboHersteller.choose(pick.maker);
        kindBox(dialog, pick.maker).choose(pick.kind);
        modelBox(dialog, pick.maker, pick.kind).choose(pick.model);
    }

    void pickInFirstDialog(int maker, int kind, int model) {
        windows.whenModal("frmArmaturen", [this, maker, kind, model] {
            choose(catalogue.frmArmaturen, {maker, kind, model});
            returnFrom(catalogue.frmArmaturen);
        });
    }

    // The user opens the second dialog through the third maker and picks there.
    void pickInSecondDialog(int group, int kind, int model) {
        windows.whenModal("frmArmaturen",
                          [this] { catalogue.frmArmaturen.cboHersteller.choose(3); });
        returnFromSecondDialog(Pick{group, kind, model});
    }

    // The user picks a model of the first dialog, changes their mind and
    // opens the second dialog; there they pick a model, or return without a
    // choice.
    void pickInFirstThenSecond(Pick first, std::optional<Pick> second) {
        windows.whenModal("frmArmaturen", [this, first] {
            choose(catalogue.frmArmaturen, first);
            catalogue.frmArmaturen.cboHersteller.choose(3);
        });
        returnFromSecondDialog(second);
    }

    void returnFromSecondDialog(std::optional<Pick> pick) {
        windows.whenModal("frmArmaturen2", [this, pick] {
            if (pick) choose(catalogue.frmArmaturen2, *pick);
            returnFrom(catalogue.frmArmaturen2);
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
    forms::FaultGuard guard{state, messages};
    catalogue::Catalogue catalogue{windows};
    RecordingServices services;
    circuit::FrmHaupt form{windows, state, messages, catalogue, services};
};

}  // namespace testing_support
