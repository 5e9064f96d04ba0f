#pragma once
// The one input behaviour of every box that holds a dollar amount: a "$" in front, only
// amount keys, one point, two decimals; leaving the box completes the amount.
#include "platform/forms/controls.h"

namespace tlm {

class CurrencyAmountBox : public TextBox {
public:
    enum class Variant {
        Plain,    // purchase price, warranty amounts
        Coverage, // the policy coverage: its placeholder is emptied on focus
        Balance,  // the account balance: a whole selection is emptied before the point test
    };

    explicit CurrencyAmountBox(QWidget* parent = nullptr, Variant variant = Variant::Plain);

    // The four handlers; each screen's own handlers may run after them.
    void onChange();
    void onGotFocus();
    void onKeyPress(int& keyAscii);
    void onLostFocus();

    // Extra handlers of the owning screen, run after the filter's own.
    std::function<void()> afterChange, afterGotFocus, afterLostFocus;

protected:
    // A paste changes the box once, but the "$" goes in front as the first character comes,
    // as it does when the amount is typed.
    bool pastedCharacter() override;

private:
    Variant variant_;
};

} // namespace tlm
