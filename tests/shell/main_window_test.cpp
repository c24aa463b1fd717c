#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

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
    W* find(const char* name) {
        auto* widget = program.window("frmHaupt")->findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
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
    click("cmdTeilRohr");
    EXPECT_TRUE(find<QLineEdit>("txtRohrDN")->isVisible());
    type("txtRohrDN", "18");
    type("txtBoganzahl", "1");
    type("txtAnbindAnz", "2");
    type("txtReduAnz", "1");
    click("cmdRechnen");
    EXPECT_EQ(messages.shown.size(), 1u);
    // 3489 W at 80/60 °C: 150 kg/h; DN 18 copper (16 mm), zeta 0.3 + 3 + 0.5 = 3.8;
    // Z = 3.8 × 64.3456 × (150/256)² = 83.95 Pa, F = 361.16 Pa: 4.45 mbar, stored 4.5.
    EXPECT_DOUBLE_EQ(program.state().section.pressureDrop.at(1, 1), 4.5);
    EXPECT_TRUE(find<QPushButton>("cmdFertig")->isVisible());
}

}  // namespace
