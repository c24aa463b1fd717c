#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "shell/FormWindow.h"
#include "shell/QtWindowSystem.h"

namespace {

using TreeKey = tk::TreeView::Key;

// An editor in small: the network as a tree, two fields that refuse "x"
// and keep the focus then, a step's button and an entry with two keys.
class Editor : public tk::Form {
public:
    explicit Editor(tk::WindowSystem& windows) : tk::Form(windows, "frmEditor", "Editor") {
        tvwNetz.onSelect([this](int index) {
            asked.push_back(index);
            return index != refused;
        });
        tvwNetz.onKey([this](TreeKey key) { keys.push_back(key); });
        for (tk::TextField* field : {&txtLaenge, &txtLeistung})
            field->onApply([this, field] {
                applied.push_back(field->name() + "=" + field->text());
                if (field->text() != "x") return true;
                field->setFocus();
                return false;
            });
        cmdOk.onClick([this] { ++okClicks; });
        mnuRedo.designSecondShortcut("Ctrl+Shift+Z");
        mnuRedo.onClick([this] { ++redone; });
    }
    void Form_KeyEscape() override { ++escapes; }

    tk::TreeView tvwNetz{*this, "tvwNetz"};
    tk::TextField txtLaenge{*this, "txtLaenge"};
    tk::TextField txtLeistung{*this, "txtLeistung"};
    tk::Button cmdOk{*this, "cmdOk", "OK"};
    tk::MenuEntry mnuRedo{*this, "mnuRedo", "&Bearbeiten", "&Wiederholen", "Ctrl+Y"};
    int refused = -1;
    std::vector<int> asked;
    std::vector<TreeKey> keys;
    std::vector<std::string> applied;
    int okClicks = 0, redone = 0, escapes = 0;
};

// Also runs what the handlers have queued meanwhile.
void settle() {
    for (int round = 0; round < 3; ++round) QApplication::processEvents();
}

shell::FormLayout editorLayout() {
    return {QSize(400, 300),
            {{"tvwNetz", {QRect(10, 10, 200, 280), shell::Look::Column}},
             {"txtLaenge", {QRect(220, 10, 100, 24)}},
             {"txtLeistung", {QRect(220, 40, 100, 24)}},
             {"cmdOk", {QRect(220, 260, 80, 30)}}}};
}

class EditorWidgets : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "shell_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
    }
    EditorWidgets() {
        form.showModeless();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    ~EditorWidgets() override { form.unload(); }

    template <typename W>
    W* widget(const std::string& name) {
        return qobject_cast<W*>(window.widgetFor(name));
    }
    QTreeWidgetItem* row(const char* text) {
        return widget<QTreeWidget>("tvwNetz")
            ->findItems(text, Qt::MatchExactly | Qt::MatchRecursive)
            .value(0);
    }

    shell::QtWindowSystem windows;
    Editor form{windows};
    shell::FormWindow window{form, windows, editorLayout()};
};

