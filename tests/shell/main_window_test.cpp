#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <functional>

#include "shell/Program.h"
#include "tests/support/TestDoubles.h"

namespace {

void ensureApplication() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Interrupted work of the tests never meets the user's own.
    static const QByteArray data =
        QDir::temp()
            .filePath(
                QStringLiteral("rohrweiten-test-data-%1").arg(QCoreApplication::applicationPid()))
            .toUtf8();
    qputenv("XDG_DATA_HOME", data);
    static int argc = 1;
    static char name[] = "shell_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
}

// The README's first project: one steel section of the critical circuit up
// to "Fertig", entered through the form's controls, the catalogue left.
void enterCriticalSection(shell::Program& program) {
    auto& main = program.frmHaupt();
    main.optStahlrohr.click();
    main.txtStrNr.enter("3");
    main.txtHFlNr.enter("12");
    main.txtVorlauf.enter("90");
    main.txtRuecklauf.enter("70");
    main.txtHkLstgW.enter("2326");
    main.cmdNaechstVerbrauch.click();
    main.cmdWeiter.click();
    main.txtTeilstr.enter("7");
    main.txtTeilstrckmtr.enter("10");
    main.txtGeschw.enter("0,5");
    QTimer::singleShot(0, [&] { program.catalogue().frmArmaturen.userClosed(); });
    main.cmdTeilRohr.click();
    main.txtRohrDN.enter("15");
    main.cmdRechnen.click();
    EXPECT_FALSE(main.mnuItemArbeitunterbrechen.enabled());  // only after "Fertig"
    main.cmdFertig.click();
}

// Its further circuit: riser 4, one section sharing nothing, up to "Fertig".
void enterFurtherCircuit(shell::Program& program) {
    program.frmHaupt().cmdRstTeilstr.click();
    auto& rest = program.frmRohrDm();
    EXPECT_FALSE(rest.mnuItemArbeitunterbrechen.enabled());
    rest.txtStrNr.enter("4");
    rest.txtHFlNr.enter("31");
    rest.cmdStromkreis.click();
    rest.txtHzKprNr.enter("1");
    rest.txtHkLstgW.enter("1500");
    rest.cmdNaechstVerbrauch.click();
    QTimer::singleShot(0, [&] { program.catalogue().frmArmaturen.userClosed(); });
    rest.cmdWeiter.click();
    rest.txtTeistr.enter("21");
    rest.txtTeilstrckmtr.enter("6");
    rest.cmdTeilRohr.click();
    rest.cmdDNkorrektur.click();
    rest.cmdFertig.click();
}

class MainWindow : public testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    MainWindow() {
        program.choosePrinter = [this](QPrinter&, QWidget* owner) {
            printOwners.push_back(owner);
            return false;
        };
        program.startNewWork();
    }
    // A program ended by a test asked the application to quit; the request
    // is taken here, or it would end the next test's modal loops at once.
    ~MainWindow() override {
        if (!program.windows().ended()) return;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QApplication::exec();
    }

    template <typename W>
    W* find(const char* name, const char* form = "frmHaupt") {
        auto* widget = program.window(form)->findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << form << "." << name;
        return widget;
    }

    // The user steps through a drop-down box with the arrow key: every step
    // chooses the next entry, as a keyboard user would.
    void chooseWithKeys(const char* form, const char* box, int position) {
        auto* combo = find<QComboBox>(box, form);
        ASSERT_TRUE(combo->isVisible()) << box;
        for (int i = combo->currentIndex() + 1; i < position; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
    }

    void type(const char* field, const char* text, const char* form = "frmHaupt") {
        auto* edit = find<QLineEdit>(field, form);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }

    void click(const char* button, const char* form = "frmHaupt") {
        auto* push = find<QPushButton>(button, form);
        ASSERT_TRUE(push->isVisible()) << button;
        QTest::mouseClick(push, Qt::LeftButton);
    }

    // A catalogue dialog is a dialog of the calling window, centred over it.
    static void expectDialogOf(QWidget* dialog, QWidget* owner) {
        EXPECT_EQ(dialog->parentWidget(), owner);
        EXPECT_TRUE(dialog->isWindow());
        EXPECT_EQ(dialog->windowType(), Qt::Dialog);
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinMaxButtonsHint);
        EXPECT_LE(
            (dialog->frameGeometry().center() - owner->frameGeometry().center()).manhattanLength(),
            4);
    }

    tk::RecordingMessageBox messages;
    tk::ScriptedFileDialog files;
    shell::Program program{&messages, &files};
    std::vector<QWidget*> printOwners;
};

