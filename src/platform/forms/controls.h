#pragma once
// The controls the screens use, as thin Qt widgets that raise the platform's events:
// Change, GotFocus, LostFocus, KeyDown and KeyPress (whose code a handler may set to 0 to
// swallow the key), Click, DblClick, MouseDown and MouseUp.
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
    std::function<void(int button, int shift, int x, int y)> MouseDown;
    std::function<void(int button, int shift, int x, int y)> MouseUp;

    int HelpContextID = 0;
    int Index = 0; // place in a control array

    virtual QWidget* widget() = 0;
    const QWidget* widget() const { return const_cast<Control*>(this)->widget(); }
    Form* form() const;

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

    // Runs the key pipeline for one typed character as if it had been typed (used for paste).
    void typeCharacter(QChar ch);
    // Types a pasted or dropped text one character at a time.
    void pasteAsTyped(const QString& text);

protected:
    explicit Control(quint32 backColor) : backColor_(backColor) {}
    // The key pipeline shared by every control; returns true when the event was consumed.
    bool handleKey(QKeyEvent* event, const std::function<void(QKeyEvent*)>& base);
    void handleFocusIn(QFocusEvent* event);
    void handleMouse(QMouseEvent* event, bool press);
    // Text an input method commits is typed through KeyPress too; true when consumed.
    bool handleInputMethod(QInputMethodEvent* event);
    void fire(const std::function<void()>& handler)
    {
        if (handler)
            handler();
    }
    virtual bool acceptsText() const { return false; }
    // A pasted line break types Enter (13) instead of being dropped.
    virtual bool acceptsLineBreaks() const { return false; }
    // Controls whose Qt widget has no click of its own raise Click on a left-button release.
    virtual bool clicksOnRelease() const { return false; }
    // The X11 selection paste (middle button) typed through the key pipeline.
    void pasteSelection();
    virtual void applyBackColor();

    quint32 backColor_;
    std::function<void(QKeyEvent*)> baseKey_;
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
        fire(DblClick);
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

    QString Text() const { return text(); }
    void setText(const QString& text);
    int SelStart() const;
    int SelLength() const;
    QString SelText() const { return selectedText(); }
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
};

// A free-text box of several lines (descriptions, terms).
class MemoBox : public ControlWidget<QPlainTextEdit> {
public:
    explicit MemoBox(QWidget* parent = nullptr);
    QString Text() const { return toPlainText(); }
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
};

class ComboBox : public ControlWidget<QComboBox> {
public:
    // editable: text may be typed; otherwise the text is always one of the list's entries.
    explicit ComboBox(QWidget* parent = nullptr, bool editable = true);

    QString Text() const { return currentText(); }
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
    bool Locked() const { return locked_; }
    void setLocked(bool locked);

protected:
    bool acceptsText() const override { return isEditable() && !locked_; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectChosen();

    bool locked_ = false;
    bool programmatic_ = false;
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

class CheckBox : public ControlWidget<QCheckBox> {
public:
    explicit CheckBox(QWidget* parent = nullptr, const QString& caption = QString());
    int Value() const { return isChecked() ? 1 : 0; }
    // Setting a different value runs Click, as the platform does.
    void setValue(int value);
};

class OptionButton : public ControlWidget<QRadioButton> {
public:
    explicit OptionButton(QWidget* parent = nullptr, const QString& caption = QString());
    bool Value() const { return isChecked(); }
    // Selecting runs Click; the other options of the array are unselected.
    void setValue(bool value);
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
    QTimer timer_;
    int interval_ = 0;
};

// A control array addressed by index, as `txtInfo[3]`; indexes need not start at 0.
template <class T>
class ControlArray {
public:
    T* operator[](int index) const
    {
        for (T* c : items_)
            if (c->Index == index)
                return c;
        return nullptr;
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
