#pragma once
// The controls the screens use, as thin Qt widgets that raise the platform's events:
// Change, GotFocus, LostFocus, KeyDown and KeyPress (whose code a handler may set to 0 to
// swallow the key), KeyUp, Click, DblClick, MouseDown and MouseUp.
#include "platform/forms/colors.h"
#include "platform/forms/form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class QKeyEvent;
class QMouseEvent;
class QFocusEvent;
class QInputMethodEvent;

namespace tlm {

// Key codes as the platform numbers them (KeyDown).
namespace vbKey {
constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Escape = 27, Space = 32;
constexpr int PageUp = 33, PageDown = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39, Down = 40;
constexpr int Delete = 46, F1 = 112;
} // namespace vbKey

// Converts a Qt key event to the platform's key code (KeyDown) and character code (KeyPress).
int vbKeyCode(const QKeyEvent* event);
int vbKeyAscii(const QKeyEvent* event);

class Control {
public:
    virtual ~Control();

    std::function<void()> Change;
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void(int& keyCode, int shift)> KeyDown;
    std::function<void(int& keyAscii)> KeyPress;
    // A key released on the control, after the control has taken it (a check box is ticked by
    // then); held keys raise it once.
    std::function<void(int keyCode, int shift)> KeyUp;
    std::function<void(int button, int shift, int x, int y)> MouseDown;
    std::function<void(int button, int shift, int x, int y)> MouseUp;

    int HelpContextID = 0;
    int Index = 0; // place in a control array

    virtual QWidget* widget() = 0;
    const QWidget* widget() const { return const_cast<Control*>(this)->widget(); }
    Form* form() const;
    // The manager whose runHandler this control's handlers run through.
    FormManager& events() const;

    // Raises one of the control's events as the platform does, through the one place every
    // handler runs (FormManager::runHandler): what the handler does not catch is reported and
    // goes no further. False when the handler failed. For example box->raiseEvent(&Control::Change)
    // or box->raiseEvent(&Control::KeyPress, keyAscii).
    template <class Event, class... Args>
    bool raiseEvent(Event Control::*event, Args&&... args)
    {
        // A copy: the handler may replace itself while it runs.
        const Event handler = this->*event;
        if (!handler)
            return true;
        return events().runHandler([&] { handler(std::forward<Args>(args)...); });
    }

    void SetFocus();
    bool Enabled() const { return widget()->isEnabled(); }
    void setEnabled(bool enabled) { widget()->setEnabled(enabled); }
    // Whether the control is set visible (also while its screen is hidden).
    bool Visible() const { return !widget()->isHidden(); }
    void setVisible(bool visible) { widget()->setVisible(visible); }
    QString ToolTipText() const { return widget()->toolTip(); }
    void setToolTipText(const QString& tip);
    quint32 BackColor() const { return backColor_; }
    void setBackColor(quint32 color);

    // Types one character through the key filter, as a one-character paste.
    void typeCharacter(QChar ch);
    // A pasted or dropped text: every character goes through KeyPress as if typed, but the box
    // changes once, with one Change, one undo step and one accessibility notice. While the
    // characters run, Text(), SelStart(), SelLength() and the text and selection setters work
    // on the text as the filter has left it so far.
    void pasteAsTyped(const QString& text);

protected:
    explicit Control(quint32 backColor) : backColor_(backColor) {}

    // Raises an event from our own code: a failure inside another handler reaches that
    // handler at once.
    template <class Event, class... Args>
    void raiseEventFromCode(Event Control::*event, Args&&... args)
    {
        raiseEvent(event, std::forward<Args>(args)...);
        events().rethrowPending();
    }

    // The key pipeline shared by every control; returns true when the event was consumed.
    bool handleKey(QKeyEvent* event, const std::function<void(QKeyEvent*)>& base);
    void handleKeyUp(QKeyEvent* event);
    void handleFocusIn(QFocusEvent* event);
    void handleMouse(QMouseEvent* event, bool press);
    // Text an input method commits is typed through KeyPress too; true when consumed.
    bool handleInputMethod(QInputMethodEvent* event);
    virtual bool acceptsText() const { return false; }
    // A pasted line break types Enter (13) instead of being dropped.
    virtual bool acceptsLineBreaks() const { return false; }
    // Controls whose Qt widget has no click of its own raise Click on a left-button release.
    virtual bool clicksOnRelease() const { return false; }
    // The X11 selection paste (middle button) typed through the key pipeline.
    void pasteSelection();
    virtual void applyBackColor();

    // The text and selection of a box while a paste runs through its key filter.
    struct PendingEdit {
        QString text;
        int start = 0;
        int length = 0;
        int maxLength = 0;
    };
    std::optional<PendingEdit> pending_;

