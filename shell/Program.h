#pragma once
// The running program: the calculation state, the forms and their windows.
#include <memory>
#include <string>
#include <vector>

#include "catalogue/CatalogueForms.h"
#include "circuit/FrmHaupt.h"
#include "forms/FaultGuard.h"
#include "shell/FormWindow.h"
#include "shell/PendingFeatures.h"
#include "shell/QtDialogs.h"
#include "remaining/FrmRohrDm.h"
#include "shell/QtWindowSystem.h"
#include "state/CalcState.h"

namespace shell {

class Program {
public:
    // Without arguments the program uses Qt's message box and file dialog;
    // tests hand in recording ones.
    Program(tk::MessageBox* messages = nullptr, tk::FileDialog* files = nullptr);
    ~Program();

    void start();

    calc::CalcState& state() { return state_; }
    circuit::FrmHaupt& frmHaupt() { return frmHaupt_; }
    remaining::FrmRohrDm& frmRohrDm() { return frmRohrDm_; }
    catalogue::Catalogue& catalogue() { return catalogue_; }
    FormWindow* window(const std::string& formName) const;
    QtWindowSystem& windows() { return windows_; }

private:
    calc::CalcState state_;
    QtWindowSystem windows_;
    QtMessageBox qtMessages_;
    QtFileDialog qtFiles_{windows_};
    tk::MessageBox& messages_;
    tk::FileDialog& files_;
    forms::FaultGuard guard_;
    catalogue::Catalogue catalogue_;
    PendingFeatures pending_;
    circuit::FrmHaupt frmHaupt_;
    remaining::FrmRohrDm frmRohrDm_;
    std::vector<std::unique_ptr<FormWindow>> formWindows_;
};

}  // namespace shell
