#include "lists/list_editor.h"

#include "assets/frmAddUpDel.h"
#include "ui/screen_routines.h"

namespace tlm::screens {

void ListEditor::Form_Unload(int& cancel)
{
    cancel_On_Close(cancel, [this] { cmdCancel_Click(); });
}

void ListEditor::return_To_Caller()
{
    modal_.giveBack();
    program.frmAddUpDel().Show();
}

} // namespace tlm::screens
