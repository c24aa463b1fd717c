#pragma once
// Models of the controls a form shows. The workflow code reads and writes
// these; the window layer mirrors them in real widgets both ways.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class Form;

class Control {
public:
    Control(Form& form, std::string name);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Form& form() const { return form_; }

    bool visible() const;
    void setVisible(bool visible);
    bool enabled() const;
    void setEnabled(bool enabled);
    const std::string& toolTip() const { return toolTip_; }

    // Design values: what a freshly loaded form shows.
    Control& designHidden();
    Control& designDisabled();
    Control& designToolTip(std::string text);

    // Puts the input focus into this control.
    void setFocus();
    bool hasFocus() const;

    // True when a user could operate the control right now: the form is
    // shown and takes input, and the control is visible and enabled.
    bool usable() const;

    // The window layer listens here to mirror changes of the model.
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // Tells the listener to mirror the control again.
    void refresh() const { changed(); }

    // Back to the design values; called by the form on load.
    void restoreDesign();

protected:
    void touch() const;  // loads the form implicitly
    void changed() const;
    virtual void restoreOwnDesign() {}

private:
    Form& form_;
    std::string name_;
    std::string toolTip_;
    bool designVisible_ = true;
    bool designEnabled_ = true;
    bool visible_ = true;
    bool enabled_ = true;
    std::function<void()> listener_;
};

class TextField : public Control {
public:
    using Control::Control;
    const std::string& text() const;
    // Text put in by the program: kept whole, whatever the maximum length.
    void setText(std::string text);
    int maxLength() const { return maxLength_; }
    bool multiLine() const { return multiLine_; }

    TextField& designMaxLength(int characters);
    TextField& designMultiLine();
    // The user can read and select the text but not change it.
    TextField& designReadOnly();
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);

    // The user selects all and types `text`: characters beyond the maximum
    // length are refused. Returns false when the field takes no input.
    bool enter(std::string_view text);
    // The user types at the end of what is there.
    bool type(std::string_view text);
    // The window layer reports a user edit it has already limited.
    void userEdited(std::string text);

    // A field that takes its text by itself rather than through a button:
    // the user applies it with Enter or by leaving it. The handler says
    // whether the text was taken; a refused field keeps the focus.
    void onApply(std::function<bool()> handler) { applyHandler_ = std::move(handler); }
    bool appliesItself() const { return static_cast<bool>(applyHandler_); }
    // The user pressed Enter in the field or left it: true when taken.
    bool apply();

private:
    void restoreOwnDesign() override {
        text_.clear();
        readOnly_ = designReadOnly_;
    }
    std::string text_;
    std::function<bool()> applyHandler_;
    int maxLength_ = 0;
    bool multiLine_ = false;
    bool designReadOnly_ = false;
    bool readOnly_ = false;
};

class Label : public Control {
public:
    Label(Form& form, std::string name, std::string caption);
    const std::string& caption() const;
    void setCaption(std::string caption);

private:
    void restoreOwnDesign() override { caption_ = designCaption_; }
    std::string designCaption_;
    std::string caption_;
};

// A frame that groups controls under a caption.
class Frame : public Label {
public:
    using Label::Label;
};

class Button : public Control {
public:
    Button(Form& form, std::string name, std::string caption);
    const std::string& caption() const { return caption_; }
    void onClick(std::function<void()> handler) { handler_ = std::move(handler); }
    // A user click: runs the handler when the button is usable.
    bool click();

private:
    std::string caption_;
    std::function<void()> handler_;
};

class OptionButton : public Control {
public:
    OptionButton(Form& form, std::string name, std::string caption, std::string group);
    const std::string& caption() const { return caption_; }
    const std::string& group() const { return group_; }
    bool value() const;
    // Selecting one option clears the others of its group.
    void setValue(bool selected);
    // Runs after the user selected the option.
    void onClick(std::function<void()> handler) { handler_ = std::move(handler); }
    bool click();

private:
    void restoreOwnDesign() override { value_ = false; }
    std::string caption_;
    std::string group_;
    std::function<void()> handler_;
    bool value_ = false;
};

class ComboBox : public Control {
public:
    using Control::Control;
    void addItem(std::string text);
    // New entries, the one at `position` (from 1) chosen; 0: none.
    void setItems(std::vector<std::string> items, int position);
    const std::vector<std::string>& items() const;
    // Position of the chosen entry counted from 1; 0 while none is chosen.
    int position() const;
    const std::string& text() const;
    void setText(std::string text);
    void onClick(std::function<void()> handler) { handler_ = std::move(handler); }
    // The user chooses the entry at `position` (from 1).
    bool choose(int position);

private:
    void restoreOwnDesign() override;
    std::vector<std::string> items_;
    int position_ = 0;
    std::string text_;
    std::function<void()> handler_;
};

// Items shown as a tree, in order, each with its depth below the first
// level. The user selects one, or presses Entf or Einfg on the tree; the
// selection handler may refuse a selection, which then stays where it was.
class TreeView : public Control {
public:
    struct Item {
        int depth = 0;
        std::string text;
        bool operator==(const Item&) const = default;
    };
    enum class Key { Delete, Insert };

    using Control::Control;
    const std::vector<Item>& items() const;
    // New items; the selection keeps its place while that is still there.
    void setItems(std::vector<Item> items);
    int selected() const;  // -1: none
    void setSelected(int index);
    // The user selects the item at `index`: true when it was taken.
    bool select(int index);
    bool press(Key key);
    void onSelect(std::function<bool(int)> handler) { selectHandler_ = std::move(handler); }
    void onKey(std::function<void(Key)> handler) { keyHandler_ = std::move(handler); }

private:
    void restoreOwnDesign() override;
    std::vector<Item> items_;
    int selected_ = -1;
    std::function<bool(int)> selectHandler_;
    std::function<void(Key)> keyHandler_;
};

class MenuEntry : public Control {
public:
    // `caption` marks its access key with "&"; `shortcut` reads "Ctrl+S".
    MenuEntry(Form& form, std::string name, std::string menu, std::string caption,
              std::string shortcut);
    const std::string& menu() const { return menu_; }
    const std::string& caption() const { return caption_; }
    // A caption that names what the entry would do now.
    void setCaption(std::string caption);
    const std::string& shortcut() const { return shortcut_; }
    // A further key that does the same ("Ctrl+Shift+Z" beside "Ctrl+Y").
    MenuEntry& designSecondShortcut(std::string shortcut);
    const std::string& secondShortcut() const { return secondShortcut_; }
    void onClick(std::function<void()> handler) { handler_ = std::move(handler); }
    bool click();

private:
    std::string menu_;
    std::string caption_;
    std::string shortcut_;
    std::string secondShortcut_;
    std::function<void()> handler_;
};

// A picture; the window layer draws it.
class Picture : public Control {
public:
    using Control::Control;
};

class Timer : public Control {
public:
    Timer(Form& form, std::string name, int intervalMs, bool running);
    int interval() const { return interval_; }
    void onTimer(std::function<void()> handler) { handler_ = std::move(handler); }
    // The window layer (or a test) reports that the interval has passed.
    void fire();

private:
    int interval_;
    std::function<void()> handler_;
};

}  // namespace tk
