#pragma once
// The chooser of the lookup-list editors: add, change or delete an entry. This first version
// holds the entry protocol's members; the editors come with the lookup-list issue.
#include "ui/screen.h"

namespace tlm::screens {

class frmEditCmbBoxes : public Screen {
public:
    explicit frmEditCmbBoxes(Program& program);

    Label* lblHead;
    OptionArray optEdit;
    CommandButton* cmdCancel;
    CommandButton* cmdUpdate;
    int helpVal = 0;

    void load_Help();
};

} // namespace tlm::screens
