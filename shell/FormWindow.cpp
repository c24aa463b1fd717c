#include "shell/FormWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QValidator>
#include <algorithm>
#include <memory>
#include <stdexcept>

#include "shell/Artwork.h"
#include "shell/QtWindowSystem.h"

namespace shell {
namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

// Refuses typing and pasting beyond the field's maximum length; text that
// the program put in stays whole and can still be shortened.
class MaxLengthValidator : public QValidator {
public:
    MaxLengthValidator(QLineEdit* edit, int maxLength) : QValidator(edit), maxLength_(maxLength) {
        QObject::connect(edit, &QLineEdit::textChanged,
                         [this](const QString& text) { acceptedLength_ = text.size(); });
    }
    State validate(QString& input, int&) const override {
        if (input.size() <= maxLength_ || input.size() <= acceptedLength_) return Acceptable;
        return Invalid;
    }

private:
    int maxLength_;
    qsizetype acceptedLength_ = 0;
};

QString listingText(const std::string& text) {
    QString shown = qt(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

void syncCommon(const tk::Control& control, QWidget* widget) {
    widget->setVisible(control.visible());
    widget->setEnabled(control.enabled());
    widget->setToolTip(qt(control.toolTip()));
}

// A read-only field shows the window's background, so that it does not look
// like a field to type into. It can be clicked into to select its text, but
// the tab key passes it by.
void syncReadOnly(const tk::TextField& field, QLineEdit* edit) {
    edit->setReadOnly(field.readOnly());
    edit->setFocusPolicy(field.readOnly() ? Qt::ClickFocus : Qt::StrongFocus);
    QPalette palette = QApplication::palette(edit);
    if (field.readOnly()) palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
}

QWidget* makeLineEdit(tk::TextField& field) {
    auto* edit = new QLineEdit;
    if (field.maxLength() > 0) edit->setValidator(new MaxLengthValidator(edit, field.maxLength()));
    syncReadOnly(field, edit);
    QObject::connect(edit, &QLineEdit::textEdited,
                     [&field](const QString& text) { field.userEdited(text.toStdString()); });
    field.setChangeListener([&field, edit] {
        if (edit->text().toStdString() != field.text()) edit->setText(qt(field.text()));
        syncReadOnly(field, edit);
        syncCommon(field, edit);
    });
    return edit;
}

QWidget* makeTextArea(tk::TextField& field) {
    auto* area = new QPlainTextEdit;
    area->setReadOnly(field.readOnly());
    area->setLineWrapMode(QPlainTextEdit::NoWrap);
    field.setChangeListener([&field, area] {
        QString shown = listingText(field.text());
        const QString before = area->toPlainText();
        if (before != shown) {
            // A listing that grows shows its end; a new text its beginning.
            const bool appended = !before.isEmpty() && shown.startsWith(before);
            area->setPlainText(shown);
            QScrollBar* bar = area->verticalScrollBar();
            bar->setValue(appended ? bar->maximum() : bar->minimum());
        }
        syncCommon(field, area);
    });
    return area;
}

QWidget* makeButton(tk::Button& button) {
    auto* push = new QPushButton(qt(button.caption()));
    push->setAutoDefault(false);
    QObject::connect(push, &QPushButton::clicked, [&button] { button.click(); });
    button.setChangeListener([&button, push] { syncCommon(button, push); });
    return push;
}

// `groupChanged` keeps the group's one tab stop in step.
QWidget* makeOption(tk::OptionButton& option, std::function<void()> groupChanged) {
    auto* radio = new QRadioButton(qt(option.caption()));
    radio->setAutoExclusive(false);
    QObject::connect(radio, &QRadioButton::clicked, [&option, radio] {
        option.click();
        radio->setChecked(option.value());
    });
    option.setChangeListener([&option, radio, groupChanged] {
        radio->setChecked(option.value());
        syncCommon(option, radio);
        groupChanged();
    });
    return radio;
}

QWidget* makeComboBox(tk::ComboBox& box) {
    auto* combo = new QComboBox;
    QObject::connect(combo, &QComboBox::activated, [&box](int index) { box.choose(index + 1); });
    box.setChangeListener([&box, combo] {
        QSignalBlocker block(combo);
        const auto& items = box.items();
        QStringList shown;
        for (const std::string& item : items) shown << qt(item);
        QStringList before;
        for (int i = 0; i < combo->count(); ++i) before << combo->itemText(i);
        if (before != shown) {
            combo->clear();
            for (const std::string& item : items) combo->addItem(qt(item));
            combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + 30);
        }
        combo->setPlaceholderText(qt(box.text()));
        combo->setCurrentIndex(box.position() - 1);
        syncCommon(box, combo);
    });
    return combo;
}

// The tree's items in the model's order: depth first, as they were added.
QTreeWidgetItem* treeItemAt(QTreeWidget* widget, int index) {
    for (QTreeWidgetItemIterator it(widget); *it; ++it)
        if (index-- == 0) return *it;
    return nullptr;
}

int treeIndexOf(QTreeWidget* widget, const QTreeWidgetItem* item) {
    int index = 0;
    for (QTreeWidgetItemIterator it(widget); *it; ++it, ++index)
        if (*it == item) return index;
    return -1;
}

// An item deeper than the one before it becomes that one's child, however
// many levels it skips.
void rebuildTree(QTreeWidget* widget, const std::vector<tk::TreeView::Item>& items) {
    widget->clear();
    std::vector<QTreeWidgetItem*> parents;  // the latest item of each depth
    for (const tk::TreeView::Item& item : items) {
        parents.resize(
            static_cast<std::size_t>(std::clamp(item.depth, 0, static_cast<int>(parents.size()))));
        auto* node =
            parents.empty() ? new QTreeWidgetItem(widget) : new QTreeWidgetItem(parents.back());
        node->setText(0, qt(item.text));
        parents.push_back(node);
    }
    widget->expandAll();
}

bool sameShape(const std::vector<tk::TreeView::Item>& a, const std::vector<tk::TreeView::Item>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const auto& x, const auto& y) { return x.depth == y.depth; });
}

