#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "editor/FrmProjektBearbeiten.h"
#include "projectfile/ProjectFile.h"
#include "workfile/Files.h"
#include "session/ProjectSession.h"
#include "tests/editing/TypedProject.h"
#include "tests/editor/BalanceProject.h"
#include "tests/support/TestDoubles.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ProjectHarness;
using namespace testing_support::typed;

// The window layer's printing of the sheet: every page kept as lines.
struct RecordedSheets : editor::SheetPrinter {
    void printSheet(const tk::Form&, const Sheet& sheet) override { failure = sheet(pages); }
    void saveSheetPdf(const tk::Form& owner, const Sheet& sheet) override {
        printSheet(owner, sheet);
    }
    tk::PageRecorder pages;
    std::string failure;
};

// The forms with their project session and the editor over them.
struct EditorHarness : ProjectHarness {
    EditorHarness()
        : folder((fs::temp_directory_path() / ("rohrweiten-editor-" + std::to_string(::getpid())))
                     .string()),
          session(state, messages, files, folder, form, rest),
          changes(state, messages, session),
          limits(windows, messages, changes),
          plannerTables(folder + "/config", messages),
          tables(windows, messages, plannerTables),
          balance(windows, messages, changes, {limits, tables, plannerTables, files, sheets}),
          editor(windows, state, messages, catalogue, changes, balance) {
        fs::create_directories(folder);
        fs::remove_all(folder + "/config");
        services.onStep = [this] {
            changes.formStepCompleted();
            session.stepCompleted();
        };
    }

    // Opens the editor from the form in front; `user` works in it, and the
    // editor is closed after unless the user closed it.
    void edit(const std::function<void()>& user) {
        windows.whenModal("frmProjektBearbeiten", [this, user] {
            user();
            if (editor.visible()) editor.cmdSchliessen.click();
        });
        tk::MenuEntry& entry =
            rest.visible() ? rest.mnuProjektBearbeiten : form.mnuProjektBearbeiten;
        ASSERT_TRUE(entry.enabled());
        editor.edit();
    }
    // The tree item whose text begins so.
    bool select(const std::string& start) {
        const auto& items = editor.tvwProjekt.items();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].text.starts_with(start))
                return editor.tvwProjekt.select(static_cast<int>(i));
        ADD_FAILURE() << "no item " << start;
        return false;
    }
    // Types into a field and applies it as Enter does.
    bool change(tk::TextField& field, const std::string& text) {
        field.enter(text);
        return field.apply();
    }

    std::string folder;
    tk::ScriptedFileDialog files;
    RecordedSheets sheets;
    session::ProjectSession session;
    editor::ProjectChanges changes;
    editor::FrmGrenzwerte limits;
    editor::PlannerTables plannerTables;
    editor::FrmVoreinstelltabellen tables;
    editor::FrmAbgleich balance;
    editor::FrmProjektBearbeiten editor;
};

// What the forms show and keep after the editor equals the project typed
// fresh with the changed inputs.
void expectAsTyped(const EditorHarness& edited, const ProjectHarness& typed) {
    EXPECT_TRUE(edited.state.project() == typed.state.project());
    EXPECT_EQ(edited.listing(), typed.listing());
}

TEST(Editor, ALengthChangedReachesEveryFurtherCircuitAndTheForms) {
    EditorHarness h;
    type(h, h.form.optStahlrohr, kCritical, kFurther);
    const steps::Results before = steps::calculate(*h.state.document).results;
    h.edit([&] {
        ASSERT_TRUE(h.select("TS 07"));
        ASSERT_TRUE(h.change(h.editor.txtTeilstrckmtr, "12"));
        EXPECT_EQ(h.editor.tvwProjekt.items()[2].text, "TS 07 – 12,00 m – DN 15");
        EXPECT_EQ(h.editor.mnuRueckgaengig.caption(), "&Rückgängig: Länge TS 07");
        // The forms behind follow at once.
        EXPECT_EQ(h.rest.txtAusgabeDN.text(),
                  steps::remainingStageListing(steps::calculate(*h.state.document)));
    });
    ASSERT_TRUE(h.messages.shown.empty()) << h.messages.last().text;
    const steps::Results after = steps::calculate(*h.state.document).results;
    for (std::size_t c = 1; c < after.circuits.size(); ++c)
        EXPECT_GT(after.circuits[c].availablePressure, before.circuits[c].availablePressure) << c;
    ProjectHarness typed;
    type(typed, typed.form.optStahlrohr, {{"7", "12", "15", "2326"}, kCritical[1]}, kFurther);
    expectAsTyped(h, typed);
    EXPECT_EQ(h.rest.phase(), remaining::RemainingPhase::RiserDone);
}

