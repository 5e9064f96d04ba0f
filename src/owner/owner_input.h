#pragma once
// What the owner's screens share: the state list and its typing rule, the telephone key
// filter, and amounts shown in the currency format.
#include "platform/forms/controls.h"

#include <QStringList>

namespace tlm::screens {

// The two-letter codes of the states and the District of Columbia, as both state lists offer them.
const QStringList& stateCodes();

// Backspace empties the whole box; a letter starts a new code once two are there; nothing else
// is typed.
void state_KeyPress(ComboBox* box, int& keyAscii);

// Telephone parts take digits and Backspace only.
inline void digits_KeyPress(int& keyAscii)
{
    if (keyAscii != 8 && (keyAscii < '0' || keyAscii > '9'))
        keyAscii = 0;
}

// Every control of `screen` opens the screen's help topic.
void setHelpTopic(QWidget* screen, int topic);

// A stored amount in the currency format ($1,250.00); a text that is no amount as it is.
QString currencyShown(const QString& text);

} // namespace tlm::screens
