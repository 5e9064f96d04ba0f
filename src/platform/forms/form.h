#pragma once
// A screen's window: loaded once, shown and hidden many times, never destroyed while the
// program runs. Activation follows the platform's meaning: a screen is activated when it
// becomes the program's active screen, not when a message box closes.
#include <QString>
#include <QWidget>
#include <exception>
#include <functional>
#include <vector>

namespace tlm {

class Control;
class CommandButton;
class Form;
class HelpService;
class MessageBoxService;

inline const QString kFormCaption = QStringLiteral(" Tallowmere by Brindlecote Software");

// Which screen is the program's active screen, and the one place every event handler runs
// through; one per program.
class FormManager {
public:
    HelpService* help = nullptr;
    // Where a failure no handler caught is reported.
    MessageBoxService* messages = nullptr;

    // Runs an event handler. What the handler does not catch goes no further: raised with no
    // other handler running, it is reported ("Run-time Error..." and the error's text, style 16)
    // and the program goes on; raised inside another handler (a box's Change while a button's
    // Click sets its text), it is kept for that handler, which meets it at its next
    // rethrowPending. Never throws. False when the handler failed.
    bool runHandler(const std::function<void()>& handler);
    // Back in a handler's own code after a call that ran other handlers: their failure becomes
    // this handler's, as if it had called them directly.
    void rethrowPending();
    // A handler run from our own code rather than from Qt: runHandler, then rethrowPending.
    bool callHandler(const std::function<void()>& handler);

    // Held while a nested event loop runs (a message box): what runs in it belongs to no
    // handler that is waiting for the loop to end.
    class EventLoopScope {
    public:
        explicit EventLoopScope(FormManager& manager);
        ~EventLoopScope();
        EventLoopScope(const EventLoopScope&) = delete;
        EventLoopScope& operator=(const EventLoopScope&) = delete;

    private:
        FormManager& manager_;
        int depth_;
        std::exception_ptr pending_;
    };

    // The manager of controls that are on no screen.
    static FormManager& detached();

    Form* activeForm() const { return active_; }

    void formShown(Form* form);
    void formHidden(Form* form);
    void formActivatedByWindow(Form* form);
    void forget(Form* form);

private:
    void activate(Form* form);
    void report(const std::exception_ptr& failure);

    Form* active_ = nullptr;
    std::vector<Form*> visibleOrder_; // most recently active last
    int depth_ = 0;                   // handlers running, outermost first
    std::exception_ptr pending_;      // an inner handler's failure, for the handler around it
};

class Form : public QWidget {
public:
    explicit Form(FormManager& manager, const QString& caption = kFormCaption);
    ~Form() override;

    // Runs Form_Load once; the program calls it when the screen is first used.
    void load();
    bool isLoaded() const { return loaded_; }

    // Showing and hiding run the activation handlers; a failure of theirs reaches the handler
    // that called Show or Hide.
    void Show();
    void Hide();
    bool Visible() const { return isVisible(); }
    void setVisible(bool visible) override;
    bool Enabled() const { return isEnabled(); }

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer); // 0 default, 11 hourglass

    Control* ActiveControl() const { return activeControl_; }
    // The focus moved to `control` (by the user, by code, or by a button press).
    void controlFocused(Control* control);

    void setDefaultButton(CommandButton* button) { defaultButton_ = button; }
    CommandButton* defaultButton() const { return defaultButton_; }
    // Enter on the screen presses the default button without moving the focus.
    bool pressDefaultButton();

    void showHelp(int contextId);
    FormManager& manager() const { return manager_; }

    // Asks to close as the window's close box does; returns true when the screen agreed.
    bool requestClose();

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    // Set cancel to non-zero to keep the screen.
    virtual void Form_QueryUnload(int& /*cancel*/, int /*unloadMode*/) {}
    virtual void Form_Unload(int& /*cancel*/) {}

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class FormManager;
    FormManager& manager_;
    bool loaded_ = false;
    int mousePointer_ = 0;
    Control* activeControl_ = nullptr;
    CommandButton* defaultButton_ = nullptr;
};

} // namespace tlm
