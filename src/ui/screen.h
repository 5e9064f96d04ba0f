#pragma once
// The base of every screen: its window, the program it belongs to, and the shared data.
#include "app/program.h"
#include "data/data_environment.h"
#include "data/fields.h"
#include "data/placeholders.h"
#include "platform/conversions.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace tlm::screens {

class Screen : public Form {
public:
    explicit Screen(Program& program, const QString& caption = kFormCaption)
        : Form(program.forms(), caption), program(program), Data1(program.Data1())
    {
    }

    Program& program;
    DataEnvironment& Data1;

protected:
    int msgBox(const QString& text, int style, const QString& title = kTitle) { return program.msgBox(text, style, title); }
};

} // namespace tlm::screens
