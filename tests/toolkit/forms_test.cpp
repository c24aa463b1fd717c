#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

#include "forms/FaultGuard.h"
#include "tests/support/TestDoubles.h"
#include "toolkit/Form.h"

namespace {

class Sample : public tk::Form {
public:
    explicit Sample(tk::WindowSystem& windows, std::string name = "frmSample")
        : tk::Form(windows, std::move(name), "Probe") {
        kv.designMaxLength(4);
        hidden.designHidden();
        menu.designDisabled();
    }
    int loads = 0;
    tk::TextField kv{*this, "txtKV"};
    tk::TextField hidden{*this, "txtHidden"};
    tk::Button ok{*this, "cmdOk", "OK"};
    tk::ComboBox box{*this, "cboBox"};
    tk::TreeView tree{*this, "tvwTree"};
    tk::MenuEntry menu{*this, "mnuItem", "Datei", "&Drucken", "Ctrl+D"};

protected:
    void Form_Load() override { ++loads; }
};

TEST(Forms, ControlAccessLoadsImplicitlyAndUnloadRestoresDesign) {
    tk::ScriptedWindowSystem windows;
    Sample form(windows);
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(form.kv.text(), "");
    EXPECT_TRUE(form.loaded());
    EXPECT_EQ(form.loads, 1);
    form.kv.setText("0,315");  // program text is kept whole
    form.hidden.setVisible(true);
    form.box.addItem("x");
    form.showModeless();
    EXPECT_FALSE(form.box.choose(2));  // beyond the entries
    EXPECT_TRUE(form.box.choose(1));
    form.box.setText("Hersteller");  // a prompt chooses nothing
    EXPECT_EQ(form.box.position(), 0);
    EXPECT_EQ(form.kv.text(), "0,315");
    form.unload();
    EXPECT_FALSE(form.loaded());
    EXPECT_FALSE(form.hidden.visible());
    EXPECT_EQ(form.kv.text(), "");
    EXPECT_TRUE(form.box.items().empty());
    EXPECT_FALSE(form.menu.enabled());
    EXPECT_EQ(form.loads, 2);
}

TEST(Forms, TypingStopsAtTheMaximumLength) {
    tk::ScriptedWindowSystem windows;
    Sample form(windows);
    form.showModeless();
    EXPECT_TRUE(form.kv.enter("12345"));
    EXPECT_EQ(form.kv.text(), "1234");
    form.kv.setText("0,31");
    form.kv.type("5");
    EXPECT_EQ(form.kv.text(), "0,31");
    form.kv.enter("Wärme");  // characters, not bytes
    EXPECT_EQ(form.kv.text(), "Wärm");
    EXPECT_FALSE(form.hidden.enter("1"));  // a hidden field takes no input
}

// A selection the handler refuses stays where it was; new items keep the
// selection's place while it is there.
TEST(Forms, ATreeKeepsItsSelectionUnlessTheHandlerTakesAnother) {
    tk::ScriptedWindowSystem windows;
    Sample form(windows);
    form.showModeless();
    form.tree.setItems({{0, "Projekt"}, {1, "Stromkreis"}, {2, "TS 07"}});
    form.tree.onSelect([](int index) { return index != 1; });
    EXPECT_TRUE(form.tree.select(2));
    EXPECT_FALSE(form.tree.select(1));
    EXPECT_EQ(form.tree.selected(), 2);
    form.tree.setItems({{0, "Projekt"}, {1, "Stromkreis"}});
    EXPECT_EQ(form.tree.selected(), 1);
}

// Modal forms nest and block the others; a fault gives the modal place back.
TEST(Forms, ModalFormsNestAndBlockOtherWindows) {
    tk::ScriptedWindowSystem windows;
    Sample outer(windows, "frmOuter");
    Sample inner(windows, "frmInner");
    Sample beneath(windows, "frmBeneath");
    beneath.showModeless();
    std::vector<std::string> seen;
    inner.ok.onClick([&] {
        seen.push_back("inner ok");
        inner.hide();
    });
    outer.box.onClick([&] {
        outer.hide();
        inner.showModal();
        seen.push_back("after inner");
    });
    windows.whenModal("frmOuter", [&] {
        EXPECT_FALSE(beneath.ok.click());  // takes no input meanwhile
        outer.box.addItem("zweites Formular");
        outer.box.choose(1);
    });
    windows.whenModal("frmInner", [&] {
        EXPECT_FALSE(outer.ok.click());
        EXPECT_TRUE(inner.ok.click());
    });
    outer.showModal();
    EXPECT_EQ(seen, (std::vector<std::string>{"inner ok", "after inner"}));
    EXPECT_EQ(windows.modalShown, (std::vector<std::string>{"frmOuter", "frmInner"}));
    EXPECT_TRUE(beneath.ok.click());
    windows.whenModal("frmInner", [] { throw std::runtime_error("fault in the dialog"); });
    EXPECT_THROW(inner.showModal(), std::runtime_error);
    EXPECT_EQ(windows.topModal(), nullptr);
    EXPECT_TRUE(beneath.ok.click());
}

}  // namespace

// A fault inside a click puts the state, the listing, the step's controls
// and the pointer back as they were before the click. It is logged with its
// source, text and time to standard error and to the log, which drops its
// oldest lines to stay under its limit.
TEST(FaultGuard, AFaultInAClickPutsTheScreenBackAndIsLogged) {
    tk::ScriptedWindowSystem windows;
    tk::RecordingMessageBox messages;
    calc::CalcState state;
    const std::filesystem::path log = testing::TempDir() + "rohrweiten-fehler/rohrweiten.log";
    std::filesystem::remove_all(log.parent_path());
    forms::FaultGuard guard(state, messages, log);
    windows.setEventGuard(&guard);
    Sample form(windows);
    forms::PhaseTable table{{"cmdOk", "txtHidden"}, {"cmdOk"}, {}, {}};
    table.rows = {{{"cmdOk"}, {"cmdOk"}, {}, ""}, {{"txtHidden"}, {}, {}, ""}};
    guard.watch(form, form.kv, table, &calc::CalcState::mainPhase);
    form.showModeless();
    forms::showPhase(form, table, 0, state.mainPhase);
    form.kv.setText("01   07");
    form.ok.onClick([&] {
        form.kv.setText("01   07    2326");
        forms::showPhase(form, table, 1, state.mainPhase);
        form.setMousePointer(tk::MousePointer::Hourglass);
        throw std::out_of_range("Strang 21 außerhalb der Tabelle");
    });
    testing::internal::CaptureStderr();
    EXPECT_TRUE(form.ok.click());
    EXPECT_EQ(state.mainPhase, 0);
    EXPECT_EQ(form.kv.text(), "01   07");
    EXPECT_TRUE(form.ok.usable());
    EXPECT_EQ(form.mousePointer(), tk::MousePointer::Normal);
    EXPECT_EQ(messages.last().title, "Eingabefehler:");
    auto logged = [&] { return (std::stringstream() << std::ifstream(log).rdbuf()).str(); };
    const std::regex line(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d  Fehler bei frmSample\.cmdOk: )"
                          "Strang 21 außerhalb der Tabelle\n");
    EXPECT_TRUE(std::regex_search(testing::internal::GetCapturedStderr(), line));
    EXPECT_TRUE(std::regex_match(logged(), line)) << logged();
    for (const char* entry : {"zweite", "dritte", "vierte"}) forms::appendToLog(log, entry, 15);
    EXPECT_EQ(logged(), "dritte\nvierte\n");
}
