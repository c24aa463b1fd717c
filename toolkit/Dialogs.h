#pragma once
// Message box and common file dialog as the workflow code sees them.
#include <string>

namespace tk {

class Form;

enum class MessageStyle { None = 0, Question = 32, Exclamation = 48, Information = 64 };

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Modal; returns when the user has dismissed it.
    virtual void show(const std::string& text, const std::string& title, MessageStyle style) = 0;
    // A question with the buttons "Ja" and "Nein"; true for "Ja".
    virtual bool ask(const std::string& text, const std::string& title) = 0;
};

enum class FileDialogMode { Open, Save };

// What a file dialog is asked for.
struct FileRequest {
    FileDialogMode mode = FileDialogMode::Open;
    // Description and pattern pairs joined by "|":
    // "Textdateien(*.txt)|*.txt|Dateien(*.DAT)|*.DAT".
    std::string filter;
    std::string title;
    // The form the dialog belongs to; null for none.
    const Form* owner = nullptr;
    // Added to a name typed without one when saving ("txt").
    std::string defaultSuffix;
    // The name the dialog proposes in the folder where it starts; none: empty.
    std::string proposedName;
};

// "<Projekt-Nr.><ending>" ("-Bericht.pdf"), "Rohrweiten<ending>" without a
// number; characters a file name cannot hold become "-".
std::string proposedFileName(const std::string& projectNumber, const std::string& ending);

class FileDialog {
public:
    virtual ~FileDialog() = default;
    // The chosen file name, empty when the user cancelled.
    virtual std::string choose(const FileRequest& request) = 0;
};

}  // namespace tk
