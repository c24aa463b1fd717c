#pragma once
// Message box and common file dialog as the workflow code sees them.
#include <string>

namespace tk {

enum class MessageStyle { None = 0, Exclamation = 48, Information = 64 };

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Modal; returns when the user has dismissed it.
    virtual void show(const std::string& text, const std::string& title, MessageStyle style) = 0;
};

enum class FileDialogMode { Open, Save };

class FileDialog {
public:
    virtual ~FileDialog() = default;
    // `filter` joins description and pattern pairs with "|":
    // "Textdateien(*.txt)|*.txt|Dateien(*.DAT)|*.DAT". Returns the chosen
    // file name, empty when the user cancelled.
    virtual std::string choose(FileDialogMode mode, const std::string& filter,
                               const std::string& title) = 0;
};

}  // namespace tk
