#pragma once
// The look the four lookup-list editors share: a bold heading, numbered instructions, the
// buttons side by side and the F1 hint at the foot.
#include "platform/forms/controls.h"

#include <QHBoxLayout>

namespace tlm::screens::editor {

Label* heading(QWidget* parent, const QString& caption);
Label* instruction(QWidget* parent, const QString& caption);
// A command button with its tool tip and the pressed-button highlight.
CommandButton* button(QWidget* parent, const QString& caption, const QString& tip);
// Cancel on the left, the editor's own action on the right.
QHBoxLayout* buttonRow(CommandButton* cancel, CommandButton* action);
Label* helpHint(QWidget* parent);

} // namespace tlm::screens::editor