// A section inserted into the critical circuit, moved up and deleted: the
// project and every circuit's listing are those of the project typed so,
// where the further circuits keep the sizes they were corrected to.
TEST(Editor, SectionsInsertedMovedAndDeletedAsIfTyped) {
    EditorHarness h;
    const std::vector<TypedCircuit> further = {{"4", "8", {{"21", "6", "15", "1500"}}},
                                               kFurther[1]};
    type(h, h.form.optStahlrohr, kCritical, further);
    auto expectTyped = [&h, &further](const std::vector<Typed>& sections) {
        ProjectHarness typed;
        type(typed, typed.form.optStahlrohr, sections, further);
        const steps::Calculation fresh = steps::calculate(*typed.state.document);
        const steps::Calculation edited = steps::calculate(*h.state.document);
        EXPECT_TRUE(edited.state.project() == fresh.state.project());
        EXPECT_EQ(edited.criticalListing, fresh.criticalListing);
        EXPECT_EQ(edited.remainingListing, fresh.remainingListing);
    };
    h.edit([&] {
        ASSERT_TRUE(h.select("TS 08"));
        h.editor.tvwProjekt.press(tk::TreeView::Key::Insert);
        for (auto [field, text] : {std::pair{&h.editor.txtTeilstr, "9"},
                                   {&h.editor.txtTeilstrckmtr, "4"},
                                   {&h.editor.txtGeschw, "0,5"},
                                   {&h.editor.txtRohrDN, "15"},
                                   {&h.editor.txtHzKprNr, "1"},
                                   {&h.editor.txtHkLstgW, "900"}})
            field->enter(text);
        h.editor.cmdUebernehmen.click();
        ASSERT_TRUE(h.messages.shown.empty()) << h.messages.last().text;
        EXPECT_EQ(h.editor.mnuRueckgaengig.caption(), "&Rückgängig: TS einfügen");
        expectTyped({kCritical[0], kCritical[1], {"9", "4", "15", "900"}});
        ASSERT_TRUE(h.select("TS 09"));
        h.editor.cmdHoch.click();
        EXPECT_EQ(h.editor.mnuRueckgaengig.caption(), "&Rückgängig: TS 09 verschieben");
        expectTyped({kCritical[0], {"9", "4", "15", "900"}, kCritical[1]});
        h.messages.answers = {true};
        h.editor.tvwProjekt.press(tk::TreeView::Key::Delete);
        EXPECT_EQ(h.messages.last().text, "TS 09 löschen?");
        EXPECT_EQ(h.editor.mnuRueckgaengig.caption(), "&Rückgängig: TS 09 löschen");
    });
    expectTyped(kCritical);
    EXPECT_EQ(h.rest.phase(), remaining::RemainingPhase::RiserDone);
}