TEST_F(MainWindow, OneSectionTypedIntoTheRealWidgets) {
    EXPECT_TRUE(program.window("frmHaupt")->isVisible());
    EXPECT_EQ(program.window("frmHaupt")->windowTitle(), "Kalvoranberechnung");
    EXPECT_FALSE(find<QPushButton>("cmdWeiter")->isVisible());

    QTest::mouseClick(find<QRadioButton>("optCuRohr"), Qt::LeftButton);
    type("txtStrNr", "215");  // two characters at most
    EXPECT_EQ(find<QLineEdit>("txtStrNr")->text(), "21");
    type("txtHFlNr", "4");
    type("txtVorlauf", "80");
    type("txtRuecklauf", "60");
    type("txtHkLstgW", "3489");
    click("cmdNaechstVerbrauch");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last().text, "Bitte Zahlen zwischen 1 und 20 eingeben.");
    EXPECT_EQ(program.frmHaupt().focused(), &program.frmHaupt().txtStrNr);

    type("txtStrNr", "2");
    click("cmdNaechstVerbrauch");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(find<QLineEdit>("txtGesLstg")->text(), "3489");
    EXPECT_FALSE(find<QLineEdit>("txtVorlauf")->isEnabled());
    EXPECT_FALSE(find<QRadioButton>("optStahlrohr")->isVisible());

    click("cmdWeiter");
    type("txtTeilstr", "1");
    type("txtTeilstrckmtr", "7,5");
    type("txtGeschw", "0,7");

    // The catalogue opens modally; its third maker opens the second dialog
    // modally from inside the first. The dialogs are operated while their
    // event loops run.
    bool secondSeen = false;
    QWidget* mainWindow = program.window("frmHaupt");
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(program.window("frmArmaturen")->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), program.window("frmArmaturen"));
        expectDialogOf(program.window("frmArmaturen"), mainWindow);
        EXPECT_FALSE(program.frmHaupt().acceptsInput());
        chooseWithKeys("frmArmaturen", "cboHersteller", 2);
        QTimer::singleShot(0, [&] {
            secondSeen = program.window("frmArmaturen2")->isVisible();
            EXPECT_FALSE(program.window("frmArmaturen")->isVisible());
            EXPECT_EQ(QApplication::activeModalWidget(), program.window("frmArmaturen2"));
            expectDialogOf(program.window("frmArmaturen2"), mainWindow);
            chooseWithKeys("frmArmaturen2", "cboHersteller", 1);
            chooseWithKeys("frmArmaturen2", "cboArmaturart3", 2);
            chooseWithKeys("frmArmaturen2", "cboZentraRegVentile", 22);  // Nebenr DN 20, kv 5
            EXPECT_EQ(find<QLineEdit>("txtKVWerte", "frmArmaturen2")->text(), "5");
            QTest::mouseClick(find<QPushButton>("cmdZethawert3", "frmArmaturen2"), Qt::LeftButton);
        });
        QTest::keyClick(find<QComboBox>("cboHersteller", "frmArmaturen"), Qt::Key_Down);
    });
    click("cmdTeilRohr");
    EXPECT_TRUE(secondSeen);
    EXPECT_FALSE(program.window("frmArmaturen2")->isVisible());
    EXPECT_EQ(find<QLineEdit>("txtKVWert")->text(), "5");
    EXPECT_EQ(find<QLineEdit>("txtVentDN")->text(), "  Zentra / Landis & Gyr");
    EXPECT_TRUE(find<QLineEdit>("txtRohrDN")->isVisible());
    type("txtRohrDN", "18");
    type("txtBoganzahl", "1");
    type("txtAnbindAnz", "2");
    type("txtReduAnz", "1");
    click("cmdRechnen");
    EXPECT_EQ(messages.shown.size(), 1u);
    // 3489 W at 80/60 °C: 150 kg/h; DN 18 copper (16 mm, A = 201.06 mm²), valve
    // (0.05 × 201.06 / 5)² = 4.04, zeta 0.3 + 3 + 0.5 + 4.04 = 7.84 → 7.8;
    // Z = 7.8 × 64.3456 × (150/256)² = 172.31 Pa, F = 361.16 Pa: 5.33 mbar, stored 5.3.
    EXPECT_DOUBLE_EQ(program.state().section.zetaSum.at(1, 1), 7.8);
    EXPECT_DOUBLE_EQ(program.state().section.pressureDrop.at(1, 1), 5.3);

    click("cmdFertig");
    const QString listing = find<QPlainTextEdit>("txtAusgabeBerechn")->toPlainText();
    EXPECT_TRUE(listing.endsWith("Druckverlust:    5,30")) << listing.toStdString();
    click("cmdRstTeilstr");
    EXPECT_FALSE(program.window("frmHaupt")->isVisible());
    EXPECT_TRUE(program.window("frmRohrDm")->isVisible());
    EXPECT_EQ(find<QPlainTextEdit>("txtAusgabeDN", "frmRohrDm")->toPlainText(), listing + "\n");
}

