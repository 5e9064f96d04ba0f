#pragma once
// The paged search results. This first version keeps the hand-over members of the other
// screens; the search and the pages come with the search issue.
#include "ui/screen.h"

namespace tlm::screens {

class frmSearchResults : public Screen {
public:
    explicit frmSearchResults(Program& program);

    bool message_flag = false;
    bool rec_found = false;
    qint64 adv_rec_count = 0;
    QString id_num;

    Label* lblHead;
    CommandButton* cmdMain;

    void load_From_Search_Screen();

protected:
    void Form_QueryUnload(int& cancel, int unloadMode) override;
};

} // namespace tlm::screens
