#pragma once
// How the search compares a stored field with what the user chose or typed: both upper-cased
// as Qt upper-cases (the program's UCase), and the key word as plain text, never a pattern:
// "%", "_", "*", "?", "[" and quotes stand for themselves.
#include <QString>
#include <QStringView>

namespace tlm::search {

// `upper` is already upper-cased. True when `text` upper-cased equals it.
bool equalsUpper(QStringView text, QStringView upper);
// `upper` is already upper-cased. True when it occurs anywhere in `text` upper-cased; an empty
// `upper` occurs in every text.
bool containsUpper(QStringView text, QStringView upper);

} // namespace tlm::search