// A menu shortcut pressed in a text field runs its entry when the entry is
// enabled; the field's text and cursor stay as they were either way.
TEST_F(MainWindow, MenuShortcutsInAFieldBelongToTheMenu) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(program.window("frmHaupt")));
    auto* field = find<QLineEdit>("txtStrNr");
    type("txtStrNr", "12");
    field->setFocus();
    field->setCursorPosition(1);
    struct Press {
        Qt::Key key;
        std::size_t fileDialogs, printDialogs;  // what the entry has asked by then
    };
    const Press presses[] = {
        {Qt::Key_S, 1, 0},  // "&Speichern unter" asks for a file name
        {Qt::Key_D, 1, 1},  // "&Drucken" for a printer
        {Qt::Key_U, 1, 1},  // "&Arbeitunterbrechen" is disabled at start
    };
    for (const Press& press : presses) {
        SCOPED_TRACE(press.key);
        QTest::keyClick(field, press.key, Qt::ControlModifier);
        EXPECT_EQ(files.asked.size(), press.fileDialogs);
        EXPECT_EQ(printOwners.size(), press.printDialogs);
        EXPECT_EQ(field->text(), "12");
        EXPECT_EQ(field->cursorPosition(), 1);
    }
    QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(program.windows().ended());
    EXPECT_EQ(field->text(), "12");
    EXPECT_EQ(field->cursorPosition(), 1);
}

// Shortcuts belong to their own window: once the main form is hidden, its
// "Speichern unter" does not answer Ctrl+S pressed in the next window; that
// window's own entry answers, once.
TEST_F(MainWindow, AHiddenWindowsShortcutsNeverRun) {
    program.frmHaupt().cmdRstTeilstr.setVisible(true);
    click("cmdRstTeilstr");
    QWidget* next = program.window("frmRohrDm");
    ASSERT_TRUE(next->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(next));
    QTest::keyClick(find<QLineEdit>("txtStrNr", "frmRohrDm"), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(files.asked.size(), 1u);
    EXPECT_EQ(files.asked[0].owner, &program.frmRohrDm());
}

// The whole window, frame and menu bar included, fits a 1366×768 screen
// with a desktop panel; an enlarged window gives the room to the listing.
TEST_F(MainWindow, TheWindowFitsTheScreenAndTheListingGrows) {
    constexpr int kTitleBar = 40;
    for (const char* form : {"frmHaupt", "frmArmaturen", "frmArmaturen2", "frmRohrDm"}) {
        const QSize hint = program.window(form)->sizeHint();
        EXPECT_LE(hint.width(), 1360) << form;
        EXPECT_LE(hint.height() + kTitleBar, 700) << form;
    }
    QWidget* window = program.window("frmHaupt");
    auto* listing = find<QPlainTextEdit>("txtAusgabeBerechn");
    const QRect listingBefore = listing->geometry();
    const QRect fieldBefore = find<QLineEdit>("txtRohrDN")->geometry();
    window->resize(window->size() + QSize(200, 100));
    QApplication::processEvents();
    EXPECT_EQ(listing->height(), listingBefore.height() + 100);
    EXPECT_EQ(listing->width(), listingBefore.width() + 200);
    EXPECT_EQ(find<QLineEdit>("txtRohrDN")->geometry(), fieldBefore);
}

// Acts on the message box once it is shown; the box is looked for until then.
void whenBoxShown(QTimer& poll, std::function<void(QMessageBox&)> act) {
    QObject::connect(&poll, &QTimer::timeout, [&poll, act] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!shown || !shown->isVisible()) return;
        poll.stop();
        act(*shown);
    });
    poll.start(10);
}

