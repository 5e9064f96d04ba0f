#include "platform/forms/form.h"

#include "platform/forms/controls.h"
#include "platform/msgbox.h"
#include "platform/recordset.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <algorithm>
#include <utility>

namespace tlm {

// ---------------------------------------------------------------- FormManager

void FormManager::activate(Form* form)
{
    if (active_ == form)
        return;
    Form* previous = active_;
    active_ = form;
    if (form) {
        visibleOrder_.erase(std::remove(visibleOrder_.begin(), visibleOrder_.end(), form), visibleOrder_.end());
        visibleOrder_.push_back(form);
    }
    if (previous)
        runHandler([previous] { previous->Form_Deactivate(); });
    if (form && active_ == form)
        runHandler([form] { form->Form_Activate(); });
}

void FormManager::formShown(Form* form) { activate(form); }

void FormManager::formHidden(Form* form)
{
    visibleOrder_.erase(std::remove(visibleOrder_.begin(), visibleOrder_.end(), form), visibleOrder_.end());
    if (active_ != form)
        return;
    active_ = nullptr;
    runHandler([form] { form->Form_Deactivate(); });
    // The platform hands the activation to the program's most recent other visible window.
    for (auto it = visibleOrder_.rbegin(); it != visibleOrder_.rend(); ++it) {
        if ((*it)->isVisible()) {
            activate(*it);
            return;
        }
    }
}

void FormManager::formActivatedByWindow(Form* form)
{
    if (form->isVisible())
        activate(form);
}

void FormManager::forget(Form* form)
{
    visibleOrder_.erase(std::remove(visibleOrder_.begin(), visibleOrder_.end(), form), visibleOrder_.end());
    if (active_ == form)
        active_ = nullptr;
}

bool FormManager::runHandler(const std::function<void()>& handler)
{
    std::exception_ptr failure;
    ++depth_;
    try {
        handler();
    } catch (...) {
        failure = std::current_exception();
    }
    --depth_;
    if (depth_ > 0) {
        if (failure && !pending_)
            pending_ = failure;
        return !failure;
    }
    // The outermost handler: its own failure, or one an inner handler left that no code of
    // ours met on the way out.
    std::exception_ptr left = std::exchange(pending_, nullptr);
    if (failure || left)
        report(failure ? failure : left);
    return !failure;
}

void FormManager::rethrowPending()
{
    if (pending_)
        std::rethrow_exception(std::exchange(pending_, nullptr));
}

bool FormManager::callHandler(const std::function<void()>& handler)
{
    const bool finished = runHandler(handler);
    rethrowPending();
    return finished;
}

void FormManager::report(const std::exception_ptr& failure)
{
    QString what = QStringLiteral("Unknown error");
    int style = vbCritical;
    QString text;
    try {
        std::rethrow_exception(failure);
    } catch (const ReadOnlyError&) {
        // Expected on read-only data (the user was told at start-up): no run-time error.
        style = vbExclamation;
        text = QStringLiteral("This Change Could Not Be Saved Because Your Database Can Only Be Read...Nothing Was Changed!");
    } catch (const std::exception& error) {
        what = QString::fromUtf8(error.what());
    } catch (...) {
    }
    if (text.isEmpty())
        text = QStringLiteral("Run-time Error...%1").arg(what);
    if (!messages) {
        qCritical("%s", qUtf8Printable(text));
        return;
    }
    try {
        EventLoopScope loop(*this);
        messages->show(text, style, kTitle);
    } catch (...) {
        qCritical("%s", qUtf8Printable(text));
    }
}

FormManager::EventLoopScope::EventLoopScope(FormManager& manager)
    : manager_(manager), depth_(std::exchange(manager.depth_, 0)), pending_(std::exchange(manager.pending_, nullptr))
{
}

FormManager::EventLoopScope::~EventLoopScope()
{
    manager_.depth_ = depth_;
    manager_.pending_ = pending_;
}

FormManager& FormManager::detached()
{
    static FormManager manager;
    return manager;
}

// ---------------------------------------------------------------- Form

Form::Form(FormManager& manager, const QString& caption) : QWidget(nullptr), manager_(manager)
{
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Form::~Form() { manager_.forget(this); }

void Form::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    manager_.callHandler([this] { Form_Load(); });
}

void Form::Show()
{
    setVisible(true);
    manager_.rethrowPending();
}

void Form::Hide()
{
    setVisible(false);
    manager_.rethrowPending();
}

void Form::setVisible(bool visible)
{
    const bool was = isVisible();
    QWidget::setVisible(visible);
    if (visible)
        manager_.formShown(this);
    else if (was)
        manager_.formHidden(this);
}

void Form::setMousePointer(int pointer)
{
    mousePointer_ = pointer;
    if (pointer == 11)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void Form::controlFocused(Control* control)
{
    if (activeControl_ == control)
        return;
    Control* previous = activeControl_;
    activeControl_ = control;
    if (previous)
        previous->raiseEvent(&Control::LostFocus);
    // A LostFocus handler may have moved the focus elsewhere already.
    if (activeControl_ == control && control)
        control->raiseEvent(&Control::GotFocus);
}

bool Form::pressDefaultButton()
{
    if (!defaultButton_ || !defaultButton_->isEnabled() || defaultButton_->isHidden())
        return false;
    defaultButton_->pressWithoutFocus();
    return true;
}

void Form::showHelp(int contextId)
{
    if (manager_.help)
        manager_.help->showTopic(contextId);
}

bool Form::requestClose()
{
    // A close handler that fails keeps the screen, as a cancel would.
    int cancel = 0;
    if (!manager_.runHandler([this, &cancel] { Form_QueryUnload(cancel, 0); }))
        return false;
    if (cancel == 0 && !manager_.runHandler([this, &cancel] { Form_Unload(cancel); }))
        return false;
    if (cancel == 0)
        setVisible(false);
    return cancel == 0;
}

void Form::closeEvent(QCloseEvent* event)
{
    // Our own close handling decides; the window itself is only ever hidden.
    event->ignore();
    requestClose();
}

void Form::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && pressDefaultButton()) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        showHelp(activeControl_ ? activeControl_->HelpContextID : 0);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        manager_.formActivatedByWindow(this);
}

} // namespace tlm
