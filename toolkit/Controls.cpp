#include "toolkit/Controls.h"

#include "toolkit/Form.h"
#include "toolkit/NumberText.h"
#include "toolkit/WindowSystem.h"

namespace tk {
Control::Control(Form& form, std::string name) : form_(form), name_(std::move(name)) {
    form_.registerControl(this);
}

void Control::touch() const { form_.ensureLoaded(); }

void Control::changed() const {
    if (listener_) listener_();
}

bool Control::visible() const {
    touch();
    return visible_;
}

void Control::setVisible(bool visible) {
    touch();
    if (visible_ == visible) return;
    visible_ = visible;
    changed();
}

bool Control::enabled() const {
    touch();
    return enabled_;
}

void Control::setEnabled(bool enabled) {
    touch();
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    changed();
}

Control& Control::designHidden() {
    designVisible_ = visible_ = false;
    return *this;
}

Control& Control::designDisabled() {
    designEnabled_ = enabled_ = false;
    return *this;
}

Control& Control::designToolTip(std::string text) {
    toolTip_ = std::move(text);
    return *this;
}

void Control::setFocus() {
    touch();
    form_.setFocus(this);
}

bool Control::hasFocus() const { return form_.loaded() && form_.focused() == this; }

bool Control::usable() const { return form_.acceptsInput() && visible() && enabled(); }

void Control::restoreDesign() {
    visible_ = designVisible_;
    enabled_ = designEnabled_;
    restoreOwnDesign();
    changed();
}

const std::string& TextField::text() const {
    touch();
    return text_;
}

void TextField::setText(std::string text) {
    touch();
    if (text_ == text) return;
    text_ = std::move(text);
    changed();
}

TextField& TextField::designMaxLength(int characters) {
    maxLength_ = characters;
    return *this;
}

TextField& TextField::designMultiLine() {
    multiLine_ = true;
    return *this;
}

TextField& TextField::designReadOnly() {
    designReadOnly_ = readOnly_ = true;
    return *this;
}

void TextField::setReadOnly(bool readOnly) {
    touch();
    if (readOnly_ == readOnly) return;
    readOnly_ = readOnly;
    changed();
}

bool TextField::apply() {
    if (!usable() || readOnly_ || !applyHandler_) return true;
    bool taken = true;
    form().windows().dispatch({form(), this}, [&] { taken = applyHandler_(); });
    return taken;
}

bool TextField::enter(std::string_view text) {
    if (!usable() || readOnly_) return false;
    setText(maxLength_ > 0 ? firstCharacters(text, static_cast<std::size_t>(maxLength_))
                           : std::string(text));
    return true;
}

bool TextField::type(std::string_view text) {
    if (!usable() || readOnly_) return false;
    std::string result = text_;
    if (maxLength_ > 0) {
        std::size_t present = characterCount(result);
        std::size_t room = present < static_cast<std::size_t>(maxLength_)
                               ? static_cast<std::size_t>(maxLength_) - present
                               : 0;
        result += firstCharacters(text, room);
    } else {
        result += text;
    }
    setText(std::move(result));
    return true;
}

void TextField::userEdited(std::string text) {
    touch();
    text_ = std::move(text);
}

Label::Label(Form& form, std::string name, std::string caption)
    : Control(form, std::move(name)), designCaption_(caption), caption_(std::move(caption)) {}

const std::string& Label::caption() const {
    touch();
    return caption_;
}

void Label::setCaption(std::string caption) {
    touch();
    caption_ = std::move(caption);
    changed();
}

Button::Button(Form& form, std::string name, std::string caption)
    : Control(form, std::move(name)), caption_(std::move(caption)) {}

bool Button::click() {
    if (!usable()) return false;
    form().windows().dispatch({form(), this}, handler_);
    return true;
}

OptionButton::OptionButton(Form& form, std::string name, std::string caption, std::string group)
    : Control(form, std::move(name)), caption_(std::move(caption)), group_(std::move(group)) {}

bool OptionButton::value() const {
    touch();
    return value_;
}

void OptionButton::setValue(bool selected) {
    touch();
    if (selected) {
        for (Control* control : form().controls()) {
            auto* other = dynamic_cast<OptionButton*>(control);
            if (other && other != this && other->group_ == group_ && other->value_) {
                other->value_ = false;
                other->changed();
            }
        }
    }
    value_ = selected;
    changed();
}

bool OptionButton::click() {
    if (!usable()) return false;
    setValue(true);
    form().windows().dispatch({form(), this}, handler_);
    return true;
}

void ComboBox::addItem(std::string text) {
    touch();
    items_.push_back(std::move(text));
    changed();
}

void ComboBox::setItems(std::vector<std::string> items, int position) {
    touch();
    items_ = std::move(items);
    const bool chosen = position >= 1 && position <= static_cast<int>(items_.size());
    position_ = chosen ? position : 0;
    text_ = chosen ? items_[static_cast<std::size_t>(position - 1)] : std::string();
    changed();
}

const std::vector<std::string>& ComboBox::items() const {
    touch();
    return items_;
}

int ComboBox::position() const {
    touch();
    return position_;
}

const std::string& ComboBox::text() const {
    touch();
    return text_;
}

void ComboBox::setText(std::string text) {
    touch();
    text_ = std::move(text);
    position_ = 0;
    changed();
}

bool ComboBox::choose(int position) {
    if (!usable() || position < 1 || position > static_cast<int>(items_.size())) return false;
    position_ = position;
    text_ = items_[static_cast<std::size_t>(position - 1)];
    changed();
    form().windows().dispatch({form(), this}, handler_);
    return true;
}

void ComboBox::restoreOwnDesign() {
    items_.clear();
    position_ = 0;
    text_.clear();
}

const std::vector<TreeView::Item>& TreeView::items() const {
    touch();
    return items_;
}

void TreeView::setItems(std::vector<Item> items) {
    touch();
    items_ = std::move(items);
    if (selected_ >= static_cast<int>(items_.size())) selected_ = static_cast<int>(items_.size()) - 1;
    changed();
}

int TreeView::selected() const {
    touch();
    return selected_;
}

void TreeView::setSelected(int index) {
    touch();
    selected_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
    changed();
}

bool TreeView::select(int index) {
    if (!usable() || index < 0 || index >= static_cast<int>(items_.size())) return false;
    bool taken = true;
    if (selectHandler_)
        form().windows().dispatch({form(), this}, [&] { taken = selectHandler_(index); });
    if (taken) selected_ = index;
    changed();
    return taken;
}

bool TreeView::press(Key key) {
    if (!usable() || !keyHandler_) return false;
    form().windows().dispatch({form(), this}, [&] { keyHandler_(key); });
    return true;
}

void TreeView::restoreOwnDesign() {
    items_.clear();
    selected_ = -1;
}

MenuEntry::MenuEntry(Form& form, std::string name, std::string menu, std::string caption,
                     std::string shortcut)
    : Control(form, std::move(name)),
      menu_(std::move(menu)),
      caption_(std::move(caption)),
      shortcut_(std::move(shortcut)) {}

void MenuEntry::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed();
}

MenuEntry& MenuEntry::designSecondShortcut(std::string shortcut) {
    secondShortcut_ = std::move(shortcut);
    return *this;
}

bool MenuEntry::click() {
    if (!usable()) return false;
    form().windows().dispatch({form(), this}, handler_);
    return true;
}

Timer::Timer(Form& form, std::string name, int intervalMs, bool running)
    : Control(form, std::move(name)), interval_(intervalMs) {
    if (!running) designDisabled();
}

void Timer::fire() {
    if (!form().loaded() || !enabled() || form().windows().ended()) return;
    form().windows().dispatch({form(), this}, handler_);
}

}  // namespace tk