// A refused change leaves the document as it was: a field keeps the focus
// and the selection until its text passes or Esc restores it.
TEST(Editor, RefusedChangesLeaveTheDocument) {
    EditorHarness h;
    type(h, h.form.optStahlrohr, kCritical, kFurther);
    const project::Document before = *h.state.document;
    h.edit([&] {
        ASSERT_TRUE(h.select("TS 08"));
        h.messages.answers = {true};
        h.editor.cmdLoeschen.click();
        EXPECT_EQ(h.messages.last().text,
                  "Stromkreis 2 (Strang 4, Verbraucher 31): Keine berechnete Teilstrecke hat die "
                  "Nummer 8.");
        for (const char* text : {"abc", "1\n2", "101"}) {
            EXPECT_FALSE(h.change(h.editor.txtTeilstrckmtr, text)) << text;
            EXPECT_EQ(h.messages.last().text, "Bitte Zahlen zwischen 0,1 und 100 eingeben.");
            EXPECT_TRUE(h.editor.txtTeilstrckmtr.hasFocus());
        }
        const std::size_t told = h.messages.shown.size();
        EXPECT_FALSE(h.select("TS 07"));
        EXPECT_EQ(h.messages.shown.size(), told);  // told once, not again
        h.editor.userPressedEscape();
        EXPECT_EQ(h.editor.txtTeilstrckmtr.text(), "5");
        EXPECT_TRUE(h.editor.visible());
        EXPECT_TRUE(h.select("TS 07"));
        h.editor.mnuRueckgaengig.click();  // nothing to undo
        h.editor.userPressedEscape();
        EXPECT_FALSE(h.editor.visible());
    });
    EXPECT_EQ(*h.state.document, before);
    EXPECT_FALSE(h.changes.history().canUndo());
}

// Another material is one step: steel DN 15 (15.75 mm) and DN 20 (21.25 mm)
// become copper 18 (16 mm) and 28 (25 mm; 22 has only 20 mm), the smallest
// copper sizes at least as wide, and each correction the size the copper
// calculation selects. A size no copper pipe reaches refuses the change.
TEST(Editor, AnotherMaterialMovesTheSizesInOneStep) {
    EditorHarness h;
    type(h, h.form.optStahlrohr, kCritical, kFurther);
    h.edit([&] {
        ASSERT_TRUE(h.select("Projekt"));
        h.editor.optCuRohr.click();
        EXPECT_EQ(h.editor.mnuRueckgaengig.caption(), "&Rückgängig: Rohrart");
    });
    EXPECT_EQ(h.state.materialCode, 2);
    ProjectHarness typed;
    type(typed, typed.form.optCuRohr, {{"7", "10", "18", "2326"}, {"8", "5", "28", "2326"}},
         {{"4", "8", {{"21", "6", "", "1500"}}}, {"5", nullptr, {{"31", "4", "", "800"}}}});
    expectAsTyped(h, typed);

    EditorHarness wide;
    type(wide, wide.form.optStahlrohr, kCritical);
    wide.edit([&] {
        ASSERT_TRUE(wide.select("TS 07"));
        ASSERT_TRUE(wide.change(wide.editor.txtRohrDN, "150"));
        const project::Document before = *wide.state.document;
        ASSERT_TRUE(wide.select("Projekt"));
        const std::size_t shown = wide.messages.shown.size();
        wide.editor.optCuRohr.click();
        ASSERT_EQ(wide.messages.shown.size(), shown + 1);
        const std::string& told = wide.messages.last().text;
        EXPECT_TRUE(told.starts_with("Die Rohrart Kupferrohr hat keine Nennweite mit mindestens "))
            << told;
        EXPECT_TRUE(told.ends_with(" mm Innendurchmesser (TS 07).")) << told;
        EXPECT_EQ(*wide.state.document, before);
    });
    EXPECT_EQ(wide.form.phase(), circuit::MainPhase::CircuitFinished);  // the form as it was
}

