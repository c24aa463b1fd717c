#pragma once
// Stand-ins for the window layer, so that the workflow controllers run and
// are checked without a display.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "toolkit/Dialogs.h"
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
    const Shown& last() const;
    std::vector<Shown> shown;
};

class ScriptedFileDialog : public FileDialog {
public:
    struct Asked {
        FileDialogMode mode;
        std::string filter;
        std::string title;
    };
    std::string choose(FileDialogMode mode, const std::string& filter,
                       const std::string& title) override;
    std::deque<std::string> answers;  // an empty answer is a cancel
    std::vector<Asked> asked;
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

}  // namespace tk
