#pragma once
// Qt's message box and file dialog behind the program's own interfaces.
#include <QString>

#include "toolkit/Dialogs.h"

namespace shell {

class QtWindowSystem;

class QtMessageBox : public tk::MessageBox {
public:
    void show(const std::string& text, const std::string& title, tk::MessageStyle style) override;
    bool ask(const std::string& text, const std::string& title) override;
};

class QtFileDialog : public tk::FileDialog {
public:
    explicit QtFileDialog(const QtWindowSystem& windows) : windows_(windows) {}
    std::string choose(const tk::FileRequest& request) override;

private:
    const QtWindowSystem& windows_;
};

// Qt's own dialogs and buttons (file and print dialogs, message box
// buttons) speak German whatever the system's language. Once per
// application; where Qt's German translation is missing they stay English.
void useGermanQtTexts();

// "Textdateien(*.txt)|*.txt|Dateien(*.DAT)|*.DAT" as Qt's filter list.
QString qtFilter(const std::string& filter);

}  // namespace shell