void showTreeItems(QTreeWidget* widget, std::vector<tk::TreeView::Item>& shown,
                   const std::vector<tk::TreeView::Item>& items) {
    if (shown == items) return;
    if (sameShape(shown, items)) {
        int index = 0;
        for (QTreeWidgetItemIterator it(widget); *it; ++it, ++index)
            (*it)->setText(0, qt(items[static_cast<std::size_t>(index)].text));
    } else {
        rebuildTree(widget, items);
    }
    shown = items;
}

void showTreeSelection(const tk::TreeView& tree, QTreeWidget* widget) {
    QSignalBlocker block(widget);
    QTreeWidgetItem* item = treeItemAt(widget, tree.selected());
    widget->setCurrentItem(item);
    if (!item) widget->clearSelection();
}

// A refused selection goes back to the model's at once and once more after
// the event, because a mouse press selects the clicked row after the
// current row has changed.
QWidget* makeTree(tk::TreeView& tree) {
    auto* widget = new QTreeWidget;
    widget->setColumnCount(1);
    widget->setHeaderHidden(true);
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    widget->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(widget, &QTreeWidget::currentItemChanged,
                     [&tree, widget](QTreeWidgetItem* now) {
                         const int index = treeIndexOf(widget, now);
                         if (index < 0 || tree.select(index)) return;
                         showTreeSelection(tree, widget);
                         QTimer::singleShot(0, widget, [&tree, widget] {
                             if (tree.form().loaded()) showTreeSelection(tree, widget);
                         });
                     });
    auto shown = std::make_shared<std::vector<tk::TreeView::Item>>();
    tree.setChangeListener([&tree, widget, shown] {
        {
            QSignalBlocker block(widget);
            showTreeItems(widget, *shown, tree.items());
        }
        showTreeSelection(tree, widget);
        syncCommon(tree, widget);
    });
    return widget;
}

QWidget* makeLabel(tk::Label& label) {
    QWidget* widget = nullptr;
    if (dynamic_cast<tk::Frame*>(&label)) {
        auto* group = new QGroupBox(qt(label.caption()));
        label.setChangeListener([&label, group] {
            group->setTitle(qt(label.caption()));
            syncCommon(label, group);
        });
        widget = group;
    } else {
        auto* text = new QLabel(qt(label.caption()));
        label.setChangeListener([&label, text] {
            text->setText(qt(label.caption()));
            syncCommon(label, text);
        });
        widget = text;
    }
    return widget;
}

