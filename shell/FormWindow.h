#pragma once
// A Qt window that mirrors a form model: one widget per control, named after
// the control, kept in step with the model both ways.
#include <QMainWindow>
#include <QRect>
#include <map>
#include <string>
#include <vector>

class QTimer;
class QLineEdit;
class QFocusEvent;

#include "toolkit/Form.h"

namespace shell {

class QtWindowSystem;

// A listing grows with the window: its right and bottom edges keep their
// distance from the window's edges. A column grows downwards only: its
// bottom edge keeps its distance, its width stays. Everything else keeps
// its place.
enum class Look { Plain, Heading, Listing, Fixed, Column };

struct Placement {
    QRect rect;
    Look look = Look::Plain;
};

struct FormLayout {
    QSize clientSize;
    std::map<std::string, Placement> controls;
};

// What does not fit between a form and its layout: a control without a
// place (menu entries and timers need none) or a place without a control.
// Empty when every control has a place and every place a control.
std::vector<std::string> layoutProblems(const tk::Form& form, const FormLayout& layout);

class FormWindow : public QMainWindow, public tk::FormListener {
public:
    FormWindow(tk::Form& form, QtWindowSystem& windows, const FormLayout& layout);
    ~FormWindow() override;

    tk::Form& form() const { return form_; }
    QWidget* widgetFor(const std::string& controlName) const;
    QAction* menuAction(const std::string& entryName) const;

    void formShown(bool modal) override;
    void formHidden() override;
    void formUnloaded() override;
    void focusMoved() override;
    void pointerChanged() override;
    void defaultButtonChanged() override;
    void captionChanged() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bind(tk::Control& control, const Placement& placement);
    QWidget* makeWidget(tk::Control& control);
    void bindMenu(tk::MenuEntry& entry);
    bool isMenuShortcut(const QKeyEvent& key) const;
    bool handleOwnKeys(QObject* watched, const QKeyEvent& key);
    bool pressOnTree(QObject* watched, const QKeyEvent& key);
    bool applyOnEnter(QObject* watched);
    void applyWhenLeft(QObject* watched, const QFocusEvent& event);
    tk::TextField* selfApplyingField(QObject* watched) const;
    void applyField(tk::TextField& field, QLineEdit* edit);
    void becomeDialogOf(QWidget* owner);
    void centreOnScreen();
    void assignAccessKeys();
    bool isButtonAccessKey(const QKeyEvent& key) const;
    std::vector<tk::OptionButton*> usableOptions(const std::string& group) const;
    void keepOneTabStop(const std::string& group);
    bool chooseNeighbour(QObject* watched, int key);

    tk::Form& form_;
    QtWindowSystem& windows_;
    std::map<std::string, QWidget*> widgets_;
    std::vector<QTimer*> timers_;
    std::vector<QAction*> menuActions_;
    QString accessKeys_;  // the buttons' letters
    bool closingByProgram_ = false;
    bool shownBefore_ = false;
};

}  // namespace shell
