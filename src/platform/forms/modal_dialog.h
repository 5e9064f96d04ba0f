#pragma once
// A dialog shown modal over the screen that opened it, without a nested event loop. The opener
// lends the dialog itself, or the controls it chooses, which stay disabled until the dialog
// gives them back; the dialog's result reaches the opener through the callback the opener
// handed over. A dialog holds one of these and knows none of its openers.
//
//     // the dialog
//     ModalDialog<QString> modal_{*this};
//     void showFor(Form& opener, ModalDialog<QString>::OnResult onName, ModalSession::Lent lent = {})
//     {
//         modal_.open(opener, std::move(onName), std::move(lent));
//     }
//     void cmdOK_Click() { modal_.finish(txtName->Text()); }  // the opener's boxes get the name
//     void cmdCancel_Click() { modal_.giveBack(); }           // no answer
//
//     // an opener that lends two of its buttons (none named: the whole opener)
//     dialog.showFor(*this, [this](const QString& name) { txtName->setText(name); }, {cmdSave, cmdCancel});
#include "platform/forms/form.h"

#include <QPointer>
#include <functional>
#include <utility>
#include <vector>

namespace tlm {

class ModalSession {
public:
    // The opener's controls lent to the dialog; none named lends the whole opener.
    using Lent = std::vector<QWidget*>;

    explicit ModalSession(Form& dialog) : dialog_(dialog) {}

    // Disables what the opener lends, then shows the dialog application-modal, owned by the
    // opener's window and centred on it. `onGiveBack` runs once the opener has them back. With
    // `resumeAfter` named, the opener's focus then goes on to the control after it in tab
    // order, as Tab would take it: a disabled opener has lost its focus, and the platform would
    // give it back to the opener's first control.
    void open(Form& opener, Lent lent = {}, std::function<void()> onGiveBack = {}, QWidget* resumeAfter = nullptr);
    // Hides the dialog and gives the opener back what it lent, as it was; then runs the
    // opener's onGiveBack and moves its focus on. Does nothing while the dialog is not open, so
    // every way out of the dialog may call it.
    void giveBack() { close(nullptr); }
    bool isOpen() const { return open_; }

protected:
    // giveBack, with the dialog's answer handed over before the opener's focus moves on.
    void close(const std::function<void()>& answer);

private:
    struct Loan {
        QPointer<QWidget> widget;
        bool enabled;
    };
    Form& dialog_;
    bool open_ = false;
    std::vector<Loan> loans_;
    std::function<void()> onGiveBack_;
    QPointer<QWidget> resumeAfter_;
};

// A modal dialog with an answer for its opener.
template <class Result>
class ModalDialog : public ModalSession {
public:
    using OnResult = std::function<void(const Result&)>;

    explicit ModalDialog(Form& dialog) : ModalSession(dialog) {}

    void open(Form& opener, OnResult onResult, Lent lent = {}, std::function<void()> onGiveBack = {},
              QWidget* resumeAfter = nullptr)
    {
        ModalSession::open(opener, std::move(lent), std::move(onGiveBack), resumeAfter);
        onResult_ = std::move(onResult);
    }
    // The answer: the opener gets its controls back first, then the result.
    void finish(const Result& result)
    {
        if (!isOpen())
            return;
        const OnResult deliver = std::exchange(onResult_, nullptr);
        close([&] {
            if (deliver)
                deliver(result);
        });
    }
    // Leaves without an answer.
    void giveBack()
    {
        onResult_ = nullptr;
        ModalSession::giveBack();
    }

private:
    OnResult onResult_;
};

} // namespace tlm
