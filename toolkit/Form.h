#pragma once
// A window of the program: loaded with its design values, shown modal or
// modeless, hidden, unloaded. Reading or writing a control of a form that is
// not loaded loads it first.
#include <string>
#include <vector>

#include "toolkit/Controls.h"

namespace tk {

class WindowSystem;

enum class MousePointer { Normal, Hourglass };

// The window layer's view of a form.
class FormListener {
public:
    virtual ~FormListener() = default;
    virtual void formShown(bool modal) = 0;
    virtual void formHidden() = 0;
    virtual void formUnloaded() = 0;
    virtual void focusMoved() = 0;
    virtual void pointerChanged() = 0;
    virtual void defaultButtonChanged() {}
    virtual void captionChanged() {}
};

class Form {
public:
    Form(WindowSystem& windows, std::string name, std::string caption);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    WindowSystem& windows() const { return windows_; }

    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }
    bool modal() const { return modal_; }

    void load();
    void showModeless();
    // Returns when the form has been hidden or unloaded.
    void showModal();
    void hide();
    void unload();

    // True when the form is shown and no other modal form lies above it.
    bool acceptsInput() const;

    const Control* focused() const { return focused_; }
    void setFocus(Control* control);

    // The button that Enter in a field presses; null for none.
    Button* defaultButton() const { return default_; }
    void setDefaultButton(Button* button);

    MousePointer mousePointer() const { return pointer_; }
    void setMousePointer(MousePointer pointer);

    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(const std::string& name) const;
    void setListener(FormListener* listener) { listener_ = listener; }

    // Loads the form if it is not loaded; used by every control access.
    void ensureLoaded();

    // The user closes the window through its title bar (or Esc in a
    // dialog). Unloads the form unless the form says otherwise.
    virtual void Form_QueryUnload() { unload(); }
    // The same, as an event of the user: through the window system's guard.
    void userClosed();
    // Esc in a modal form; it closes the form unless the form says otherwise.
    virtual void Form_KeyEscape() { Form_QueryUnload(); }
    void userPressedEscape();

protected:
    // Runs once per load, after the design values are back.
    virtual void Form_Load() {}

private:
    friend class Control;
    void registerControl(Control* control) { controls_.push_back(control); }

    WindowSystem& windows_;
    std::string name_;
    std::string caption_;
    bool loaded_ = false;
    bool visible_ = false;
    bool modal_ = false;
    Control* focused_ = nullptr;
    Button* default_ = nullptr;
    MousePointer pointer_ = MousePointer::Normal;
    std::vector<Control*> controls_;
    FormListener* listener_ = nullptr;
};

}  // namespace tk
