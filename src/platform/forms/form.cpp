#include "platform/forms/form.h"

#include "platform/forms/controls.h"
#include "platform/msgbox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <algorithm>

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
        previous->Form_Deactivate();
    if (form && active_ == form)
        form->Form_Activate();
}

void FormManager::formShown(Form* form) { activate(form); }

void FormManager::formHidden(Form* form)
{
    visibleOrder_.erase(std::remove(visibleOrder_.begin(), visibleOrder_.end(), form), visibleOrder_.end());
    if (active_ != form)
        return;
    active_ = nullptr;
    form->Form_Deactivate();
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
    Form_Load();
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
    if (previous && previous->LostFocus)
        previous->LostFocus();
    // A LostFocus handler may have moved the focus elsewhere already.
    if (activeControl_ == control && control && control->GotFocus)
        control->GotFocus();
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
    int cancel = 0;
    Form_QueryUnload(cancel, 0);
    if (cancel == 0)
        Form_Unload(cancel);
    if (cancel == 0)
        Hide();
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
