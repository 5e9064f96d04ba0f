#pragma once
// A screen busy with a long walk shows the hourglass (and, when asked, takes no input) until
// the work ends, whichever way it ends: the pointer and the enabled state are given back as
// they were, also when the work fails.
#include "platform/forms/form.h"

namespace tlm {

class BusyGuard {
public:
    enum Mode { HourglassOnly, HourglassAndDisabled };

    explicit BusyGuard(Form& form, Mode mode = HourglassOnly)
        : form_(form), pointer_(form.MousePointer()), enabled_(!form.testAttribute(Qt::WA_Disabled)),
          disable_(mode == HourglassAndDisabled)
    {
        form_.setMousePointer(11);
        if (disable_)
            form_.setEnabled(false);
    }
    ~BusyGuard()
    {
        form_.setMousePointer(pointer_);
        if (disable_)
            form_.setEnabled(enabled_);
    }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    Form& form_;
    int pointer_;
    bool enabled_;
    bool disable_;
};

} // namespace tlm