// A message box with a short text still shows its whole title; a question
// answers "Ja" or "Nein" as the user clicks.
TEST_F(MainWindow, MessageBoxesShowTheirTitleAndAnswerJaOrNein) {
    shell::QtMessageBox box;
    int width = 0;
    int titleWidth = 0;
    QTimer poll;
    whenBoxShown(poll, [&](QMessageBox& shown) {
        QFont bold = shown.font();
        bold.setBold(true);
        titleWidth = QFontMetrics(bold).horizontalAdvance(shown.windowTitle());
        width = shown.width();
        shown.close();
    });
    box.show("Bitte nur 1 eingeben.", "Eingabeberichtigung:", tk::MessageStyle::Information);
    EXPECT_GT(titleWidth, 0);
    EXPECT_GE(width, titleWidth + 100);
    for (const char* button : {"Ja", "Nein"}) {
        SCOPED_TRACE(button);
        QTimer answer;
        whenBoxShown(answer, [button](QMessageBox& shown) {
            for (QAbstractButton* choice : shown.buttons())
                if (choice->text() == button) choice->click();
        });
        EXPECT_EQ(box.ask("Datei überschreiben?", "Speichern unter"), std::string(button) == "Ja");
    }
}

// A file dialog belongs to the form that asked for it and adds the default
// suffix to a name typed without one.
TEST_F(MainWindow, AFileDialogBelongsToItsFormAndAddsTheSuffix) {
    shell::QtFileDialog dialogs(program.windows());
    QWidget* owner = nullptr;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!shown || !shown->isVisible()) return;
        poll.stop();
        owner = shown->parentWidget();
        shown->selectFile(QDir::temp().filePath(QStringLiteral("rohrweiten-probe")));
        static_cast<QDialog*>(shown)->accept();  // the user presses "Save"
    });
    poll.start(10);
    const std::string chosen =
        dialogs.choose({tk::FileDialogMode::Save, "Textdateien(*.txt)|*.txt|Dateien(*.DAT)|*.DAT",
                        "", &program.frmHaupt(), "txt"});
    EXPECT_EQ(owner, program.window("frmHaupt"));
    EXPECT_TRUE(chosen.ends_with("rohrweiten-probe.txt")) << chosen;

    // The suffixes match in any case; the descriptions stay as they are.
    const QStringList filters =
        shell::qtFilter(" Textdateien (*.txt)|*.txt|Dateien (*.Dat)|*.Dat|").split(";;");
    ASSERT_EQ(filters.size(), 2);
    EXPECT_TRUE(filters[1].startsWith("Dateien (*.Dat) ("));
    const QString pattern = filters[1].section('(', -1).chopped(1);
    for (const char* name : {"projekt.dat", "projekt.DAT", "projekt.Dat"})
        EXPECT_TRUE(QRegularExpression::fromWildcard(pattern).match(name).hasMatch()) << name;
    EXPECT_FALSE(QRegularExpression::fromWildcard(pattern).match("projekt.txt").hasMatch());
}

}  // namespace