// Ten steps back pass every step's project and reach the saved one, whose
// captions lose their mark; ten steps forward pass them again up to the last
// edit. The history outlives the editor until a step on a form.
TEST(Editor, TenStepsUndoneToTheSavedStateAndRedone) {
    EditorHarness h;
    type(h, h.form.optStahlrohr, kCritical, kFurther);
    h.files.answers = {h.folder + "/zehn.rohrprojekt"};
    ASSERT_TRUE(h.session.save(h.form, true));
    std::vector<project::Document> documents{*h.state.document};  // the saved one, then each step
    h.edit([&] {
        for (int step = 1; step <= 10; ++step) {
            ASSERT_TRUE(h.select(step % 2 ? "TS 07" : "TS 08"));
            ASSERT_TRUE(h.change(h.editor.txtTeilstrckmtr, std::to_string(10 + step)));
            documents.push_back(*h.state.document);
        }
    });
    EXPECT_EQ(h.rest.caption(), "Kalvoranberechnung – zehn.rohrprojekt *");
    h.edit([&] {
        EXPECT_EQ(h.editor.caption(), "Projekt bearbeiten *");
        h.editor.txtTeilstrckmtr.setFocus();
        h.editor.txtTeilstrckmtr.enter("99");
        h.editor.mnuRueckgaengig.click();  // the field first
        EXPECT_EQ(*h.state.document, documents[10]);
        for (int step = 9; step >= 0; --step) {
            h.editor.mnuRueckgaengig.click();
            EXPECT_EQ(*h.state.document, documents[static_cast<std::size_t>(step)]) << step;
        }
        EXPECT_EQ(h.editor.caption(), "Projekt bearbeiten");
        EXPECT_FALSE(h.editor.mnuRueckgaengig.enabled());
        EXPECT_EQ(h.editor.mnuWiederholen.caption(), "&Wiederholen: Länge TS 07");
        for (std::size_t step = 1; step <= 10; ++step) {
            h.editor.mnuWiederholen.click();
            EXPECT_EQ(*h.state.document, documents[step]) << step;
        }
        EXPECT_FALSE(h.editor.mnuWiederholen.enabled());
    });
    EXPECT_TRUE(h.changes.history().canUndo());
    h.rest.cmdNaechsterStrang.click();
    h.edit([&] { EXPECT_FALSE(h.editor.mnuRueckgaengig.enabled()); });
}

// The balance of balance_by_hand.md, then another loss outside the network
// and another table for riser 6, both undone.
TEST(Balance, EveryCircuitAsWorkedByHandAndTheChangesUndone) {
    EditorHarness h;
    ASSERT_TRUE(h.session.takeOver(testing_support::balanceProject(), ""));
    ASSERT_TRUE(h.rest.mnuAbgleich.enabled());
    struct Row {
        int riser, valve;
        double need, excess, throttle, requiredKv;
        int step, share;
    };
    const std::vector<Row> dn15 = {{3, 2, 45.1, 5.5, 43.0, 2.335, 8, 33},
                                   {4, 11, 50.6, 0.0, 9.5, 0.66, 8, 108},
                                   {5, 21, 31.4, 19.2, 48.6, 0.233, 4, 90},
                                   {6, 31, 23.0, 27.6, 44.1, 0.612, 7, 85}};
    auto expectRows = [&h](const std::vector<Row>& rows) {
        const auto& shown = h.balance.balance().circuits;
        ASSERT_EQ(shown.size(), rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Row& row = rows[i];
            const balancing::CircuitRow& got = shown[i];
            EXPECT_EQ(got.riser, row.riser);
            EXPECT_EQ(got.valveSectionNumber, row.valve);
            EXPECT_DOUBLE_EQ(got.need, row.need) << row.riser;
            EXPECT_DOUBLE_EQ(got.excess, row.excess) << row.riser;
            EXPECT_DOUBLE_EQ(got.throttle, row.throttle) << row.riser;
            EXPECT_DOUBLE_EQ(got.requiredKv.value_or(-1), row.requiredKv) << row.riser;
            EXPECT_EQ(got.step.value_or("–"), std::to_string(row.step)) << row.riser;
            EXPECT_EQ(got.share.value_or(-1), row.share) << row.riser;
        }
    };
    h.windows.whenModal("frmAbgleich", [&] {
        auto& w = h.balance;
        expectRows(dn15);
        const balancing::Pump& pump = w.balance().pump;
        EXPECT_DOUBLE_EQ(pump.massFlow, 485.8);
        EXPECT_EQ(pump.sectionNumber, 2);
        EXPECT_DOUBLE_EQ(pump.volumeFlow, 0.5);
        EXPECT_DOUBLE_EQ(pump.head, 0.53);
        EXPECT_EQ(w.balance().circuits[0].messages,
                  std::vector<std::string>{
                      "Auch die größte Voreinstellung (kv 0,720) reicht nicht: Durchfluss 33 %."});
        EXPECT_EQ(w.balance().circuits[1].messages,
                  std::vector<std::string>{
                      "Dieser Stromkreis braucht 50,6 mbar, mehr als der ungünstigste Stromkreis "
                      "(45,1 mbar). Die Pumpe muss 5,5 mbar mehr fördern; größere Nennweiten in "
                      "diesem Stromkreis würden helfen."});
        EXPECT_TRUE(w.balance().checks.empty());
        EXPECT_TRUE(w.lblBeispiel.visible());
        EXPECT_FALSE(h.change(w.txtErzeuger, "10000"));
        EXPECT_EQ(h.messages.last().text, "Bitte Zahlen zwischen 0 und 9999 eingeben.");
        ASSERT_TRUE(h.change(w.txtErzeuger, "150"));
        EXPECT_DOUBLE_EQ(w.balance().pump.head, 2.10);
        EXPECT_DOUBLE_EQ(w.balance().pump.pressureKpa, 20.06);
        ASSERT_TRUE(w.cboKreis.choose(4));
        ASSERT_TRUE(w.cboKreisTabelle.choose(4));  // after "wie Projekt": DN 10, 15, 20
        EXPECT_EQ(w.balance().circuits[3].table, "Thermostatventil DN 20, 8 Stufen");
        EXPECT_EQ(w.balance().circuits[3].share, 114);
        EXPECT_EQ(w.mnuRueckgaengig.caption(), "&Rückgängig: Voreinstelltabelle Strang 6");
        w.mnuRueckgaengig.click();
        w.mnuRueckgaengig.click();
        expectRows(dn15);
        EXPECT_DOUBLE_EQ(w.balance().pump.head, 0.53);
        EXPECT_EQ(w.txtKreise.text().find("DN 20"), std::string::npos);
        w.userPressedEscape();
    });
    h.balance.showBalance();
    EXPECT_FALSE(h.balance.visible());
    EXPECT_EQ(h.state.document->balancing, project::Balancing{});
}

