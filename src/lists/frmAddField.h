#pragma once
// The add dialog of the lookup-list editors. This first version holds the entry protocol's
// members that the asset screen writes; the dialog comes with the lookup-list issue.
#include "ui/screen.h"

namespace tlm::screens {

class frmAddField : public Screen {
public:
    explicit frmAddField(Program& program);

    QString textLocTemp;
    QString textCatTemp;
};

} // namespace tlm::screens
