// Saves pictures of the main form at start, then enters a small critical
// circuit into the real windows and saves pictures of both catalogue dialogs
// and of the finished circuit. Run under a display (xvfb-run).
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include <string_view>

#include "shell/Program.h"
#include "tests/support/TestDoubles.h"

namespace {

shell::Program* program = nullptr;
QString folder;

template <typename W>
W* find(const char* form, const char* name) {
    return program->window(form)->findChild<W*>(name);
}

void type(const char* name, const char* text, const char* form = "frmHaupt") {
    auto* edit = find<QLineEdit>(form, name);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, QString::fromUtf8(text));
}

void click(const char* form, const char* name) {
    QTest::mouseClick(find<QPushButton>(form, name), Qt::LeftButton);
}

void choose(const char* form, const char* box, int position) {
    auto* combo = find<QComboBox>(form, box);
    for (int i = combo->currentIndex() + 1; i < position; ++i) QTest::keyClick(combo, Qt::Key_Down);
}

void save(const char* form, const char* file) {
    QApplication::processEvents();
    QTest::qWait(200);
    program->window(form)->grab().save(folder + "/" + file);
}

void section(const char* load, const char* number, const char* length, const char* velocity,
             const char* dn, std::function<void()> inCatalogue) {
    type("txtHkLstgW", load);
    click("frmHaupt", "cmdNaechstVerbrauch");
    click("frmHaupt", "cmdWeiter");
    type("txtTeilstr", number);
    type("txtTeilstrckmtr", length);
    type("txtGeschw", velocity);
    QTimer::singleShot(100, inCatalogue);
    click("frmHaupt", "cmdTeilRohr");
    type("txtRohrDN", dn);
    type("txtBoganzahl", "2");
    click("frmHaupt", "cmdRechnen");
}

// One own section of a further circuit: a consumer, no valve, the section,
// and the proposed size confirmed or `dn` instead.
void remainingSection(const char* load, const char* number, const char* length, const char* bends,
                      const char* dn) {
    const char* rest = "frmRohrDm";
    type("txtHzKprNr", "1", rest);
    type("txtHkLstgW", load, rest);
    click(rest, "cmdNaechstVerbrauch");
    QTimer::singleShot(100, [] { click("frmArmaturen", "cmdZethawert"); });
    click(rest, "cmdWeiter");
    type("txtTeistr", number, rest);
    type("txtTeilstrckmtr", length, rest);
    type("txtBoganzahl", bends, rest);
    click(rest, "cmdTeilRohr");
    if (dn) type("txtKorrDm", dn, rest);
    click(rest, "cmdDNkorrektur");
}

// Waits, with the events running, until the window is shown.
void waitFor(const char* form) {
    if (!QTest::qWaitFor([form] { return program->window(form)->isVisible(); }, 6000))
        std::fprintf(stderr, "%s did not appear\n", form);
}

// The title window, then the read-me that its "Lesen" opens.
void titleAndReadMe() {
    tk::RecordingMessageBox messages;
    shell::Program running(&messages);
    program = &running;
    running.start();
    if (!QTest::qWaitFor([] { return find<QPushButton>("frmTitel2Rohr", "cmdLesen")->isVisible(); },
                         3000))
        std::fprintf(stderr, "Lesen did not appear\n");
    save("frmTitel2Rohr", "titelblatt.png");
    click("frmTitel2Rohr", "cmdLesen");
    waitFor("frmRhrAnzeigeLesen");
    save("frmRhrAnzeigeLesen", "liesmich.png");
}

// A new start that opens a saved file through the project header's menu
// `entry` and takes the picture of the form that shows it; then `after`.
void reopened(const QString& saved, const char* entry, const char* form, const char* picture,
              const std::function<void(shell::Program&)>& after = {}) {
    tk::RecordingMessageBox messages;
    tk::ScriptedFileDialog files;
    files.answers = {saved.toStdString()};
    shell::Program running(&messages, &files);
    program = &running;
    running.start();
    waitFor("frmPersoForm2");
    running.window("frmPersoForm2")->menuAction(entry)->trigger();
    waitFor(form);
    if (std::string_view(form) == "frmRohrDm") program->window(form)->resize(1130, 740);
    save(form, picture);
    if (after) after(running);
}

// A table of the planner's own typed into "Voreinstelltabellen".
void plannersTable() {
    const char* form = "frmVoreinstelltabellen";
    type("txtName", "Mein Ventil DN 15 (Herstellerblatt)", form);
    const char* steps[][2] = {{"1", "0,04"}, {"2", "0,08"}, {"3", "0,13"}, {"4", "0,2"},
                              {"5", "0,28"}, {"6", "0,37"}, {"N", "0,6"}};
    for (int row = 0; row < 7; ++row) {
        const std::string number = std::to_string(row + 1);
        type(("txtStufe" + number).c_str(), steps[row][0], form);
        type(("txtKv" + number).c_str(), steps[row][1], form);
    }
    save(form, "voreinstelltabellen.png");
    click(form, "cmdSpeichern");
    click(form, "cmdSchliessen");
}

