#pragma once
// The running program: the calculation state, the forms and their windows,
// and what the forms hand on to each other.
#include <QPrinter>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/CatalogueForms.h"
#include "circuit/FrmHaupt.h"
#include "editor/FrmProjektBearbeiten.h"
#include "forms/FaultGuard.h"
#include "forms/WorkflowServices.h"
#include "remaining/FrmRohrDm.h"
#include "session/ProjectSession.h"
#include "shell/FormWindow.h"
#include "shell/QtDialogs.h"
#include "shell/QtWindowSystem.h"
#include "shell/StartWindows.h"
#include "state/CalcState.h"
#include "workfile/FrmPersoForm2.h"
#include "workfile/WorkStorage.h"

namespace shell {

// Where interrupted work is kept: the program's data folder of the user
// (on Linux ~/.local/share/rohrweiten/Aufheben).
std::string interruptFilePath();

class Program : public forms::WorkflowServices,
                public workfile::HeaderHandOver,
                public editor::SheetPrinter {
public:
    // Without arguments the program uses Qt's message box and file dialog;
    // tests hand in recording ones.
    Program(tk::MessageBox* messages = nullptr, tk::FileDialog* files = nullptr);
    ~Program() override;

    // The title window, as the program starts.
    void start();

    // How "&Drucken" gets its printer: the print dialog, unless a test
    // chooses. False when the user cancelled.
    std::function<bool(QPrinter& printer, QWidget* owner)> choosePrinter;

    calc::CalcState& state() { return state_; }
    circuit::FrmHaupt& frmHaupt() { return frmHaupt_; }
    remaining::FrmRohrDm& frmRohrDm() { return frmRohrDm_; }
    workfile::FrmPersoForm2& frmPersoForm2() { return frmPersoForm2_; }
    FrmTitel2Rohr& frmTitel2Rohr() { return frmTitel2Rohr_; }
    FrmForm4& frmForm4() { return frmForm4_; }
    catalogue::Catalogue& catalogue() { return catalogue_; }
    // The form's window; made when it is first needed.
    FormWindow* window(const std::string& formName);
    QtWindowSystem& windows() { return windows_; }

    // WorkflowServices
    bool saveWork(const tk::Form& owner, const std::string& listing) override;
    void printReport(const tk::Form& owner, forms::ReportPart part) override;
    void saveReportPdf(const tk::Form& owner, forms::ReportPart part) override;
    bool interruptWork(const std::string& listing) override;
    void showRemainingSections(const std::string& listing) override;
    void showGuide() override;
    bool saveProject(const tk::Form& owner, bool askName) override;
    void openProject(const tk::Form& owner) override;
    void editProject(const tk::Form& owner) override;
    void balanceProject(const tk::Form& owner) override;
    void stepCompleted() override;

    // SheetPrinter
    void printSheet(const tk::Form& owner, const Sheet& sheet) override;
    void saveSheetPdf(const tk::Form& owner, const Sheet& sheet) override;

    // HeaderHandOver
    void startNewWork() override;
    void showLoadedFile() override;
    void resumeWork() override;
    void openProject() override;

    session::ProjectSession& session() { return session_; }
    editor::FrmProjektBearbeiten& frmProjektBearbeiten() { return frmProjektBearbeiten_; }
    editor::FrmAbgleich& frmAbgleich() { return frmAbgleich_; }
    editor::FrmGrenzwerte& frmGrenzwerte() { return frmGrenzwerte_; }
    editor::FrmVoreinstelltabellen& frmVoreinstelltabellen() { return frmVoreinstelltabellen_; }

private:
    void showHeader();
    void printReportTo(QPrinter& printer, forms::ReportPart part);
    void printSheetTo(QPrinter& printer, const Sheet& sheet);
    // Asks for a PDF file, proposing "<Projekt-Nr.><ending>", and prints
    // into it, beside its name until complete.
    void savePdf(const tk::Form& owner, const std::string& ending, const std::string& title,
                 const std::function<void(QPrinter&)>& print);
    void showReadMe();

    calc::CalcState state_;
    QtWindowSystem windows_;
    QtMessageBox qtMessages_;
    QtFileDialog qtFiles_{windows_};
    tk::MessageBox& messages_;
    tk::FileDialog& files_;
    forms::FaultGuard guard_;
    workfile::WorkStorage storage_;
    catalogue::Catalogue catalogue_;
    circuit::FrmHaupt frmHaupt_;
    remaining::FrmRohrDm frmRohrDm_;
    session::ProjectSession session_;
    editor::ProjectChanges changes_;
    editor::FrmGrenzwerte frmGrenzwerte_;
    editor::PlannerTables plannerTables_;
    editor::FrmVoreinstelltabellen frmVoreinstelltabellen_;
    editor::FrmAbgleich frmAbgleich_;
    editor::FrmProjektBearbeiten frmProjektBearbeiten_;
    bool recoveryOffered_ = false;
    workfile::FrmPersoForm2 frmPersoForm2_;
    FrmTitel2Rohr frmTitel2Rohr_;
    FrmRhrAnzeigeLesen frmRhrAnzeigeLesen_;
    FrmForm4 frmForm4_;
    // A window is made when its form is first shown, so that the program
    // starts with the title window alone.
    class WindowOnDemand : public tk::FormListener {
    public:
        WindowOnDemand(tk::Form& form, FormLayout layout, QtWindowSystem& windows)
            : form_(form), layout_(std::move(layout)), windows_(windows) {
            form.setListener(this);
        }
        FormWindow& window();
        const tk::Form& form() const { return form_; }
        void formShown(bool modal) override { window().formShown(modal); }
        void formHidden() override {}
        void formUnloaded() override {}
        void focusMoved() override {}
        void pointerChanged() override {}
        void captionChanged() override {
            if (window_) window_->captionChanged();
        }

    private:
        tk::Form& form_;
        FormLayout layout_;
        QtWindowSystem& windows_;
        std::unique_ptr<FormWindow> window_;
    };
    std::vector<std::unique_ptr<WindowOnDemand>> formWindows_;
};

}  // namespace shell
