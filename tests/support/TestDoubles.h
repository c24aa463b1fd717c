#pragma once
// Stand-ins for the window layer, so that the workflow controllers run and
// are checked without a display.
#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "toolkit/Dialogs.h"
#include "toolkit/Printer.h"
#include "toolkit/WindowSystem.h"

namespace tk {

class RecordingMessageBox : public MessageBox {
public:
    struct Shown {
        std::string text;
        std::string title;
        MessageStyle style;
    };
    void show(const std::string& text, const std::string& title, MessageStyle style) override {
        shown.push_back({text, title, style});
    }
    // Recorded with the question style; answered from `answers`, "Nein"
    // when none is left.
    bool ask(const std::string& text, const std::string& title) override;
    const Shown& last() const;
    std::vector<Shown> shown;
    std::deque<bool> answers;
};

class ScriptedFileDialog : public FileDialog {
public:
    std::string choose(const FileRequest& request) override;
    std::deque<std::string> answers;  // an empty answer is a cancel
    std::vector<FileRequest> asked;
};

// Runs a scripted user for every modal display: the script acts on the form
// and must leave it hidden or unloaded, as a real user's return would.
class ScriptedWindowSystem : public WindowSystem {
public:
    void whenModal(const std::string& formName, std::function<void()> user);
    void runModal(Form& form) override;
    void endProgram() override { ended_ = true; }
    bool ended() const override { return ended_; }
    std::vector<std::string> modalShown;

private:
    std::map<std::string, std::deque<std::function<void()>>> scripts_;
    bool ended_ = false;
};

// A printer that keeps what it is given as pages of character cells, with
// the fonts in force, so that a report can be read back line by line.
class PageRecorder : public Printer {
public:
    struct FontChange {
        int page;
        std::size_t line;  // index of the line the font starts on
        std::string name;
        double size;
        bool bold;
    };
    void beginDocument() override;
    void tab(int column) override;
    void text(const std::string& text) override;
    void endLine() override;
    void setFont(const std::string& name, double size, bool bold) override;
    void newPage() override;
    int pageNumber() const override { return static_cast<int>(pages.size()); }
    void endDocument() override;
    std::string failure() const override { return documentsEnded > 0 ? failureAtEnd : ""; }
    std::string failureAtEnd;  // what the printer reports once the document is sent

    // Finished pages; the page in hand is the last one.
    std::vector<std::vector<std::string>> pages;
    std::vector<FontChange> fonts;
    int documentsEnded = 0;

private:
    std::string line_;
};

}  // namespace tk
