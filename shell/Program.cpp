#include "shell/Program.h"

#include <QFile>
#include <QPrintDialog>
#include <QStandardPaths>
#include <cstdio>

#include "report/Report.h"
#include "shell/Folders.h"
#include "shell/Layouts.h"
#include "shell/QtPrinter.h"

namespace shell {

namespace {

// The program's data folder of the user: ~/.local/share/rohrweiten on Linux.
QString dataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

// The program's configuration folder: ~/.config/rohrweiten, under
// $XDG_CONFIG_HOME where it is set.
QString configFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/rohrweiten");
}

// The faults that escaped a click, for the planner to report; next to the
// interrupted work.
std::string faultLogPath() {
    return (dataFolder() + QStringLiteral("/rohrweiten.log")).toStdString();
}

}  // namespace

std::string interruptFilePath() {
    return (dataFolder() + QStringLiteral("/Aufheben")).toStdString();
}

Program::Program(tk::MessageBox* messages, tk::FileDialog* files)
    : messages_(messages ? *messages : qtMessages_),
      files_(files ? *files : qtFiles_),
      guard_(state_, messages_, faultLogPath()),
      storage_(state_, messages_, files_, interruptFilePath()),
      catalogue_(windows_),
      frmHaupt_(windows_, state_, messages_, catalogue_, *this),
      frmRohrDm_(windows_, state_, messages_, catalogue_, *this),
      session_(state_, messages_, files_, dataFolder().toStdString(), frmHaupt_, frmRohrDm_),
      changes_(state_, messages_, session_),
      frmGrenzwerte_(windows_, messages_, changes_),
      plannerTables_(configFolder().toStdString(), messages_),
      frmVoreinstelltabellen_(windows_, messages_, plannerTables_),
      frmAbgleich_(windows_, messages_, changes_,
                   {frmGrenzwerte_, frmVoreinstelltabellen_, plannerTables_, files_, *this}),
      frmProjektBearbeiten_(windows_, state_, messages_, catalogue_, changes_, frmAbgleich_),
      frmPersoForm2_(windows_, state_, messages_, storage_, *this),
      frmTitel2Rohr_(
          windows_, [this] { showHeader(); }, [this] { showReadMe(); }),
      frmRhrAnzeigeLesen_(windows_, [this] { showHeader(); }),
      frmForm4_(windows_,
                [this] { printReport(frmForm4_, forms::ReportPart::WithRemainingSections); }) {
    useGermanQtTexts();
    windows_.setEventGuard(&guard_);
    guard_.watch(frmHaupt_, frmHaupt_.txtAusgabeBerechn, circuit::mainPhaseTable(),
                 &calc::CalcState::mainPhase, [this] { frmHaupt_.redrawListing(); });
    guard_.watch(frmRohrDm_, frmRohrDm_.txtAusgabeDN, remaining::remainingPhaseTable(),
                 &calc::CalcState::remainingPhase, [this] { frmRohrDm_.redrawListing(); });
    choosePrinter = [](QPrinter& printer, QWidget* owner) {
        QPrintDialog dialog(&printer, owner);
        return dialog.exec() == QDialog::Accepted;
    };
    auto add = [this](tk::Form& form, const FormLayout& layout) {
        formWindows_.push_back(std::make_unique<WindowOnDemand>(form, layout, windows_));
    };
    add(frmTitel2Rohr_, titleLayout());
    add(frmRhrAnzeigeLesen_, readMeLayout());
    add(frmPersoForm2_, headerLayout());
    add(frmHaupt_, mainFormLayout());
    add(frmRohrDm_, remainingFormLayout());
    add(frmForm4_, displayLayout());
    add(frmProjektBearbeiten_, editorLayout());
    add(frmAbgleich_, balanceLayout());
    add(frmGrenzwerte_, limitsLayout());
    add(frmVoreinstelltabellen_, tablesLayout());
    add(catalogue_.frmArmaturen, catalogueLayout(catalogue_.frmArmaturen.data()));
    add(catalogue_.frmArmaturen2, catalogueLayout(catalogue_.frmArmaturen2.data()));
}

// A normal end: nothing needs recovering at the next start.
Program::~Program() { session_.endNormally(); }

void Program::start() { frmTitel2Rohr_.showModeless(); }

FormWindow& Program::WindowOnDemand::window() {
    if (!window_) window_ = std::make_unique<FormWindow>(form_, windows_, layout_);
    return *window_;
}

FormWindow* Program::window(const std::string& formName) {
    for (const auto& slot : formWindows_)
        if (slot->form().name() == formName) return &slot->window();
    return nullptr;
}

// Before the header window is first shown, the inputs of a session that
// did not end normally are offered back.
void Program::showHeader() {
    if (!recoveryOffered_) {
        recoveryOffered_ = true;
        if (session_.offerRecovery()) return;
    }
    frmPersoForm2_.showModeless();
    frmPersoForm2_.txtPersDat1.setFocus();
}

void Program::showReadMe() { frmRhrAnzeigeLesen_.showOnTheWay(); }