namespace {

class TwoFields : public tk::Form {
public:
    explicit TwoFields(tk::WindowSystem& windows) : tk::Form(windows, "frmZwei", "Zwei") {}
    tk::TextField txtEins{*this, "txtEins"};
    tk::TextField txtZwei{*this, "txtZwei"};
    tk::MenuEntry mnuExitItem{*this, "mnuExitItem", "Datei", "B&eenden", "Ctrl+E"};
};

// A window is built only from a layout that places every control of its
// form (menu entries excepted) and nothing else.
TEST(Layouts, EveryControlHasAPlaceAndEveryPlaceAControl) {
    ensureApplication();
    shell::QtWindowSystem windows;
    TwoFields form(windows);
    const QRect place(0, 0, 10, 10);
    struct Case {
        std::map<std::string, shell::Placement> places;
        std::vector<std::string> problems;
    };
    const Case cases[] = {
        {{{"txtEins", {place}}, {"txtZwei", {place}}}, {}},
        {{{"txtEins", {place}}}, {"frmZwei.txtZwei has no place"}},
        {{{"txtEins", {place}}, {"txtZwei", {place}}, {"txtDrei", {place}}},
         {"frmZwei has a place for txtDrei but no such control"}},
        {{{"txtEins", {place}}, {"txtZwei", {place}}, {"mnuExitItem", {place}}},
         {"frmZwei has a place for mnuExitItem but no such control"}},
    };
    for (const Case& c : cases) {
        const shell::FormLayout layout{QSize(100, 100), c.places};
        EXPECT_EQ(shell::layoutProblems(form, layout), c.problems);
        if (c.problems.empty())
            EXPECT_NO_THROW(shell::FormWindow(form, windows, layout));
        else
            EXPECT_THROW(shell::FormWindow(form, windows, layout), std::logic_error);
    }
}

// A window destroyed before its form leaves no listener behind: the form's
// controls can still be used (the sanitizer build would see a use after free).
TEST(Layouts, AWindowDestroyedBeforeItsFormLeavesItsControlsUsable) {
    ensureApplication();
    shell::QtWindowSystem windows;
    TwoFields form(windows);
    const QRect place(0, 0, 10, 10);
    auto window = std::make_unique<shell::FormWindow>(
        form, windows,
        shell::FormLayout{QSize(100, 100), {{"txtEins", {place}}, {"txtZwei", {place}}}});
    form.showModeless();
    form.txtEins.setText("vorher");
    window.reset();
    form.txtEins.setText("nachher");
    form.txtZwei.setVisible(false);
    form.mnuExitItem.setEnabled(false);
    form.hide();
    form.unload();
    EXPECT_FALSE(form.loaded());
}

// The whole chain as a user meets it: title, header, both stages, a save;
// then a new start that opens the file and prints it to PDF, once to a file
// that cannot be made, which is named under "Drucken" with the warning.
TEST(WholeProgram, FromTheTitleToAPrintedPdf) {
    ensureApplication();
    QDir folder(QDir::temp().filePath(QStringLiteral("rohrweiten-whole-program")));
    folder.removeRecursively();
    QDir().mkpath(folder.path());
    qputenv("XDG_DATA_HOME", folder.path().toUtf8());
    const std::string saved = folder.filePath(QStringLiteral("projekt.txt")).toStdString();
    const QString pdf = folder.filePath(QStringLiteral("bericht.pdf"));
    QString target = QStringLiteral("/nicht/da.pdf");  // cannot be made
    tk::RecordingMessageBox messages;
    tk::ScriptedFileDialog files;
    std::string listing;
    {
        shell::Program program(&messages, &files);
        auto widget = [&](const char* form, const char* name) {
            return program.window(form)->findChild<QWidget*>(name);
        };
        auto type = [&](const char* form, const char* name, const char* text) {
            auto* edit = static_cast<QLineEdit*>(widget(form, name));
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, QString::fromUtf8(text));
        };
        auto click = [&](const char* form, const char* name) {
            QTest::mouseClick(widget(form, name), Qt::LeftButton);
        };
        program.start();
        EXPECT_TRUE(program.window("frmTitel2Rohr")->isVisible());
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return program.window("frmPersoForm2")->isVisible(); }, 6000));
        EXPECT_FALSE(program.window("frmTitel2Rohr")->isVisible());
        type("frmPersoForm2", "txtPersDat1", "0815");
        type("frmPersoForm2", "txtPersDat2", "J. Maier");
        click("frmPersoForm2", "cmdWeiter");
        ASSERT_TRUE(program.window("frmHaupt")->isVisible());

        enterCriticalSection(program);
        enterFurtherCircuit(program);
        const char* rest = "frmRohrDm";
        ASSERT_TRUE(program.window(rest)->isVisible());
        EXPECT_TRUE(messages.shown.empty());

        files.answers = {saved};
        program.window(rest)->menuAction("mnuSaveItem")->trigger();
        ASSERT_TRUE(QFile::exists(QString::fromStdString(saved)));
        listing = program.frmRohrDm().txtAusgabeDN.text();
    }
    {
        shell::Program program(&messages, &files);
        program.choosePrinter = [&](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(target);
            return true;
        };
        program.start();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return program.window("frmPersoForm2")->isVisible(); }, 6000));
        files.answers = {saved};
        program.window("frmPersoForm2")->menuAction("mnuItemOpen")->trigger();
        ASSERT_TRUE(program.window("frmForm4")->isVisible());
        EXPECT_EQ(program.frmForm4().txtRohrAnzeig.text(), listing);
        EXPECT_EQ(program.state().projectHeader[1], "J. Maier");
        program.window("frmForm4")->menuAction("mnuItemPrinter")->trigger();
        EXPECT_EQ(messages.last().text,
                  "Drucken nicht möglich: Die Datei /nicht/da.pdf lässt sich nicht anlegen.");
        EXPECT_EQ(messages.last().title, "Drucken");
        EXPECT_EQ(messages.last().style, tk::MessageStyle::Exclamation);
        target = pdf;
        program.window("frmForm4")->menuAction("mnuItemPrinter")->trigger();
    }
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    const QByteArray content = printed.readAll();
    EXPECT_EQ(content.count("/Type /Page\n") + content.count("/Type /Page\r") +
                  content.count("/Type /Page "),
              1);
    EXPECT_EQ(messages.shown.size(), 1u);  // the print that could not be sent
    folder.removeRecursively();
}