void applyLook(QWidget* widget, Look look) {
    if (look == Look::Heading) {
        QFont font = widget->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.3);
        widget->setFont(font);
    } else if (look == Look::Listing || look == Look::Fixed) {
        QFont font(QStringLiteral("Courier"));
        font.setStyleHint(QFont::Monospace);
        font.setFixedPitch(true);
        font.setPointSize(9);
        widget->setFont(font);
    }
}

// The client area: as large as the design at least; a listing follows the
// window's size when the user enlarges it.
class ClientArea : public QWidget {
public:
    explicit ClientArea(QSize designSize) : designSize_(designSize) { setMinimumSize(designSize); }
    QSize sizeHint() const override { return designSize_; }

    void addGrowing(QWidget* widget, QRect designRect, bool sideways) {
        growing_.push_back({widget, designRect, sideways});
    }
    bool hasGrowing() const { return !growing_.empty(); }

protected:
    void resizeEvent(QResizeEvent*) override {
        const QSize extra = size() - designSize_;
        for (const auto& [widget, rect, sideways] : growing_)
            widget->setGeometry(rect.adjusted(0, 0, sideways ? extra.width() : 0, extra.height()));
    }

private:
    QSize designSize_;
    struct Growing {
        QWidget* widget;
        QRect designRect;
        bool sideways;
    };
    std::vector<Growing> growing_;
};

bool needsPlace(const tk::Control& control) {
    return !dynamic_cast<const tk::MenuEntry*>(&control) &&
           !dynamic_cast<const tk::Timer*>(&control);
}

}  // namespace

std::vector<std::string> layoutProblems(const tk::Form& form, const FormLayout& layout) {
    std::vector<std::string> problems;
    for (const tk::Control* control : form.controls())
        if (needsPlace(*control) && !layout.controls.contains(control->name()))
            problems.push_back(form.name() + "." + control->name() + " has no place");
    for (const auto& [name, placement] : layout.controls) {
        const tk::Control* control = form.find(name);
        if (!control || !needsPlace(*control))
            problems.push_back(form.name() + " has a place for " + name + " but no such control");
    }
    return problems;
}

FormWindow::FormWindow(tk::Form& form, QtWindowSystem& windows, const FormLayout& layout)
    : form_(form), windows_(windows) {
    if (auto problems = layoutProblems(form, layout); !problems.empty())
        throw std::logic_error(problems.front());
    setObjectName(qt(form.name()));
    setWindowTitle(qt(form.caption()));
    auto* client = new ClientArea(layout.clientSize);
    client->setObjectName(qt(form.name() + "_client"));
    setCentralWidget(client);
    for (tk::Control* control : form.controls()) {
        if (auto* entry = dynamic_cast<tk::MenuEntry*>(control)) {
            bindMenu(*entry);
            continue;
        }
        auto placed = layout.controls.find(control->name());
        bind(*control, placed == layout.controls.end() ? Placement{} : placed->second);
    }
    // Where the user puts the focus, the form's model follows.
    QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now || now->window() != this) return;
        if (tk::Control* control = form_.find(now->objectName().toStdString());
            control && form_.loaded() && form_.focused() != control)
            form_.setFocus(control);
    });
    if (!client->hasGrowing()) client->setFixedSize(layout.clientSize);
    assignAccessKeys();
    form.setListener(this);
    windows.addWindow(form, this);
    if (form.loaded()) {
        for (tk::Control* control : form.controls()) control->refresh();
        defaultButtonChanged();
        focusMoved();
    }
}

FormWindow::~FormWindow() {
    form_.setListener(nullptr);
    for (tk::Control* control : form_.controls()) control->setChangeListener(nullptr);
    windows_.removeWindow(form_);
    // A dialog shown over this window belongs to the program, not to it.
    for (auto* dialog : findChildren<FormWindow*>(Qt::FindDirectChildrenOnly))
        dialog->setParent(nullptr);
}