// The tree shows the model's depths; the user's selection by key or mouse
// asks the form first, and a refused one leaves the row where it was.
TEST_F(EditorWidgets, TreeMirrorsItsItemsAndAsksBeforeEverySelection) {
    auto* tree = widget<QTreeWidget>("tvwNetz");
    form.tvwNetz.setItems({{0, "Projekt"}, {1, "Stromkreis"}, {2, "TS 01"}, {2, "TS 02"}});
    form.tvwNetz.setSelected(2);
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    ASSERT_EQ(row("Stromkreis")->parent(), row("Projekt"));
    EXPECT_EQ(row("TS 02")->parent(), row("Stromkreis"));
    EXPECT_TRUE(row("Stromkreis")->isExpanded());
    EXPECT_EQ(tree->currentItem(), row("TS 01"));
    EXPECT_TRUE(form.asked.empty());

    struct Step {
        Qt::Key key;  // else a click on `clicked`
        const char* clicked;
        int refused, asked, selected;
        const char* shown;
    };
    const Step steps[] = {{Qt::Key_Down, "", -1, 3, 3, "TS 02"},
                          {Qt::Key_Up, "", 2, 2, 3, "TS 02"},
                          {Qt::Key_unknown, "Stromkreis", 1, 1, 3, "TS 02"},
                          {Qt::Key_unknown, "Projekt", -1, 0, 0, "Projekt"}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.asked);
        form.refused = step.refused;
        if (step.key != Qt::Key_unknown)
            QTest::keyClick(tree, step.key);
        else
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                              tree->visualItemRect(row(step.clicked)).center());
        settle();
        EXPECT_EQ(form.asked.back(), step.asked);
        EXPECT_EQ(tree->currentItem(), row(step.shown));
        EXPECT_EQ(tree->selectedItems(), QList<QTreeWidgetItem*>{row(step.shown)});
        EXPECT_EQ(form.tvwNetz.selected(), step.selected);
    }

    QTest::keyClick(tree, Qt::Key_Delete);
    QTest::keyClick(tree, Qt::Key_Insert);
    EXPECT_EQ(form.keys, (std::vector<TreeKey>{TreeKey::Delete, TreeKey::Insert}));

    form.tvwNetz.setSelected(2);
    form.tvwNetz.setItems({{0, "Projekt"}, {1, "Stromkreis"}, {2, "TS 07"}, {2, "TS 02"}});
    EXPECT_EQ(tree->currentItem(), row("TS 07"));
    form.tvwNetz.setItems({{0, "Projekt"}, {1, "Stromkreis"}, {2, "TS 07"}, {1, "Stromkreis 2"}});
    EXPECT_EQ(row("Stromkreis 2")->parent(), row("Projekt"));
    EXPECT_EQ(row("TS 02"), nullptr);

    const QRect before = tree->geometry();
    window.resize(window.size() + QSize(100, 50));
    settle();
    EXPECT_EQ(tree->geometry(), before.adjusted(0, 0, 0, 50));
}

// Enter or leaving a field by the user applies it once; a refused text
// keeps the focus, and the program moving the focus applies nothing. Menu
// keys belong to the menu even where a field knows them as its own.
TEST_F(EditorWidgets, FieldsApplyThemselvesAndMenuKeysWin) {
    form.setDefaultButton(&form.cmdOk);
    struct Case {
        const char* field;
        const char* typed;
        std::function<void(QLineEdit*)> leave;
        std::vector<std::string> applied;
        const char* focusAfter;
    };
    const auto key = [](Qt::Key k, Qt::KeyboardModifiers m = {}) {
        return [k, m](QLineEdit* edit) { QTest::keyClick(edit, k, m); };
    };
    const auto clickLaenge = [this](QLineEdit*) {
        QTest::mouseClick(widget<QLineEdit>("txtLaenge"), Qt::LeftButton);
    };
    const Case cases[] = {
        {"txtLaenge", "12", key(Qt::Key_Return), {"txtLaenge=12"}, "txtLaenge"},
        {"txtLaenge", "3", key(Qt::Key_Enter, Qt::KeypadModifier), {"txtLaenge=3"}, "txtLaenge"},
        {"txtLaenge", "x", key(Qt::Key_Return), {"txtLaenge=x"}, "txtLaenge"},
        {"txtLaenge", "4", key(Qt::Key_Tab), {"txtLaenge=4"}, "txtLeistung"},
        {"txtLeistung", "x", key(Qt::Key_Backtab), {"txtLeistung=x"}, "txtLeistung"},
        {"txtLeistung", "5", clickLaenge, {"txtLeistung=5"}, "txtLaenge"},
        {"txtLaenge", "6", [this](QLineEdit*) { form.txtLeistung.setFocus(); }, {}, "txtLeistung"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        auto* field = static_cast<tk::TextField*>(form.find(c.field));
        auto* edit = widget<QLineEdit>(c.field);
        field->setFocus();
        settle();
        form.applied.clear();
        edit->selectAll();
        QTest::keyClicks(edit, c.typed);
        c.leave(edit);
        settle();
        EXPECT_EQ(form.applied, c.applied);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focusAfter);
        EXPECT_EQ(form.focused()->name(), c.focusAfter);
    }
    EXPECT_EQ(form.okClicks, 0);

    auto* edit = widget<QLineEdit>("txtLeistung");
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form.redone, 2);
    form.mnuRedo.setCaption("&Wiederholen: Länge TS 07");
    EXPECT_EQ(window.menuAction("mnuRedo")->text(), "&Wiederholen: Länge TS 07");

    QTimer::singleShot(0, &window, [&] {
        QTest::keyClick(edit, Qt::Key_Escape);
        form.hide();
    });
    form.showModal();
    EXPECT_EQ(form.escapes, 1);
    EXPECT_TRUE(form.loaded());
}

}  // namespace