// Work interrupted in either stage comes back at a new start in the form
// where it stopped, with its state and listing whole.
TEST(WholeProgram, InterruptedWorkResumesWhereItStopped) {
    ensureApplication();
    QDir folder(QDir::temp().filePath(QStringLiteral("rohrweiten-interrupt")));
    folder.removeRecursively();
    qputenv("XDG_DATA_HOME", folder.path().toUtf8());
    for (bool remainingStage : {false, true}) {
        SCOPED_TRACE(remainingStage ? "remaining stage" : "critical circuit");
        tk::RecordingMessageBox messages;
        tk::ScriptedFileDialog files;
        calc::Project kept;
        std::string listing;
        {
            shell::Program program(&messages, &files);
            program.startNewWork();
            enterCriticalSection(program);
            tk::MenuEntry* interrupt = &program.frmHaupt().mnuItemArbeitunterbrechen;
            listing = program.frmHaupt().txtAusgabeBerechn.text();
            if (remainingStage) {
                enterFurtherCircuit(program);
                interrupt = &program.frmRohrDm().mnuItemArbeitunterbrechen;
                listing = program.frmRohrDm().txtAusgabeDN.text();
            }
            kept = program.state().project();
            ASSERT_TRUE(interrupt->click());
            EXPECT_TRUE(program.windows().ended());
            EXPECT_TRUE(messages.shown.empty());
        }
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);  // take the ended program's quit
        QApplication::exec();
        shell::Program program(&messages, &files);
        auto& header = program.frmPersoForm2();
        header.showModeless();
        ASSERT_TRUE(header.mnuItemWeiter.enabled());
        header.mnuItemWeiter.click();
        EXPECT_TRUE(program.state().project() == kept);
        if (remainingStage) {
            EXPECT_TRUE(program.frmRohrDm().visible());
            EXPECT_EQ(program.frmRohrDm().phase(), remaining::RemainingPhase::Resumed);
            EXPECT_EQ(program.frmRohrDm().txtAusgabeDN.text(), listing);
            EXPECT_TRUE(program.frmRohrDm().cmdNaechsterStrang.visible());
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.last().text, "Klicken Sie auf Nächsten Strang");
        } else {
            EXPECT_TRUE(program.frmHaupt().visible());
            EXPECT_EQ(program.frmHaupt().phase(), circuit::MainPhase::Resumed);
            EXPECT_EQ(program.frmHaupt().txtAusgabeBerechn.text(), listing);
            EXPECT_TRUE(program.frmHaupt().Label5.visible());
            EXPECT_FALSE(program.frmHaupt().txtHzKprNr.enabled());
            EXPECT_FALSE(program.frmHaupt().optCuRohr.enabled());
        }
    }
    folder.removeRecursively();
}