    // What a paste needs of a box's widget: its text and selection, and one edit that replaces
    // `count` characters at `from` (one undo step, one Change).
    virtual QString widgetText() const { return {}; }
    virtual int widgetSelStart() const { return 0; }
    virtual int widgetSelLength() const { return 0; }
    virtual int widgetMaxLength() const { return std::numeric_limits<int>::max(); }
    virtual void replaceInWidget(int /*from*/, int /*count*/, const QString& /*text*/) {}
    virtual void selectInWidget(int /*start*/, int /*length*/) {}
    // After each character the filter let through while a paste runs; false stops the paste.
    virtual bool pastedCharacter() { return true; }

    // The selection setters of the boxes, on the pending text while a paste runs.
    void setPendingText(const QString& text);
    void selectPending(int start, int length);

    quint32 backColor_;

private:
    void typePending(int keyAscii);
    void applyPending(const PendingEdit& edit);
};

// Wires a Qt widget's events to the Control's.
template <class Base>
class ControlWidget : public Base, public Control {
public:
    explicit ControlWidget(QWidget* parent, quint32 backColor) : Base(parent), Control(backColor) {}
    QWidget* widget() override { return this; }
    using Base::setEnabled;
    using Base::setVisible;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        handleKey(event, [this](QKeyEvent* e) { Base::keyPressEvent(e); });
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        Base::keyReleaseEvent(event);
        handleKeyUp(event);
    }
    void focusInEvent(QFocusEvent* event) override
    {
        Base::focusInEvent(event);
        handleFocusIn(event);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        handleMouse(event, true);
        Base::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        Base::mouseReleaseEvent(event);
        handleMouse(event, false);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        Base::mouseDoubleClickEvent(event);
        raiseEvent(&Control::DblClick);
    }
    void inputMethodEvent(QInputMethodEvent* event) override
    {
        if (!handleInputMethod(event))
            Base::inputMethodEvent(event);
    }
};

class TextBox : public ControlWidget<QLineEdit> {
public:
    explicit TextBox(QWidget* parent = nullptr);

    QString Text() const { return pending_ ? pending_->text : text(); }
    void setText(const QString& text);
    int SelStart() const;
    int SelLength() const;
    QString SelText() const { return Text().mid(SelStart(), SelLength()); }
    void setSelStart(int start);
    void setSelLength(int length);
    void select(int start, int length);
    bool Locked() const { return isReadOnly(); }
    void setLocked(bool locked) { setReadOnly(locked); }
    void setMaxLength(int length) { QLineEdit::setMaxLength(length); }

protected:
    bool acceptsText() const override { return !isReadOnly(); }
    bool clicksOnRelease() const override { return true; }
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    QString widgetText() const override { return text(); }
    int widgetSelStart() const override;
    int widgetSelLength() const override;
    int widgetMaxLength() const override { return maxLength(); }
    void replaceInWidget(int from, int count, const QString& text) override;
    void selectInWidget(int start, int length) override;
};

// A free-text box of several lines (descriptions, terms).
class MemoBox : public ControlWidget<QPlainTextEdit> {
public:
    explicit MemoBox(QWidget* parent = nullptr);
    QString Text() const { return pending_ ? pending_->text : toPlainText(); }
    void setText(const QString& text);
    int SelStart() const;
    int SelLength() const;
    void select(int start, int length);
    bool Locked() const { return isReadOnly(); }
    void setLocked(bool locked) { setReadOnly(locked); }

protected:
    bool acceptsText() const override { return !isReadOnly(); }
    bool acceptsLineBreaks() const override { return true; }
    bool clicksOnRelease() const override { return true; }
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;

    QString widgetText() const override { return toPlainText(); }
    int widgetSelStart() const override;
    int widgetSelLength() const override;
    void replaceInWidget(int from, int count, const QString& text) override;
    void selectInWidget(int start, int length) override;
};

class ComboBox : public ControlWidget<QComboBox> {
public:
    // editable: text may be typed; otherwise the text is always one of the list's entries.
    explicit ComboBox(QWidget* parent = nullptr, bool editable = true);

    QString Text() const { return pending_ ? pending_->text : currentText(); }
    void setText(const QString& text);
    void AddItem(const QString& item);
    void AddItem(const QString& item, int index);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const { return count(); }
    QString List(int index) const { return itemText(index); }
    QStringList items() const;
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int index);
    // The user chooses an entry of the list (mouse or keyboard): Click runs.
    void choose(int index);
    void choose(const QString& item);
    int SelStart() const;
    int SelLength() const;
    void select(int start, int length);
    // A locked list takes no typing, and neither keys nor the wheel step through its entries;
    // opening its list (click, F4, Alt+Down) unlocks it.
    bool Locked() const { return locked_; }
    void setLocked(bool locked);
    // Its text comes from its list (or from code) only: nothing is typed, pasted or cut, while
    // the keys still step through the entries.
    bool ChosenOnly() const { return chosenOnly_; }
    void setChosenOnly(bool chosenOnly);
    // A sorted box keeps its entries in alphabetical order (letter case aside) whatever order
    // they are added in.
    bool Sorted() const { return sorted_; }
    void setSorted(bool sorted) { sorted_ = sorted; }

    // The list opens.
    std::function<void()> DropDown;
    void showPopup() override;

