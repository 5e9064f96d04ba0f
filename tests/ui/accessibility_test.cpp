// Every control a person uses on any screen can be found by a screen reader: it has a name, and
// its tool tip is its description.
#include "support/test_program.h"

#include "assets/frmAddUpDel.h"
#include "assets/frmAuto.h"
#include "assets/frmWar.h"
#include "lists/frmAddField.h"
#include "lists/frmDelField.h"
#include "lists/frmEditCmbBoxes.h"
#include "lists/frmUpdate.h"
#include "owner/frmBank.h"
#include "owner/frmEditBankBoxes.h"
#include "owner/frmGenInfo.h"
#include "owner/frmInsInfo.h"
#include "search/AssetReport.h"
#include "search/CoverSheet.h"
#include "search/FillOutForm.h"
#include "search/frmPrint.h"
#include "search/frmSearch.h"
#include "search/frmSearchResults.h"
#include "shell/frmCalendar.h"
#include "shell/frmIntroduction.h"
#include "shell/frmKeyboard.h"
#include "shell/frmMain.h"
#include "shell/frmTotals.h"

#include <QAccessible>
#include <gtest/gtest.h>

using namespace tlm;

TEST(Accessibility, EveryControlOfEveryScreenIsNamedAndDescribedByItsToolTip)
{
    test::TestProgram t;
    t.openData();
    Program& p = *t;
    const std::vector<std::pair<const char*, Form*>> screens = {
        {"frmMain", &p.frmMain()},           {"frmTotals", &p.frmTotals()},
        {"frmIntroduction", &p.frmIntroduction()}, {"frmKeyboard", &p.frmKeyboard()},
        {"frmCalendar", &p.frmCalendar()},   {"frmAuto", &p.frmAuto()},
        {"frmAddUpDel", &p.frmAddUpDel()},   {"frmWar", &p.frmWar()},
        {"frmSearch", &p.frmSearch()},       {"frmSearchResults", &p.frmSearchResults()},
        {"frmPrint", &p.frmPrint()},         {"AssetReport", &p.AssetReport()},
        {"CoverSheet", &p.CoverSheet()},     {"FillOutForm", &p.FillOutForm()},
        {"frmEditCmbBoxes", &p.frmEditCmbBoxes()}, {"frmAddField", &p.frmAddField()},
        {"frmUpdate", &p.frmUpdate()},       {"frmDelField", &p.frmDelField()},
        {"frmGenInfo", &p.frmGenInfo()},     {"frmInsInfo", &p.frmInsInfo()},
        {"frmEditBankBoxes", &p.frmEditBankBoxes()}, {"frmBank", &p.frmBank()},
    };
    for (const auto& [name, form] : screens) {
        for (QWidget* w : form->findChildren<QWidget*>()) {
            // Labels are read as the text they show.
            if (!dynamic_cast<Control*>(w) || dynamic_cast<Label*>(w))
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(face, nullptr);
            const QString spoken = face->text(QAccessible::Name);
            EXPECT_FALSE(spoken.trimmed().isEmpty()) << name << ": a " << w->metaObject()->className() << " has no name";
            if (!w->toolTip().isEmpty())
                EXPECT_EQ(w->accessibleDescription(), w->toolTip().trimmed()) << name << ": " << spoken.toStdString();
        }
    }
}