void FormWindow::bind(tk::Control& control, const Placement& placement) {
    if (auto* timer = dynamic_cast<tk::Timer*>(&control)) {
        auto* qtimer = new QTimer(this);
        timers_.push_back(qtimer);
        qtimer->setInterval(timer->interval());
        QObject::connect(qtimer, &QTimer::timeout, [timer] { timer->fire(); });
        timer->setChangeListener([this, timer, qtimer] {
            bool run = form_.loaded() && timer->enabled();
            if (run && !qtimer->isActive()) qtimer->start();
            if (!run) qtimer->stop();
        });
        return;
    }
    QWidget* widget = makeWidget(control);
    widget->setObjectName(qt(control.name()));
    widget->setParent(centralWidget());
    widget->setGeometry(placement.rect);
    applyLook(widget, placement.look);
    widget->installEventFilter(this);
    if (placement.look == Look::Listing || placement.look == Look::Column)
        static_cast<ClientArea*>(centralWidget())
            ->addGrowing(widget, placement.rect, placement.look == Look::Listing);
    if (dynamic_cast<tk::Frame*>(&control)) widget->lower();
    widgets_[control.name()] = widget;
}

QWidget* FormWindow::makeWidget(tk::Control& control) {
    if (auto* field = dynamic_cast<tk::TextField*>(&control))
        return field->multiLine() ? makeTextArea(*field) : makeLineEdit(*field);
    if (auto* button = dynamic_cast<tk::Button*>(&control)) return makeButton(*button);
    if (auto* option = dynamic_cast<tk::OptionButton*>(&control))
        return makeOption(*option, [this, option] { keepOneTabStop(option->group()); });
    if (auto* box = dynamic_cast<tk::ComboBox*>(&control)) return makeComboBox(*box);
    if (auto* tree = dynamic_cast<tk::TreeView*>(&control)) return makeTree(*tree);
    if (dynamic_cast<tk::Picture*>(&control)) {
        auto* picture = new Artwork(control.name() == "Image1" ? Artwork::Motif::Radiator
                                                               : Artwork::Motif::Network);
        control.setChangeListener([&control, picture] { syncCommon(control, picture); });
        return picture;
    }
    return makeLabel(dynamic_cast<tk::Label&>(control));
}

void FormWindow::bindMenu(tk::MenuEntry& entry) {
    QMenu* menu = nullptr;
    for (QMenu* existing : menuBar()->findChildren<QMenu*>())
        if (existing->title() == qt(entry.menu())) menu = existing;
    if (!menu) menu = menuBar()->addMenu(qt(entry.menu()));
    QAction* action = menu->addAction(qt(entry.caption()));
    action->setObjectName(qt(entry.name()));
    QList<QKeySequence> keys{QKeySequence(qt(entry.shortcut()))};
    if (!entry.secondShortcut().empty()) keys.append(QKeySequence(qt(entry.secondShortcut())));
    action->setShortcuts(keys);
    QObject::connect(action, &QAction::triggered, [&entry] { entry.click(); });
    menuActions_.push_back(action);
    entry.setChangeListener([&entry, action] {
        action->setText(qt(entry.caption()));
        action->setEnabled(entry.enabled());
        action->setVisible(entry.visible());
    });
}

QAction* FormWindow::menuAction(const std::string& entryName) const {
    for (QAction* action : menuActions_)
        if (action->objectName().toStdString() == entryName) return action;
    return nullptr;
}

bool FormWindow::isMenuShortcut(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    for (const QAction* action : menuActions_)
        for (const QKeySequence& shortcut : action->shortcuts())
            if (!shortcut.isEmpty() && shortcut == pressed) return true;
    return false;
}

std::vector<tk::OptionButton*> FormWindow::usableOptions(const std::string& group) const {
    std::vector<tk::OptionButton*> options;
    for (tk::Control* control : form_.controls())
        if (auto* option = dynamic_cast<tk::OptionButton*>(control);
            option && option->group() == group && option->visible() && option->enabled())
            options.push_back(option);
    return options;
}