protected:
    bool acceptsText() const override { return isEditable() && !locked_ && !chosenOnly_; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

    QString widgetText() const override { return currentText(); }
    int widgetSelStart() const override;
    int widgetSelLength() const override;
    int widgetMaxLength() const override;
    void replaceInWidget(int from, int count, const QString& text) override;
    void selectInWidget(int start, int length) override;

private:
    void selectChosen();
    void boxKeyPress(QKeyEvent* event);

    bool locked_ = false;
    bool chosenOnly_ = false;
    bool programmatic_ = false;
    bool sorted_ = false;
};

class ListBox : public ControlWidget<QListWidget> {
public:
    explicit ListBox(QWidget* parent = nullptr);
    void AddItem(const QString& item);
    void Clear() { clear(); }
    int ListCount() const { return count(); }
    QString List(int index) const;
    int ListIndex() const { return currentRow(); }
    void setListIndex(int index);
    QString Text() const;
};

class Label : public ControlWidget<QLabel> {
public:
    explicit Label(QWidget* parent = nullptr, const QString& caption = QString());
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

protected:
    bool clicksOnRelease() const override { return true; }

private:
    QString caption_;
};

class CommandButton : public ControlWidget<QPushButton> {
public:
    explicit CommandButton(QWidget* parent = nullptr, const QString& caption = QString());
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    // A click as the user makes it: the focus moves to the button first, then Click runs.
    void press();
    // Click without moving the focus (the default button pressed with Enter).
    void pressWithoutFocus();
    bool Default() const;
    void setDefault(bool isDefault);
};

// A check box or option button changed by the user runs Click once, whatever the input: the
// mouse, the keyboard, or an accessibility toggle (which changes the state without a click).
class CheckBox : public ControlWidget<QCheckBox> {
public:
    explicit CheckBox(QWidget* parent = nullptr, const QString& caption = QString());
    int Value() const { return isChecked() ? 1 : 0; }
    // Setting a different value runs Click, as the platform does.
    void setValue(int value);

protected:
    void nextCheckState() override;

private:
    bool clicking_ = false; // a click changes the state; its clicked signal runs Click
};

class OptionButton : public ControlWidget<QRadioButton> {
public:
    explicit OptionButton(QWidget* parent = nullptr, const QString& caption = QString());
    bool Value() const { return isChecked(); }
    // Selecting runs Click; the other options of the array are unselected.
    void setValue(bool value);

protected:
    void nextCheckState() override;

private:
    bool clicking_ = false;
};

// An option button array: one selected at most, and none after clearAll().
class OptionArray {
public:
    OptionButton* operator[](int index) const { return buttons_.at(index); }
    int size() const { return int(buttons_.size()); }
    void add(OptionButton* button);
    void clearAll();
    int selected() const; // -1 when none

private:
    std::vector<OptionButton*> buttons_;
    QButtonGroup* group_ = nullptr;
};

class PictureBox : public ControlWidget<QLabel> {
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture);

protected:
    bool clicksOnRelease() const override { return true; }
};

class ProgressBar : public ControlWidget<QProgressBar> {
public:
    explicit ProgressBar(QWidget* parent = nullptr);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }
    void setMin(int v);
    void setMax(int v);
    void setValue(int v);

private:
    void apply();
    int min_ = 0, max_ = 100, value_ = 0;
};

class Shape : public ControlWidget<QFrame> {
public:
    explicit Shape(QWidget* parent = nullptr);
};

// A timer with the platform's properties; Timer runs on each tick.
class Timer : public QObject {
public:
    explicit Timer(QObject* parent = nullptr, int interval = 0, bool enabled = false);
    bool Enabled() const { return timer_.isActive(); }
    void setEnabled(bool enabled);
    int Interval() const { return interval_; }
    void setInterval(int ms);
    std::function<void()> onTimer;

private:
    FormManager& events() const;

    QTimer timer_{this}; // a child, so a test can make it tick
    int interval_ = 0;
};

// A control array addressed by index, as `txtInfo[3]`; indexes need not start at 0.
template <class T>
class ControlArray {
public:
    // An index the array does not hold is a fault of the caller: it throws, never hands back
    // a null control.
    T* operator[](int index) const
    {
        for (T* c : items_)
            if (c->Index == index)
                return c;
        throw std::out_of_range("Control array element " + std::to_string(index) + " does not exist");
    }
    void add(T* control, int index)
    {
        control->Index = index;
        items_.push_back(control);
    }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    int size() const { return int(items_.size()); }

private:
    std::vector<T*> items_;
};

} // namespace tlm
