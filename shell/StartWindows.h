#pragma once
// The windows around the workflow: the title window with its two one-shot
// timers, the read-me window, and the display window of a file opened.
#include <functional>

#include "toolkit/Controls.h"
#include "toolkit/Form.h"

namespace shell {

class FrmTitel2Rohr : public tk::Form {
public:
    // `toHeader` shows the project header window; `toReadMe` the read-me.
    FrmTitel2Rohr(tk::WindowSystem& windows, std::function<void()> toHeader,
                  std::function<void()> toReadMe);

    void Timer1_Timer();
    void Timer2_Timer();
    void Titelblatt();
    void cmdLesen_Click();
    // Closing the title window ends the program.
    void Form_QueryUnload() override;

    tk::Picture Image1{*this, "Image1"};
    tk::Picture Image2{*this, "Image2"};
    tk::Label Label3{*this, "Label3", "Kalvoranberechnung im 2-Rohrsystem"};
    tk::Label Label1{*this, "Label1", "Brevon "};
    tk::Label Label6{*this, "Label6", "/Pro"};
    tk::Label Label2{*this, "Label2", "Die kleinen Helfer"};
    tk::Button cmdLesen{*this, "cmdLesen", "Lesen"};
    tk::Timer Timer1{*this, "Timer1", 300, true};
    tk::Timer Timer2{*this, "Timer2", 2200, false};

private:
    std::function<void()> toHeader_;
    std::function<void()> toReadMe_;
};

// The read-me: on the way from the title window to the project header, or
// as the guide of a working form, which it leaves as it was.
class FrmRhrAnzeigeLesen : public tk::Form {
public:
    FrmRhrAnzeigeLesen(tk::WindowSystem& windows, std::function<void()> toHeader);

    // "Weiter" leads on to the project header.
    void showOnTheWay();
    // "Weiter" only closes the guide.
    void showAsGuide();

    void cdmWeiter_Click();
    void Form_QueryUnload() override;

    tk::Label Kopf{*this, "Kopf", "Brevon/Pro"};
    tk::Label Kopf2{*this, "Kopf2", "Die kleinenHelfer"};
    tk::TextField LeseTextRhr{*this, "LeseTextRhr"};
    tk::Button cdmWeiter{*this, "cdmWeiter", "Weiter"};

protected:
    void Form_Load() override;

private:
    std::function<void()> toHeader_;
    bool leadsToHeader_ = true;
};

class FrmForm4 : public tk::Form {
public:
    // `print` prints the report of the file shown.
    FrmForm4(tk::WindowSystem& windows, std::function<void()> print);

    void mnuItemPrinter_Click();
    void mnuItemExit_Click();
    void Form_QueryUnload() override { mnuItemExit_Click(); }

    tk::Label Label1{*this, "Label1", "Kalvoranberechnung"};
    tk::TextField txtRohrAnzeig{*this, "txtRohrAnzeig"};
    tk::MenuEntry mnuItemPrinter{*this, "mnuItemPrinter", "Datei", "&Drucken", "Ctrl+D"};
    tk::MenuEntry mnuItemExit{*this, "mnuItemExit", "Datei", "Be&enden", "Ctrl+E"};

private:
    std::function<void()> print_;
};

}  // namespace shell