// A group of options is one tab stop: the chosen option, else the first.
void FormWindow::keepOneTabStop(const std::string& group) {
    const std::vector<tk::OptionButton*> options = usableOptions(group);
    const tk::OptionButton* stop = options.empty() ? nullptr : options.front();
    for (const tk::OptionButton* option : options)
        if (option->value()) stop = option;
    for (tk::Control* control : form_.controls())
        if (auto* option = dynamic_cast<tk::OptionButton*>(control);
            option && option->group() == group)
            if (QWidget* radio = widgetFor(option->name()))
                radio->setFocusPolicy(option == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

// The arrow keys choose the next or the previous option of the group.
bool FormWindow::chooseNeighbour(QObject* watched, int key) {
    const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
    if (!forward && key != Qt::Key_Up && key != Qt::Key_Left) return false;
    auto* option = dynamic_cast<tk::OptionButton*>(form_.find(watched->objectName().toStdString()));
    if (!option) return false;
    const std::vector<tk::OptionButton*> options = usableOptions(option->group());
    const auto at = std::find(options.begin(), options.end(), option);
    if (at == options.end()) return false;
    const auto count = static_cast<std::ptrdiff_t>(options.size());
    const auto index = (at - options.begin() + (forward ? 1 : count - 1)) % count;
    tk::OptionButton* next = options[static_cast<std::size_t>(index)];
    next->click();
    next->setFocus();
    return true;
}

// Menus open with Alt and their first letter; each button gets the first
// letter of its caption that no menu or earlier button of the window uses.
// The captions stay as they are, only underlined.
void FormWindow::assignAccessKeys() {
    QString used;
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        QString title = menu->title();
        if (!title.contains(QLatin1Char('&'))) title.prepend(QLatin1Char('&'));
        menu->setTitle(title);
        used += title.at(title.indexOf(QLatin1Char('&')) + 1).toLower();
    }
    for (tk::Control* control : form_.controls()) {
        auto* button = dynamic_cast<tk::Button*>(control);
        auto* push = button ? qobject_cast<QPushButton*>(widgetFor(button->name())) : nullptr;
        if (!push) continue;
        QString caption = QString::fromStdString(button->caption());
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        for (qsizetype i = 0; i < caption.size(); ++i) {
            const QChar c = caption.at(i).toLower();
            if (c < QLatin1Char('a') || c > QLatin1Char('z') || used.contains(c)) continue;
            used += c;
            accessKeys_ += c;
            caption.insert(i, QLatin1Char('&'));
            break;
        }
        push->setText(caption);
    }
}

// A menu shortcut pressed in a field belongs to the menu: the field neither
// claims it (Ctrl+U would erase a line edit, Ctrl+E move its cursor) nor sees
// the key when the entry is disabled.
bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool overrideAsked = event->type() == QEvent::ShortcutOverride;
    if ((overrideAsked || event->type() == QEvent::KeyPress) &&
        isMenuShortcut(*static_cast<QKeyEvent*>(event))) {
        if (overrideAsked) event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress &&
        handleOwnKeys(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::FocusOut)
        applyWhenLeft(watched, *static_cast<QFocusEvent*>(event));
    return QMainWindow::eventFilter(watched, event);
}

// Arrow keys among options, access keys, Entf and Einfg on a tree, and
// Enter in a field: a field that applies itself takes it, any other presses
// the step's button.
bool FormWindow::handleOwnKeys(QObject* watched, const QKeyEvent& key) {
    if (key.modifiers() == Qt::NoModifier && chooseNeighbour(watched, key.key())) return true;
    if (isButtonAccessKey(key) || pressOnTree(watched, key)) return true;
    if (!qobject_cast<QLineEdit*>(watched)) return false;
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
    if (applyOnEnter(watched)) return true;
    tk::Button* button = form_.defaultButton();
    if (!button || !button->usable()) return false;
    button->click();
    return true;
}

bool FormWindow::pressOnTree(QObject* watched, const QKeyEvent& key) {
    auto* tree = qobject_cast<QTreeWidget*>(watched)
                     ? dynamic_cast<tk::TreeView*>(form_.find(watched->objectName().toStdString()))
                     : nullptr;
    if (!tree || key.modifiers() != Qt::NoModifier) return false;
    if (key.key() != Qt::Key_Delete && key.key() != Qt::Key_Insert) return false;
    tree->press(key.key() == Qt::Key_Delete ? tk::TreeView::Key::Delete
                                            : tk::TreeView::Key::Insert);
    return true;
}

tk::TextField* FormWindow::selfApplyingField(QObject* watched) const {
    if (!qobject_cast<QLineEdit*>(watched)) return nullptr;
    auto* field = dynamic_cast<tk::TextField*>(form_.find(watched->objectName().toStdString()));
    return field && field->appliesItself() ? field : nullptr;
}

bool FormWindow::applyOnEnter(QObject* watched) {
    tk::TextField* field = selfApplyingField(watched);
    if (field) applyField(*field, static_cast<QLineEdit*>(watched));
    return field != nullptr;
}

// Only the user leaves a field: a message box opening, another window
// taking the keyboard or the program moving the focus applies nothing. The
// text is applied after the focus has moved, since a refusing handler shows
// a message box and puts the focus back.
void FormWindow::applyWhenLeft(QObject* watched, const QFocusEvent& event) {
    const Qt::FocusReason reason = event.reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
        reason != Qt::MouseFocusReason && reason != Qt::ShortcutFocusReason)
        return;
    tk::TextField* field = selfApplyingField(watched);
    if (!field) return;
    auto* edit = static_cast<QLineEdit*>(watched);
    QTimer::singleShot(0, edit, [this, field, edit] { applyField(*field, edit); });
}