void Program::showGuide() { frmRhrAnzeigeLesen_.showAsGuide(); }

bool Program::saveWork(const tk::Form& owner, const std::string& listing) {
    return storage_.save(owner, listing);
}

// Nothing is printed when the user cancels the print dialog.
void Program::printReport(const tk::Form& owner, forms::ReportPart part) {
    QPrinter printer(QPrinter::HighResolution);
    proposePdfFile(printer, state_.projectHeader[0]);
    if (!choosePrinter(printer, windows_.windowOf(owner))) return;
    printReportTo(printer, part);
}

void Program::printReportTo(QPrinter& printer, forms::ReportPart part) {
    QtPrinter out(printer);
    const std::string failure =
        report::printReport(out, state_, part == forms::ReportPart::WithRemainingSections);
    if (!failure.empty())
        messages_.show("Drucken nicht möglich: " + failure, "Drucken",
                       tk::MessageStyle::Exclamation);
}

void Program::saveReportPdf(const tk::Form& owner, forms::ReportPart part) {
    savePdf(owner, "-Bericht.pdf", "Bericht als PDF speichern",
            [this, part](QPrinter& printer) { printReportTo(printer, part); });
}

void Program::savePdf(const tk::Form& owner, const std::string& ending, const std::string& title,
                      const std::function<void(QPrinter&)>& print) {
    const std::string path =
        files_.choose({tk::FileDialogMode::Save, "PDF-Dateien (*.pdf)|*.pdf", title, &owner, "pdf",
                       tk::proposedFileName(state_.projectHeader[0], ending)});
    if (path.empty()) return;
    const QString target = QString::fromStdString(path);
    const QString partial = target + QStringLiteral(".teil");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(partial);
    print(printer);
    if (QFile::exists(partial) &&
        std::rename(partial.toLocal8Bit().constData(), target.toLocal8Bit().constData()) != 0)
        messages_.show("Die Datei " + path + " konnte nicht gespeichert werden.", title,
                       tk::MessageStyle::Exclamation);
}

// The sheet reads the project and leaves the line estimates as they are.
void Program::printSheetTo(QPrinter& printer, const editor::SheetPrinter::Sheet& sheet) {
    QtPrinter out(printer);
    const std::string failure = sheet(out);
    if (!failure.empty())
        messages_.show("Drucken nicht möglich: " + failure, "Drucken",
                       tk::MessageStyle::Exclamation);
}

void Program::printSheet(const tk::Form& owner, const Sheet& sheet) {
    QPrinter printer(QPrinter::HighResolution);
    proposePdfFile(printer, state_.projectHeader[0]);
    if (choosePrinter(printer, windows_.windowOf(owner))) printSheetTo(printer, sheet);
}

void Program::saveSheetPdf(const tk::Form& owner, const Sheet& sheet) {
    savePdf(owner, "-Abgleich.pdf", "Einstellformular als PDF speichern",
            [this, &sheet](QPrinter& printer) { printSheetTo(printer, sheet); });
}

// The document is kept first, so that "Aufheben" never stands beside a
// document older than itself.
bool Program::interruptWork(const std::string& listing) {
    session_.keepInterruptedDocument();
    return storage_.interrupt(listing);
}

bool Program::saveProject(const tk::Form& owner, bool askName) {
    return session_.save(owner, askName);
}

// Another project ends the history of edits.
void Program::openProject(const tk::Form& owner) {
    catalogue_.unloadBoth();
    const std::optional<project::Document> before = state_.document;
    session_.open(owner);
    if (state_.document != before) changes_.forgetHistory();
}

void Program::editProject(const tk::Form&) { frmProjektBearbeiten_.edit(); }

void Program::balanceProject(const tk::Form&) { frmAbgleich_.showBalance(); }

void Program::openProject() {
    openProject(frmPersoForm2_);
    if (frmHaupt_.visible() || frmRohrDm_.visible()) frmPersoForm2_.hide();
}

void Program::stepCompleted() {
    changes_.formStepCompleted();
    session_.stepCompleted();
}

void Program::showRemainingSections(const std::string& listing) { frmRohrDm_.open(listing); }

void Program::startNewWork() {
    changes_.forgetHistory();
    frmHaupt_.startCircuit();
    frmHaupt_.showModeless();
}

void Program::showLoadedFile() {
    frmForm4_.showModeless();
    frmForm4_.txtRohrAnzeig.setText(state_.reportText);
}

// Work interrupted with its document goes on as a project.
void Program::resumeWork() {
    if (std::optional<project::Document> document = session_.interruptedDocument()) {
        state_.document = *document;
        state_.savedDocument = std::move(*document);
    }
    if (!calc::inRemainingStage(state_)) {
        frmHaupt_.resumeFinishedCircuit();
        return;
    }
    frmRohrDm_.resumeFinishedRiser();
    messages_.show("Klicken Sie auf Nächsten Strang", "Weiter Arbeiten", tk::MessageStyle::None);
}

}  // namespace shell
