#include "ui/screen_routines.h"

#include "app/program.h"
#include "data/placeholders.h"
#include "platform/recordset.h"
#include "ui/screen.h"

namespace tlm {

void highlight_Button(CommandButton* button) { button->setBackColor(colors::PressedButton); }

void restore_Button(CommandButton* button) { button->setBackColor(colors::ButtonFace); }

void wireHighlight(CommandButton* button)
{
    button->MouseDown = [button](int, int, int, int) { highlight_Button(button); };
    button->MouseUp = [button](int, int, int, int) { restore_Button(button); };
}

void wireHighlight(std::initializer_list<CommandButton*> buttons)
{
    for (CommandButton* b : buttons)
        wireHighlight(b);
}

void select_All_Text(TextBox* box) { box->select(0, int(box->Text().size())); }

void select_All_Text(ComboBox* box) { box->select(0, int(box->Text().size())); }

void select_All_Text(MemoBox* box) { box->select(0, int(box->Text().size())); }

void flag_Empty_Entry(TextBox* box)
{
    box->setBackColor(colors::ErrorHighlight);
    box->SetFocus();
    select_All_Text(box);
}

void flag_Empty_Entry(ComboBox* box)
{
    box->setBackColor(colors::ErrorHighlight);
    box->SetFocus();
    select_All_Text(box);
}

void clear_Entry_Flag(Control* box) { box->setBackColor(colors::White); }

void confirm_Close_Program(screens::Screen& screen, int& cancel)
{
    cancel = 1;
    if (screen.program.msgBox(QStringLiteral("Are You Sure You Want To Close Tallowmere?"), vbQuestionYesNo) == vbYes) {
        screen.program.startShutdown();
        screen.Hide();
    }
}

void cancel_On_Close(int& cancel, const std::function<void()>& cancelProcedure)
{
    cancel = 1;
    if (cancelProcedure)
        cancelProcedure();
}

void show_Hourglass(Form& form, bool busy) { form.setMousePointer(busy ? 11 : 0); }

void add_Unique(ComboBox* box, const QString& value)
{
    if (value == stored::NoName)
        return;
    const QString upper = value.toUpper();
    for (int i = 0; i < box->ListCount(); ++i)
        if (box->List(i).toUpper() == upper)
            return;
    box->AddItem(value);
}

void fill_Unique_List(ComboBox* box, Recordset& table, int field, const QString& filler, bool skipFillers)
{
    box->Clear();
    if (!filler.isEmpty())
        box->AddItem(filler);
    if (table.RecordCount() == 0)
        return;
    table.MoveFirst();
    while (!table.isEOF()) {
        const QString value = table.Fields(field).text();
        const bool isFiller = value == stored::AddEditLocation || value == stored::AddEditCategory
                              || value == stored::AddEditItem;
        if (!(skipFillers && isFiller))
            add_Unique(box, value);
        table.MoveNext();
    }
}

} // namespace tlm