void FormWindow::applyField(tk::TextField& field, QLineEdit* edit) {
    if (!form_.acceptsInput()) return;
    if (const std::string shown = edit->text().toStdString(); shown != field.text())
        field.userEdited(shown);
    field.apply();
}

// A button's access key reaches a field only when the button is hidden or
// disabled; the field must not type its letter.
bool FormWindow::isButtonAccessKey(const QKeyEvent& key) const {
    const auto modifiers = key.modifiers() & ~Qt::ShiftModifier;
    if (modifiers != Qt::AltModifier || key.key() < Qt::Key_A || key.key() > Qt::Key_Z)
        return false;
    return accessKeys_.contains(QChar(key.key()).toLower());  // Qt::Key_A is 'A'
}

QWidget* FormWindow::widgetFor(const std::string& controlName) const {
    auto it = widgets_.find(controlName);
    return it == widgets_.end() ? nullptr : it->second;
}

// A modal form is a dialog of the working window that called it: centred
// over it, without buttons or a taskbar entry of its own.
void FormWindow::becomeDialogOf(QWidget* owner) {
    if (!owner || owner == this) return;
    if (parentWidget() != owner)
        setParent(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const QSize size = isVisible() ? frameGeometry().size() : sizeHint();
    move(owner->frameGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
}

// A working window first appears in the middle of the screen.
void FormWindow::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = sizeHint();
        move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
    }
}

void FormWindow::formShown(bool modal) {
    if (modal && !isVisible()) becomeDialogOf(windows_.workingWindow());
    if (!modal && !shownBefore_) centreOnScreen();
    shownBefore_ = true;
    if (!isVisible()) setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
    show();
    raise();
    activateWindow();
    focusMoved();
}

// A dialog that closes gives the keyboard back to the window it belongs to.
void FormWindow::formHidden() {
    closingByProgram_ = true;
    hide();
    closingByProgram_ = false;
    windows_.modalFormLeft(form_);
    if (QWidget* owner = parentWidget(); owner && owner->isVisible()) {
        owner->activateWindow();
        if (auto* ownerWindow = dynamic_cast<FormWindow*>(owner)) ownerWindow->focusMoved();
    }
}

void FormWindow::formUnloaded() {
    for (QTimer* timer : timers_) timer->stop();
}

void FormWindow::focusMoved() {
    const tk::Control* focused = form_.focused();
    if (!focused) return;
    if (QWidget* widget = widgetFor(focused->name()); widget && !widget->hasFocus())
        widget->setFocus(Qt::OtherFocusReason);
}

void FormWindow::defaultButtonChanged() {
    const tk::Button* chosen = form_.defaultButton();
    for (tk::Control* control : form_.controls())
        if (auto* push = qobject_cast<QPushButton*>(widgetFor(control->name())))
            push->setDefault(chosen && chosen->name() == control->name());
}

void FormWindow::captionChanged() { setWindowTitle(qt(form_.caption())); }

void FormWindow::pointerChanged() {
    if (form_.mousePointer() == tk::MousePointer::Hourglass)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

// Esc in a modal dialog closes it like its title bar, unless its form
// takes the key for itself.
void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && form_.modal() && form_.acceptsInput()) {
        form_.userPressedEscape();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (closingByProgram_ || !form_.visible()) {
        event->accept();
        return;
    }
    event->ignore();
    form_.userClosed();
}

}  // namespace shell