// The limits from the balance window: every field refuses a value beyond
// either bound and pasted control characters with its own message and the
// focus, the project unchanged. Lower velocity limits up to 27 mm are one
// step that lists the sections above them (balance_by_hand.md: TS 01 0,19
// and TS 02 0,24 m/s at d 27,0; TS 31 0,19 m/s at d 15,75; TS 11 and TS 21
// stay below 0,1); the defaults taken back clear the list.
TEST(Balance, LimitsRefusedFieldByFieldThenTakenAsOneStep) {
    EditorHarness h;
    ASSERT_TRUE(h.session.takeOver(testing_support::balanceProject(), ""));
    const project::Document before = *h.state.document;
    editor::FrmGrenzwerte& g = h.limits;
    const std::string velocity = "Bitte Zahlen zwischen 0,1 und 3 eingeben.";
    const std::string pressure = "Bitte Zahlen zwischen 50 und 1000 eingeben.";
    struct Field {
        tk::TextField* field;
        const char *below, *above;
        const std::string& message;
    };
    const Field fields[] = {{&g.txtGeschw16, "0,09", "3,01", velocity},
                            {&g.txtGeschw27, "0,09", "3,01", velocity},
                            {&g.txtGeschw40, "0,09", "3,01", velocity},
                            {&g.txtGeschwDarueber, "0,09", "3,01", velocity},
                            {&g.txtReibung, "49", "1001", pressure},
                            {&g.txtVentil, "49", "1001", pressure}};
    std::string lowered;
    for (const char* where : {"3, Verbraucher 12, TS 01: Geschwindigkeit 0,19",
                              "3, Verbraucher 12, TS 02: Geschwindigkeit 0,24",
                              "6, Verbraucher 51, TS 31: Geschwindigkeit 0,19"})
        lowered += "Strang " + std::string(where) + " m/s über 0,10 m/s – Geräusche möglich.\r\n";
    h.windows.whenModal("frmGrenzwerte", [&] {
        g.txtReibung.setText("60");
        g.userPressedEscape();
    });
    h.windows.whenModal("frmGrenzwerte", [&] {
        for (const Field& f : fields) {
            const std::string shown = f.field->text();
            for (const char* text : {f.below, f.above, "1\r\n0"}) {
                f.field->setText(text);
                g.txtGeschw16.setFocus();
                g.cmdUebernehmen.click();
                EXPECT_EQ(h.messages.last().text, f.message) << text;
                EXPECT_TRUE(f.field->hasFocus()) << text;
                EXPECT_EQ(*h.state.document, before) << text;
            }
            f.field->setText(shown);
        }
        int i = 0;
        for (const char* text : {"0,1", "0,1", "3", "3", "50", "1000"})
            fields[i++].field->setText(text);
        g.cmdUebernehmen.click();
        EXPECT_FALSE(g.visible());
    });
    h.windows.whenModal("frmGrenzwerte", [&] {
        g.txtVentil.setText("77");
        g.cmdStandardwerte.click();
        g.cmdUebernehmen.click();
    });
    h.windows.whenModal("frmAbgleich", [&] {
        h.balance.cmdGrenzwerte.click();
        EXPECT_FALSE(h.changes.history().canUndo());
        h.balance.cmdGrenzwerte.click();
        EXPECT_EQ(h.balance.mnuRueckgaengig.caption(), "&Rückgängig: Grenzwerte");
        EXPECT_EQ(h.state.document->balancing.limits,
                  (project::Limits{{16, 27, 40}, {0.1, 0.1, 3, 3}, 50, 1000}));
        EXPECT_EQ(h.balance.txtPruefungen.text(), lowered);
        h.balance.cmdGrenzwerte.click();
        EXPECT_EQ(*h.state.document, before);
        h.balance.mnuRueckgaengig.click();
        EXPECT_EQ(h.balance.txtPruefungen.text(), lowered);
        h.balance.userPressedEscape();
    });
    h.balance.showBalance();
}

