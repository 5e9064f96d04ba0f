#pragma once
// The look the four lookup-list editors share: a bold heading, numbered instructions, a box
// with its label, the buttons side by side and the F1 hint at the foot.
#include "platform/forms/controls.h"

#include <QBoxLayout>

namespace tlm::screens::editor {

// The editor's layout with `heading` on top.
QVBoxLayout* frame(QWidget* dialog, Label* heading);
Label* heading(QWidget* parent, const QString& caption);
Label* instruction(QWidget* parent, const QString& caption);
// A command button with its tool tip and the pressed-button highlight.
CommandButton* button(QWidget* parent, const QString& caption, const QString& tip);
// A box behind its label, indented under the instruction above; the box is named by the label.
QHBoxLayout* labelled(Label* label, QWidget* box);
// Cancel and the editor's action under the rest, then the F1 hint; fixes the editor's size.
Label* finish(QWidget* dialog, QVBoxLayout* layout, CommandButton* cancel, CommandButton* action);

} // namespace tlm::screens::editor
