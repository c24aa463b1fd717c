#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "shell/Program.h"
#include "toolkit/TestDoubles.h"

namespace {

class MainWindow : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "shell_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
    }

    MainWindow() { program.start(); }

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

    void type(const char* field, const char* text) {
        auto* edit = find<QLineEdit>(field);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }

    void click(const char* button) {
        auto* push = find<QPushButton>(button);
        ASSERT_TRUE(push->isVisible()) << button;
        QTest::mouseClick(push, Qt::LeftButton);
    }

    tk::RecordingMessageBox messages;
    tk::ScriptedFileDialog files;
    shell::Program program{&messages, &files};
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
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(program.window("frmArmaturen")->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), program.window("frmArmaturen"));
        EXPECT_FALSE(program.frmHaupt().acceptsInput());
        chooseWithKeys("frmArmaturen", "cboHersteller", 2);
        QTimer::singleShot(0, [&] {
            secondSeen = program.window("frmArmaturen2")->isVisible();
            EXPECT_FALSE(program.window("frmArmaturen")->isVisible());
            EXPECT_EQ(QApplication::activeModalWidget(), program.window("frmArmaturen2"));
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

TEST_F(MainWindow, EscapeClosesTheCatalogueLikeItsReturnButton) {
    QTest::mouseClick(find<QRadioButton>("optStahlrohr"), Qt::LeftButton);
    type("txtStrNr", "1");
    type("txtHFlNr", "1");
    type("txtVorlauf", "90");
    type("txtRuecklauf", "70");
    type("txtHkLstgW", "2326");
    click("cmdNaechstVerbrauch");
    click("cmdWeiter");
    type("txtTeilstr", "1");
    type("txtTeilstrckmtr", "10");
    type("txtGeschw", "0,5");
    QTimer::singleShot(0, [&] {
        QWidget* dialog = program.window("frmArmaturen");
        ASSERT_TRUE(dialog->isVisible());
        QTest::keyClick(dialog->findChild<QComboBox*>("cboHersteller"), Qt::Key_Escape);
    });
    QTimer watchdog;  // never hang: a dialog still open after 5 s is a failure
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        ADD_FAILURE() << "the catalogue stayed open";
        program.catalogue().frmArmaturen.hide();
    });
    watchdog.start(5000);
    click("cmdTeilRohr");
    EXPECT_FALSE(program.window("frmArmaturen")->isVisible());
    EXPECT_TRUE(program.frmHaupt().acceptsInput());
    EXPECT_EQ(find<QLineEdit>("txtKVWert")->text(), "");
    EXPECT_TRUE(find<QPushButton>("cmdRechnen")->isVisible());
    EXPECT_TRUE(messages.shown.empty());
}

// Every control of every window has a place of its own on the screen.
TEST_F(MainWindow, EveryControlIsPlaced) {
    for (const char* form : {"frmHaupt", "frmArmaturen", "frmArmaturen2", "frmRohrDm"}) {
        shell::FormWindow* window = program.window(form);
        ASSERT_NE(window, nullptr) << form;
        for (tk::Control* control : window->form().controls()) {
            if (dynamic_cast<tk::MenuEntry*>(control) || dynamic_cast<tk::Timer*>(control))
                continue;
            QWidget* widget = window->widgetFor(control->name());
            ASSERT_NE(widget, nullptr) << form << "." << control->name();
            EXPECT_FALSE(widget->geometry().isEmpty()) << form << "." << control->name();
            EXPECT_EQ(widget->objectName().toStdString(), control->name());
        }
    }
}

}  // namespace