// The CSV files of balance_by_hand.md's project, read the way a spreadsheet
// user's script reads them; a second save asks before replacing them.
TEST(Balance, CsvFilesReadByPythonAsWorkedByHand) {
    EditorHarness h;
    ASSERT_TRUE(h.session.takeOver(testing_support::balanceProject(), ""));
    h.files.answers = {h.folder + "/Projekt.csv", h.folder + "/Projekt"};
    h.messages.answers = {false};
    h.windows.whenModal("frmAbgleich", [&h] {
        h.balance.mnuCsv.click();
        fs::remove(h.folder + "/Projekt-Mengen.csv");
        h.balance.mnuCsv.click();
        h.balance.userPressedEscape();
    });
    h.balance.showBalance();
    EXPECT_EQ(h.files.asked.front().proposedName, "Rohrweiten");
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.last().text, h.folder + "/Projekt-Abgleich.csv oder " + h.folder +
                                          "/Projekt-Mengen.csv gibt es schon. Ersetzen?");
    EXPECT_FALSE(fs::exists(h.folder + "/Projekt-Mengen.csv"));  // "Nein" wrote nothing
    h.files.answers = {h.folder + "/Projekt"};
    h.messages.answers = {true};
    h.windows.whenModal("frmAbgleich", [&h] {
        h.balance.mnuCsv.click();
        h.balance.userPressedEscape();
    });
    h.balance.showBalance();
    const std::string script = std::string(ROHR_SOURCE_DIR) + "/tests/editor/read_csv.py";
    EXPECT_EQ(std::system(("python3 " + script + " " + h.folder).c_str()), 0);
}


namespace presetting {

// The planner's tables as the dialog leaves them in the configuration folder.
std::vector<project::PresettingTable> plannerFile(const EditorHarness& h) {
    const auto bytes = workfile::readFileBytes(h.plannerTables.path());
    if (!bytes) return {};
    return projectfile::readPlannerTables(*bytes).tables.value_or(
        std::vector<project::PresettingTable>{});
}

void typeTable(editor::FrmVoreinstelltabellen& d, const std::string& name,
               const std::vector<std::pair<std::string, std::string>>& steps) {
    d.txtName.enter(name);
    for (std::size_t row = 0; row < steps.size(); ++row) {
        d.txtStufe(row).enter(steps[row].first);
        d.txtKv(row).enter(steps[row].second);
    }
}

}  // namespace presetting

