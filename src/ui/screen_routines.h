#pragma once
// The conventions every screen shares: button highlight, select-all, the light-red error
// flag, the close questions, the hourglass and the distinct-entries list fill.
#include "platform/forms/controls.h"

#include <functional>

namespace tlm {
class Recordset;
namespace screens {
class Screen;
}

// Mouse-down paints the button light blue, mouse-up gives it back the button face.
void highlight_Button(CommandButton* button);
void restore_Button(CommandButton* button);
// Gives the button both handlers.
void wireHighlight(CommandButton* button);
void wireHighlight(std::initializer_list<CommandButton*> buttons);

// Selects the whole text, so typing replaces the entry.
void select_All_Text(TextBox* box);
void select_All_Text(ComboBox* box);
void select_All_Text(MemoBox* box);

// After the message that names a missing or wrong value: light red, focus, all selected.
void flag_Empty_Entry(TextBox* box);
void flag_Empty_Entry(ComboBox* box);
// White again once the value passes.
void clear_Entry_Flag(Control* box);

// The close request of a main screen: always cancelled; on Yes the shut-down begins and the
// screen hides itself.
void confirm_Close_Program(screens::Screen& screen, int& cancel);
// The close request of a dialog: always cancelled; the dialog's own cancel runs instead.
void cancel_On_Close(int& cancel, const std::function<void()>& cancelProcedure);

// The hourglass during a long walk through a table (11), then the default pointer (0).
void show_Hourglass(Form& form, bool busy);

// Fills `box` with the distinct names of one column of an area table, in table order, the
// first form met kept (compared upper-cased), "0" skipped. `filler` (when given) is put first;
// with `skipFillers` the editor entries of the lists are left out.
void fill_Unique_List(ComboBox* box, Recordset& table, int field, const QString& filler = QString(),
                      bool skipFillers = false);
// Appends `value` unless it is "0" or the list already holds it (upper-cased comparison).
void add_Unique(ComboBox* box, const QString& value);

} // namespace tlm
