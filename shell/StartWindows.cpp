#include "shell/StartWindows.h"

#include <string>

#include "shell/ReadMe.h"
#include "toolkit/WindowSystem.h"

namespace shell {

FrmTitel2Rohr::FrmTitel2Rohr(tk::WindowSystem& windows, std::function<void()> toHeader,
                             std::function<void()> toReadMe)
    : tk::Form(windows, "frmTitel2Rohr", "Titelblatt"),
      toHeader_(std::move(toHeader)),
      toReadMe_(std::move(toReadMe)) {
    cmdLesen.designHidden();
    Timer1.onTimer([this] { Timer1_Timer(); });
    Timer2.onTimer([this] { Timer2_Timer(); });
    cmdLesen.onClick([this] { cmdLesen_Click(); });
}

// Each timer fires once: it stops itself while its interval has the design
// value.
void FrmTitel2Rohr::Timer1_Timer() {
    if (Timer1.interval() == 300) Timer1.setEnabled(false);
    cmdLesen.setVisible(true);
    cmdLesen.setFocus();
    setDefaultButton(&cmdLesen);
    Timer2.setEnabled(true);
}

void FrmTitel2Rohr::Timer2_Timer() {
    if (Timer2.interval() == 2200) Timer2.setEnabled(false);
    Titelblatt();
}

void FrmTitel2Rohr::Titelblatt() {
    hide();
    unload();
    toHeader_();
}

void FrmTitel2Rohr::cmdLesen_Click() {
    hide();
    unload();
    toReadMe_();
}

void FrmTitel2Rohr::Form_QueryUnload() {
    unload();
    windows().endProgram();
}

FrmRhrAnzeigeLesen::FrmRhrAnzeigeLesen(tk::WindowSystem& windows, std::function<void()> toHeader)
    : tk::Form(windows, "frmRhrAnzeigeLesen", "ZumLesen"), toHeader_(std::move(toHeader)) {
    LeseTextRhr.designMultiLine().designReadOnly();
    cdmWeiter.onClick([this] { cdmWeiter_Click(); });
}

void FrmRhrAnzeigeLesen::Form_Load() {
    LeseTextRhr.setText(std::string(readMeText()));
    setDefaultButton(&cdmWeiter);
}

void FrmRhrAnzeigeLesen::showOnTheWay() {
    leadsToHeader_ = true;
    showModeless();
}

void FrmRhrAnzeigeLesen::showAsGuide() {
    leadsToHeader_ = false;
    showModeless();
}

// On the way to the header the read-me stays loaded behind it, hidden.
void FrmRhrAnzeigeLesen::cdmWeiter_Click() {
    hide();
    if (leadsToHeader_) toHeader_();
}

void FrmRhrAnzeigeLesen::Form_QueryUnload() { cdmWeiter_Click(); }

FrmForm4::FrmForm4(tk::WindowSystem& windows, std::function<void()> print)
    : tk::Form(windows, "frmForm4", "zeigen"), print_(std::move(print)) {
    txtRohrAnzeig.designMultiLine().designReadOnly().designToolTip(
        "Zeigt aus dem Speicher geladene  Daten an");
    mnuItemPrinter.onClick([this] { mnuItemPrinter_Click(); });
    mnuItemExit.onClick([this] { mnuItemExit_Click(); });
}

void FrmForm4::mnuItemPrinter_Click() { print_(); }

// Ends at once; a file shown has nothing unsaved.
void FrmForm4::mnuItemExit_Click() {
    unload();
    windows().endProgram();
}

}  // namespace shell