// The planner types a table of the DN 15 example's kv values with steps
// "A" to "H": a refused kv first, then saved to the configuration folder.
// Chosen for the project it is copied into the document and every row of
// balance_by_hand.md comes out with its step lettered. A later change in the
// dialog, saved on leaving the table, leaves the project's copy alone until
// chosen again; undo takes the copy away with the choice.
TEST(Balance, ThePlannersOwnTableIsSavedChosenAndCopiedIntoTheProject) {
    using namespace presetting;
    EditorHarness h;
    ASSERT_TRUE(h.session.takeOver(testing_support::balanceProject(), ""));
    const std::vector<std::pair<std::string, std::string>> steps = {
        {"A", "0,05"}, {"B", "0,09"}, {"C", "0,14"}, {"D", "0,21"},
        {"E", "0,3"},  {"F", "0,4"},  {"G", "0,52"}, {"H", "0,72"}};
    auto& d = h.tables;
    h.windows.whenModal("frmVoreinstelltabellen", [&] {
        EXPECT_EQ(d.cboTabelle.items(), std::vector<std::string>{"(neue Tabelle)"});
        typeTable(d, "Eigenes Ventil", steps);
        d.txtKv(3).enter("0,13");
        d.cmdSpeichern.click();
        EXPECT_EQ(h.messages.last().text, "Die kv-Werte müssen von Stufe zu Stufe steigen.");
        EXPECT_EQ(h.messages.last().title, "Eingabeberichtigung:");
        EXPECT_TRUE(d.txtKv(3).hasFocus());
        EXPECT_TRUE(plannerFile(h).empty());
        d.txtKv(3).enter("0,21");
        d.cmdSpeichern.click();
        d.cmdSchliessen.click();
    });
    h.windows.whenModal("frmVoreinstelltabellen", [&] {
        d.txtKv(7).enter("0,8");
        h.messages.answers = {true};  // "Jetzt speichern?" on leaving the table
        ASSERT_TRUE(d.cboTabelle.choose(1));
        EXPECT_EQ(h.messages.last().text,
                  "Die Änderungen an der Tabelle „Eigenes Ventil“ sind nicht gespeichert. "
                  "Jetzt speichern?");
        EXPECT_EQ(d.txtName.text(), "");
        d.cmdSchliessen.click();
    });
    h.windows.whenModal("frmAbgleich", [&] {
        auto& w = h.balance;
        w.cmdTabellen.click();
        ASSERT_EQ(plannerFile(h).size(), 1u);
        EXPECT_EQ(plannerFile(h)[0].steps[7], (project::PresettingStep{"H", 0.72}));
        ASSERT_EQ(w.cboProjektTabelle.items().size(), 4u);
        ASSERT_TRUE(w.cboProjektTabelle.choose(4));
        ASSERT_EQ(h.state.document->balancing.tables, plannerFile(h));
        std::vector<std::string> lettered;
        for (const auto& row : w.balance().circuits) lettered.push_back(row.step.value_or("–"));
        EXPECT_EQ(lettered, (std::vector<std::string>{"H", "H", "D", "G"}));
        EXPECT_FALSE(w.lblBeispiel.visible());
        w.cmdTabellen.click();  // the last kv becomes 0,8
        EXPECT_EQ(w.cboProjektTabelle.text(), "Eigenes Ventil (aus dem Projekt)");
        EXPECT_EQ(w.cboProjektTabelle.items().back(), "Eigenes Ventil");
        EXPECT_DOUBLE_EQ(h.state.document->balancing.tables[0].steps[7].kv, 0.72);
        ASSERT_TRUE(w.cboProjektTabelle.choose(5));
        EXPECT_EQ(h.state.document->balancing.tables, plannerFile(h));
        EXPECT_EQ(w.cboProjektTabelle.text(), "Eigenes Ventil");
        w.mnuRueckgaengig.click();
        EXPECT_DOUBLE_EQ(h.state.document->balancing.tables[0].steps[7].kv, 0.72);
        w.mnuRueckgaengig.click();
        EXPECT_TRUE(h.state.document->balancing.tables.empty());
        w.userPressedEscape();
    });
    h.balance.showBalance();
}

