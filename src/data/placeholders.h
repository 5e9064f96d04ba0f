#pragma once
// The stored words that stand for "no value", and the fixed list entries.
#include <QString>

namespace tlm::stored {

inline const QString None = QStringLiteral("None");
inline const QString Unknown = QStringLiteral("Unknown");
inline const QString NotSpecified = QStringLiteral("Not Specified");
inline const QString NoPhone3 = QStringLiteral("---");
inline const QString NoPhone4 = QStringLiteral("----");
inline const QString NoName = QStringLiteral("0");
inline const QString Checked = QStringLiteral("Checked");
inline const QString Unchecked = QStringLiteral("Unchecked");
inline const QString Yes = QStringLiteral("Yes");
inline const QString No = QStringLiteral("No");
inline const QString New = QStringLiteral("New");
inline const QString Used = QStringLiteral("Used");
inline const QString Indoor = QStringLiteral("Indoor");
inline const QString Outdoor = QStringLiteral("Outdoor");
inline const QString Mobile = QStringLiteral("Mobile");
inline const QString AddEditLocation = QStringLiteral("< Add/Edit Location >");
inline const QString AddEditCategory = QStringLiteral("< Add/Edit Category >");
inline const QString AddEditItem = QStringLiteral("< Add/Edit Item >");
inline const QString DatePrompt = QStringLiteral("mm/dd/yyyy");

} // namespace tlm::stored
