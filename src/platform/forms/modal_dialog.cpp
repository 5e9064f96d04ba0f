#include "platform/forms/modal_dialog.h"

#include "platform/forms/controls.h"

#include <QWindow>

namespace tlm {

namespace {

// Where Tab goes from `control`: the next control in its window's tab order that takes the focus
// by Tab, shown and enabled. The move is the program's, so the forms' focus events follow it.
void focusAfter(QWidget& control)
{
    QWidget* window = control.window();
    for (QWidget* w = control.nextInFocusChain(); w && w != &control; w = w->nextInFocusChain()) {
        if (w->window() != window || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !w->isEnabled()
            || !w->isVisibleTo(window))
            continue;
        if (auto* c = dynamic_cast<Control*>(w))
            c->SetFocus();
        else
            w->setFocus(Qt::TabFocusReason);
        return;
    }
}

} // namespace

void ModalSession::open(Form& opener, Lent lent, std::function<void()> onGiveBack, QWidget* resumeAfter)
{
    // A dialog opened again while up first gives the earlier opener its controls back.
    giveBack();
    QWidget* owner = opener.window();
    if (lent.empty())
        lent.push_back(owner);
    for (QWidget* w : lent) {
        loans_.push_back({w, !w->testAttribute(Qt::WA_Disabled)});
        w->setEnabled(false);
    }
    onGiveBack_ = std::move(onGiveBack);
    resumeAfter_ = resumeAfter;
    open_ = true;

    const QRect o = owner->frameGeometry();
    if (owner->isVisible() && o.isValid())
        dialog_.move(o.center() - QPoint(dialog_.width() / 2, dialog_.height() / 2));
    dialog_.setWindowModality(Qt::ApplicationModal);
    // Owned by the opener for the window manager only: the program keeps the dialog alive.
    dialog_.winId();
    if (QWindow* handle = dialog_.windowHandle())
        handle->setTransientParent(owner->windowHandle());
    dialog_.Show();
    dialog_.activateWindow();
}

void ModalSession::close(const std::function<void()>& answer)
{
    if (!open_)
        return;
    open_ = false;
    const std::vector<Loan> loans = std::exchange(loans_, {});
    const std::function<void()> onGiveBack = std::exchange(onGiveBack_, nullptr);
    const QPointer<QWidget> resumeAfter = std::exchange(resumeAfter_, nullptr);
    // Whatever the hiding runs, the opener gets its controls back.
    dialog_.setVisible(false);
    for (const Loan& loan : loans)
        if (loan.widget)
            loan.widget->setEnabled(loan.enabled);
    if (onGiveBack)
        onGiveBack();
    if (answer)
        answer();
    if (resumeAfter)
        focusAfter(*resumeAfter);
    dialog_.manager().rethrowPending();
}

} // namespace tlm
