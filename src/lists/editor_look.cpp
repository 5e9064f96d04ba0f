#include "lists/editor_look.h"

#include "shell/shell_style.h"
#include "ui/screen_routines.h"

namespace tlm::screens::editor {

Label* heading(QWidget* parent, const QString& caption)
{
    auto* label = new Label(parent, caption);
    label->setFont(style::scaled(parent, 4, true));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

Label* instruction(QWidget* parent, const QString& caption)
{
    auto* label = new Label(parent, caption);
    label->setFont(style::scaled(parent, 1, true));
    return label;
}

CommandButton* button(QWidget* parent, const QString& caption, const QString& tip)
{
    auto* b = new CommandButton(parent, caption);
    b->setToolTipText(tip);
    b->setMinimumSize(110, 32);
    wireHighlight(b);
    return b;
}

QHBoxLayout* buttonRow(CommandButton* cancel, CommandButton* action)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    row->addStretch(1);
    row->addWidget(cancel);
    row->addWidget(action);
    row->addStretch(1);
    return row;
}

Label* helpHint(QWidget* parent)
{
    auto* label = new Label(parent, QStringLiteral("Press F1 For Help"));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace tlm::screens::editor
