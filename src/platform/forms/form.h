#pragma once
// A screen's window: loaded once, shown and hidden many times, never destroyed while the
// program runs. Activation follows the platform's meaning: a screen is activated when it
// becomes the program's active screen, not when a message box closes.
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace tlm {

class Control;
class CommandButton;
class Form;
class HelpService;

inline const QString kFormCaption = QStringLiteral(" Tallowmere by Brindlecote Software");

// Which screen is the program's active screen; one per program.
class FormManager {
public:
    HelpService* help = nullptr;
    Form* activeForm() const { return active_; }

    void formShown(Form* form);
    void formHidden(Form* form);
    void formActivatedByWindow(Form* form);
    void forget(Form* form);

private:
    void activate(Form* form);
    Form* active_ = nullptr;
    std::vector<Form*> visibleOrder_; // most recently active last
};

class Form : public QWidget {
public:
    explicit Form(FormManager& manager, const QString& caption = kFormCaption);
    ~Form() override;

    // Runs Form_Load once; the program calls it when the screen is first used.
    void load();
    bool isLoaded() const { return loaded_; }

    void Show() { setVisible(true); }
    void Hide() { setVisible(false); }
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