// A damaged file is told, kept aside under a dated name and not written
// over; the dialog starts without tables and saves a new file. A file of a
// newer program stays where it is and is not written over either.
TEST(Balance, ATablesFileThatCannotBeReadIsNeverWrittenOver) {
    using namespace presetting;
    struct Case {
        std::string file, told;
        bool keptAside;
    };
    const Case cases[] = {
        {"{\"format\": 1", "ist beschädigt (Die Datei ist kein gültiges JSON", true},
        {R"({"format": "rohrweiten-voreinstelltabellen", "version": 2, "neu": []})",
         "stammt aus einer neueren Programmversion (Version 2)", false}};
    for (const Case& c : cases) {
        EditorHarness h;
        const std::string config = h.folder + "/config";
        fs::create_directories(config);
        ASSERT_FALSE(workfile::writeFileAtomically(h.plannerTables.path(), c.file));
        h.windows.whenModal("frmVoreinstelltabellen", [&] {
            EXPECT_EQ(h.tables.cboTabelle.items().size(), 1u);
            typeTable(h.tables, "Neu", {{"1", "1"}, {"2", "2"}});
            h.tables.cmdSpeichern.click();
            h.tables.cmdSchliessen.click();  // unsaved: "Nein"
        });
        h.tables.showTables();
        ASSERT_EQ(h.messages.shown.size(), c.keptAside ? 1u : 3u);
        EXPECT_NE(h.messages.shown[0].text.find(c.told), std::string::npos) << c.file;
        std::vector<std::string> files;
        for (const auto& entry : fs::directory_iterator(config))
            files.push_back(entry.path().filename().string());
        std::sort(files.begin(), files.end());
        ASSERT_EQ(files.size(), c.keptAside ? 2u : 1u);
        if (c.keptAside) {
            EXPECT_TRUE(files[0].starts_with("voreinstelltabellen-defekt-2"));
            EXPECT_EQ(files[0].size(), std::string("voreinstelltabellen-defekt-JJJJMMTT-hhmmss.json").size());
            EXPECT_EQ(workfile::readFileBytes(config + "/" + files[0]), c.file);
            EXPECT_EQ(plannerFile(h).size(), 1u);
        } else {
            EXPECT_EQ(workfile::readFileBytes(h.plannerTables.path()), c.file);
            EXPECT_NE(h.messages.shown[1].text.find("konnte nicht gespeichert werden"),
                      std::string::npos);
        }
    }
}

// The pages of a sheet written by hand, divided by a line "<<< neue Seite >>>".
std::vector<std::vector<std::string>> pagesWrittenByHand(const std::string& file) {
    std::ifstream in(std::string(ROHR_SOURCE_DIR) + "/tests/editor/" + file);
    std::vector<std::vector<std::string>> pages(1);
    for (std::string line; std::getline(in, line);) {
        if (line == "<<< neue Seite >>>")
            pages.emplace_back();
        else
            pages.back().push_back(line);
    }
    return pages;
}

// "Einstellformular drucken…" of the balance window over the project of
// balance_by_hand.md with a further circuit not finished, its balance and
// quantities worked by hand in sheet_by_hand.txt: the quantities close the
// first page, the notes and the confirmation follow below the second page's
// head.
TEST(Balance, TheSheetPrintedFromTheWindowAsWorkedByHand) {
    EditorHarness h;
    project::Document document = testing_support::balanceProject();
    document.header = {"0815",       "J. Maier", "07.12.2026", "Bau GmbH", "Haus A", "Straße 1",
                       "12345 Köln", "0221 12",  "Nord",       "Block 2",  "0221 9"};
    project::beginCircuit(document, 7, 61);  // begun, not finished
    ASSERT_TRUE(h.session.takeOver(document, ""));
    h.windows.whenModal("frmAbgleich", [&] {
        h.balance.mnuDrucken.click();
        h.balance.cmdSchliessen.click();
    });
    h.balance.showBalance();
    EXPECT_EQ(h.sheets.failure, "");
    const auto expected = pagesWrittenByHand("sheet_by_hand.txt");
    ASSERT_EQ(h.sheets.pages.pages.size(), expected.size());
    for (std::size_t p = 0; p < expected.size(); ++p)
        EXPECT_EQ(h.sheets.pages.pages[p], expected[p]) << "Seite " << p + 1;
    EXPECT_EQ(h.sheets.pages.documentsEnded, 1);
}

}  // namespace
