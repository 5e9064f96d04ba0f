#include "lists/editor_look.h"

#include "shell/shell_style.h"
#include "ui/screen_routines.h"

namespace tlm::screens::editor {

QVBoxLayout* frame(QWidget* dialog, Label* heading)
{
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(28, 18, 28, 12);
    layout->setSpacing(10);
    layout->addWidget(heading);
    layout->addSpacing(6);
    return layout;
}

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

QHBoxLayout* labelled(Label* label, QWidget* box)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(24, 0, 0, 0);
    row->setSpacing(8);
    // The buddy tells a screen reader what the box or list is for; a text box also takes the
    // label's words as its name, while a list is named by what it shows.
    label->setBuddy(box);
    label->setMinimumWidth(60);
    if (!qobject_cast<QComboBox*>(box))
        box->setAccessibleName(label->Caption());
    box->setMinimumWidth(260);
    row->addWidget(label);
    row->addWidget(box, 1);
    return row;
}

Label* finish(QWidget* dialog, QVBoxLayout* layout, CommandButton* cancel, CommandButton* action)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    row->addStretch(1);
    row->addWidget(cancel);
    row->addWidget(action);
    row->addStretch(1);
    layout->addSpacing(4);
    layout->addLayout(row);
    auto* hint = new Label(dialog, QStringLiteral("Press F1 For Help"));
    hint->setAlignment(Qt::AlignCenter);
    layout->addWidget(hint);
    dialog->setFixedSize(dialog->sizeHint().expandedTo(QSize(400, 0)));
    style::centerOnScreen(dialog);
    return hint;
}

} // namespace tlm::screens::editor