// A circuit of one section by keyboard alone: typing, Tab, Space on a
// button or option, Enter for the step's button, Alt and a letter for
// "Fertig", Esc for the catalogue.
TEST_F(MainWindow, ACircuitByKeyboardAlone) {
    QWidget* window = program.window("frmHaupt");
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto keys = [](const char* text) {
        QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(text));
    };
    auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    ASSERT_EQ(QApplication::focusWidget(), find<QLineEdit>("txtStrNr"));
    keys("3");
    press(Qt::Key_Tab);
    keys("12");
    press(Qt::Key_Tab);
    keys("90");
    press(Qt::Key_Tab);
    keys("70");
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), find<QRadioButton>("optStahlrohr"));
    press(Qt::Key_Space);
    for (int i = 0; i < 3; ++i) press(Qt::Key_Tab);
    keys("1");
    press(Qt::Key_Tab);
    keys("2326");
    press(Qt::Key_Return);  // "+"
    EXPECT_EQ(find<QLineEdit>("txtGesLstg")->text(), "2326");
    while (QApplication::focusWidget() != find<QPushButton>("cmdWeiter")) press(Qt::Key_Tab);
    press(Qt::Key_Space);  // ">"
    keys("7");
    press(Qt::Key_Tab);
    keys("10");
    press(Qt::Key_Tab);
    keys("0,5");
    QTimer::singleShot(0, [&] { QTest::keyClick(program.window("frmArmaturen"), Qt::Key_Escape); });
    press(Qt::Key_Return);  // "Teilstrecke", then the catalogue
    EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>("txtRohrDN"));
    keys("15");
    press(Qt::Key_Return);  // "Rechnen"
    EXPECT_EQ(find<QPushButton>("cmdFertig")->text(), "&Fertig");
    press(Qt::Key_F, Qt::AltModifier);  // "&Fertig", pressed after its animation
    EXPECT_TRUE(QTest::qWaitFor([&] { return find<QPushButton>("cmdRstTeilstr")->isVisible(); }));
    EXPECT_TRUE(messages.shown.empty());
    // 100 kg/h in DN 15 steel, 10 m, no fittings: friction 271.32 Pa alone.
    EXPECT_TRUE(program.frmHaupt().txtAusgabeBerechn.text().ends_with("Druckverlust:    2,70"))
        << program.frmHaupt().txtAusgabeBerechn.text();

    // The further circuit of the README's first project, by keyboard too.
    press(Qt::Key_Space);  // "Nächster   Strang"
    QWidget* rest = program.window("frmRohrDm");
    ASSERT_TRUE(QTest::qWaitForWindowActive(rest));
    auto tabTo = [&](const char* name) {
        for (int i = 0; i < 40 && QApplication::focusWidget()->objectName() != name; ++i)
            press(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget()->objectName(), name);
    };
    keys("4");
    press(Qt::Key_Tab);
    keys("31");
    tabTo("cmdStromkreis");
    press(Qt::Key_Space);  // ">": no shared section
    keys("1");
    press(Qt::Key_Tab);
    keys("1500");
    press(Qt::Key_Return);  // "+"
    tabTo("cmdWeiter");
    QTimer::singleShot(0, [&] {
        QWidget* dialog = program.window("frmArmaturen");
        expectDialogOf(dialog, rest);
        EXPECT_TRUE(dialog->findChild<QPushButton*>("cmdZethawert")->isVisible());
        EXPECT_FALSE(dialog->findChild<QPushButton*>("cmdZethawert2")->isVisible());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    press(Qt::Key_Space);  // ">", then the catalogue
    keys("21");
    press(Qt::Key_Tab);
    keys("6");
    press(Qt::Key_Return);  // "Teilstrecke"
    EXPECT_EQ(program.frmRohrDm().txtKorrDm.text(), "15");
    EXPECT_TRUE(find<QLineEdit>("txtTeistr", "frmRohrDm")->isReadOnly());
    press(Qt::Key_Return);              // " Korrektur DN"
    press(Qt::Key_F, Qt::AltModifier);  // "&Fertig"
    EXPECT_TRUE(QTest::qWaitFor([&] { return program.frmRohrDm().cmdNaechsterStrang.visible(); }));
    // 1500 W: 64.5 kg/h; 6 m of the 2.7 mbar over 10 m: 1.62 mbar; friction
    // alone meets it at 13.4 mm: DN 15, 0.7 mbar, and a smaller size would do.
    EXPECT_NE(program.frmRohrDm().txtAusgabeDN.text().find("13,4  15   0,09     0,7   -1"),
              std::string::npos)
        << program.frmRohrDm().txtAusgabeDN.text();
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
