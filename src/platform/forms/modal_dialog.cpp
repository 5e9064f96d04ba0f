#include "platform/forms/modal_dialog.h"

#include <QWindow>

namespace tlm {

void ModalSession::open(Form& opener, Lent lent, std::function<void()> onGiveBack)
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

void ModalSession::giveBack()
{
    if (!open_)
        return;
    open_ = false;
    const std::vector<Loan> loans = std::exchange(loans_, {});
    const std::function<void()> onGiveBack = std::exchange(onGiveBack_, nullptr);
    // Whatever the hiding runs, the opener gets its controls back.
    dialog_.setVisible(false);
    for (const Loan& loan : loans)
        if (loan.widget)
            loan.widget->setEnabled(loan.enabled);
    if (onGiveBack)
        onGiveBack();
    dialog_.manager().rethrowPending();
}

} // namespace tlm
