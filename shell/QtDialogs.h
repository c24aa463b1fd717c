#pragma once
// Qt's message box and file dialog behind the program's own interfaces.
#include <QString>

#include "toolkit/Dialogs.h"

namespace shell {

class QtMessageBox : public tk::MessageBox {
public:
    void show(const std::string& text, const std::string& title, tk::MessageStyle style) override;
};

class QtFileDialog : public tk::FileDialog {
public:
    std::string choose(tk::FileDialogMode mode, const std::string& filter,
                       const std::string& title) override;
};

// "Textdateien(*.txt)|*.txt|Dateien(*.DAT)|*.DAT" as Qt's filter list.
QString qtFilter(const std::string& filter);

}  // namespace shell