// The editor over the opened project, with the further circuit's second
// section selected; then the balance.
void edited(shell::Program& running) {
    QTimer::singleShot(100, [&running] {
        auto& editor = running.frmProjektBearbeiten();
        const auto& items = editor.tvwProjekt.items();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].text.starts_with("TS 22")) editor.tvwProjekt.select(static_cast<int>(i));
        save("frmProjektBearbeiten", "projekt-bearbeiten.png");
        editor.cmdSchliessen.click();
    });
    running.window("frmRohrDm")->menuAction("mnuProjektBearbeiten")->trigger();
    QTimer::singleShot(100, [&running] {
        save("frmAbgleich", "abgleich.png");
        QTimer::singleShot(100, [] { plannersTable(); });
        click("frmAbgleich", "cmdTabellen");
        running.choosePrinter = [](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(folder + QStringLiteral("/einstellformular.pdf"));
            return true;
        };
        running.window("frmAbgleich")->menuAction("mnuDrucken")->trigger();
        running.frmAbgleich().cmdSchliessen.click();
    });
    running.window("frmRohrDm")->menuAction("mnuAbgleich")->trigger();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("rohrweiten"));
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QTemporaryDir config;  // the planner's own tables stay untouched
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString saved = QDir::temp().filePath(QStringLiteral("rohrweiten-bilder.txt"));
    titleAndReadMe();

    tk::RecordingMessageBox messages;
    tk::ScriptedFileDialog files;
    shell::Program running(&messages, &files);
    program = &running;
    running.start();
    waitFor("frmPersoForm2");
    for (auto [field, text] : {std::pair{"txtPersDat1", "2026-117"},
                               {"txtPersDat2", "J. Maier"},
                               {"txtPersDat3", "07.12.2026"},
                               {"txtPersDat4", "Bauverein Nord"},
                               {"txtPersDat6", "Lindenstr. 4"},
                               {"txtPersDat7", "50667 Köln"},
                               {"txtPersDat9", "Am Hang 3"},
                               {"txtPersDat10", "50667 Köln"}}) {
        static_cast<tk::TextField&>(*running.frmPersoForm2().find(field)).enter(text);
    }
    save("frmPersoForm2", "projektblatt.png");
    click("frmPersoForm2", "cmdWeiter");
    save("frmHaupt", "hauptformular-start.png");

    QTest::mouseClick(find<QRadioButton>("frmHaupt", "optStahlrohr"), Qt::LeftButton);
    type("txtStrNr", "3");
    type("txtHFlNr", "12");
    type("txtVorlauf", "90");
    type("txtRuecklauf", "70");
    section("2326", "7", "10", "0,5", "15", [] {
        choose("frmArmaturen", "cboHersteller", 1);
        choose("frmArmaturen", "cboArmaturart", 1);
        choose("frmArmaturen", "cboHeimHK", 2);
        choose("frmArmaturen", "cboHersteller", 2);
        choose("frmArmaturen", "cboArmaturart1", 3);
        save("frmArmaturen", "katalog-heizkoerperarmaturen.png");
        click("frmArmaturen", "cmdZethawert2");
    });
    click("frmHaupt", "cmdNaechsteTeilstrck");
    section("2326", "8", "12,5", "0,6", "20", [] {
        QTimer::singleShot(100, [] {
            choose("frmArmaturen2", "cboHersteller", 1);
            choose("frmArmaturen2", "cboArmaturart3", 2);
            choose("frmArmaturen2", "cboZentraRegVentile", 22);
            choose("frmArmaturen2", "cboHersteller", 2);
            choose("frmArmaturen2", "cboArmaturart4", 1);
            save("frmArmaturen2", "katalog-regelarmaturen.png");
            click("frmArmaturen2", "cmdZethawert3");
        });
        choose("frmArmaturen", "cboHersteller", 3);
    });
    click("frmHaupt", "cmdFertig");
    save("frmHaupt", "hauptformular-fertig.png");

    // A further circuit that shares section 7 and has two sections of its
    // own, the second corrected to a larger size.
    click("frmHaupt", "cmdRstTeilstr");
    const char* rest = "frmRohrDm";
    type("txtStrNr", "4", rest);
    type("txtHFlNr", "31", rest);
    type("txtTlStrckNr", "7", rest);
    click(rest, "cmdAddition");
    click(rest, "cmdStromkreis");
    remainingSection("1500", "21", "6", "2", nullptr);
    click(rest, "cmdNaechsteTeilstrck");
    remainingSection("800", "22", "5", "1", "20");
    click(rest, "cmdFertig");
    program->window(rest)->resize(1130, 740);  // the listing grows with the window
    save(rest, "restteilstrecken-fertig.png");

    // The report as PDF (its pages are turned into pictures with pdftoppm),
    // and the work saved for the display window.
    running.choosePrinter = [](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder + QStringLiteral("/bericht.pdf"));
        return true;
    };
    running.window(rest)->menuAction("mnuPrinterItem")->trigger();
    files.answers = {saved.toStdString()};
    running.window(rest)->menuAction("mnuSaveItem")->trigger();
    // A second further circuit of its own, for the editor's picture.
    click(rest, "cmdNaechsterStrang");
    type("txtStrNr", "5", rest);
    type("txtHFlNr", "41", rest);
    click(rest, "cmdStromkreis");
    remainingSection("1200", "31", "9", "3", nullptr);
    click(rest, "cmdFertig");
    const QString project = QDir::temp().filePath(QStringLiteral("Schule.rohrprojekt"));
    files.answers = {project.toStdString()};
    running.window(rest)->menuAction("mnuProjektSpeichern")->trigger();
    const bool quiet = messages.shown.empty();
    // The work file in the display window; the project where the work stood.
    reopened(saved, "mnuItemOpen", "frmForm4", "anzeige-geladene-datei.png");
    reopened(project, "mnuProjektOeffnen", "frmRohrDm", "projekt-geoeffnet.png", edited);
    QFile::remove(saved);
    QFile::remove(project);
    return quiet ? 0 : 1;
}
