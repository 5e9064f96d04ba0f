// Every control a person uses on any screen can be found by a screen reader: it has a name, and
// its tool tip is its description. A list is heard by what it shows, and its label says what it
// is for (the "labelled by" relation), as Qt has it on Linux.
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

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLayout>
#include <gtest/gtest.h>
#include <set>

using namespace tlm;

namespace {

std::vector<std::pair<const char*, Form*>> everyScreen(Program& p)
{
    return {
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
}

QRect placeOn(const QWidget* form, const QWidget* w) { return {w->mapTo(form, QPoint(0, 0)), w->size()}; }

// A label names a box when it sits at the box's left on the same line or above it over its
// column, with no other control in between.
bool namesByPlace(const QWidget* form, const QWidget* label, const QWidget* box)
{
    const QRect l = placeOn(form, label);
    const QRect b = placeOn(form, box);
    QRect between;
    if (l.right() < b.left() && l.center().y() >= b.top() && l.center().y() <= b.bottom())
        between = QRect(QPoint(l.right() + 1, b.top()), QPoint(b.left() - 1, b.bottom()));
    else if (l.bottom() < b.top() && l.left() <= b.right() && b.left() <= l.right())
        between = QRect(QPoint(b.left(), l.bottom() + 1), QPoint(b.right(), b.top() - 1));
    else
        return false;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (w != box && dynamic_cast<Control*>(w) && !dynamic_cast<Label*>(w) && w->isVisibleTo(form)
            && placeOn(form, w).intersects(between))
            return false;
    }
    return true;
}

// Shows `text` in the list as a choice from it would, without running the screen's handlers.
void show(QComboBox* box, const QString& text)
{
    if (text.isEmpty()) {
        box->setCurrentIndex(-1);
        box->setEditText(text);
        return;
    }
    int at = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (at < 0 && !box->isEditable()) {
        box->addItem(text);
        at = box->count() - 1;
    }
    if (at >= 0)
        box->setCurrentIndex(at);
    else
        box->setEditText(text);
}

} // namespace

TEST(Accessibility, EveryControlOfEveryScreenIsNamedAndDescribedByItsToolTip)
{
    test::TestProgram t;
    t.openData();
    for (const auto& [name, form] : everyScreen(*t)) {
        for (QWidget* w : form->findChildren<QWidget*>()) {
            // A label is heard as it is shown: a name of its own could only be its text.
            if (auto* label = qobject_cast<QLabel*>(w); label && !dynamic_cast<PictureBox*>(w)) {
                if (!label->accessibleName().isEmpty()) {
                    EXPECT_EQ(label->accessibleName(), label->text().trimmed()) << name;
                }
                continue;
            }
            // Our controls, and any other widget shown on the screen (Qt's own, inside the
            // calendar and the report window) that can be pressed or takes the focus.
            const bool qtsOwn = w->window() == form && w->isVisibleTo(form)
                                && (qobject_cast<QAbstractButton*>(w)
                                    || ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy()));
            if (!dynamic_cast<Control*>(w) && !qtsOwn)
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(face, nullptr);
            const QString spoken = face->text(QAccessible::Name);
            // A list is named by what it shows, which may be nothing yet (see the test below).
            if (!dynamic_cast<ComboBox*>(w)) {
                EXPECT_FALSE(spoken.trimmed().isEmpty())
                    << name << ": a " << w->metaObject()->className() << " " << w->objectName().toStdString()
                    << " has no name";
            }
            if (!w->toolTip().isEmpty()) {
                EXPECT_EQ(face->text(QAccessible::Description).trimmed(), w->toolTip().trimmed())
                    << name << ": " << spoken.toStdString();
            }
        }
    }
}

TEST(Accessibility, EveryListOfEveryScreenIsHeardByWhatItShowsAndKnownByItsLabel)
{
    test::TestProgram t;
    t.openData();
    Program& p = *t;
    // The labor row's date lists sit under the same Month, Day and Year headings as the parts
    // row above them; a heading labels one list, so these go by names of their own.
    const std::set<const QWidget*> underSharedHeadings = {p.frmWar().cmbLMonth, p.frmWar().cmbLDay,
                                                          p.frmWar().cmbLYear};
    int lists = 0;
    for (const auto& [name, form] : everyScreen(p)) {
        // Laid out as it would show, so that each label's place can be seen.
        if (QLayout* layout = form->layout()) {
            layout->invalidate();
            layout->activate();
        }
        for (QComboBox* qbox : form->findChildren<QComboBox*>()) {
            auto* box = dynamic_cast<ComboBox*>(qbox);
            ASSERT_NE(box, nullptr) << name;
            ++lists;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
            ASSERT_NE(face, nullptr);
            const std::string where =
                std::string(name) + ", the list described as \"" + box->toolTip().trimmed().toStdString() + "\"";
            EXPECT_EQ(face->role(), QAccessible::ComboBox) << where;

            // Empty, a list is still heard by what it is for: its label, or its own name.
            show(box, QString());
            EXPECT_FALSE(face->text(QAccessible::Name).trimmed().isEmpty()) << where << ": nameless while empty";

            // Two different values in turn: the one shown is the one heard.
            const QString first = box->count() > 0 ? box->itemText(0) : QStringLiteral("Garage");
            const QString second = box->count() > 1 ? box->itemText(box->count() - 1) : QStringLiteral("Attic");
            for (const QString& value : {first, second}) {
                show(box, value);
                ASSERT_EQ(box->currentText(), value) << where;
                EXPECT_EQ(face->text(QAccessible::Name), value) << where;
            }

            EXPECT_FALSE(box->toolTip().trimmed().isEmpty()) << where;
            EXPECT_EQ(face->text(QAccessible::Description), box->toolTip().trimmed()) << where;

            const auto labels = face->relations(QAccessible::Label);
            if (labels.isEmpty()) {
                EXPECT_TRUE(underSharedHeadings.count(box)) << where << ": no label says what it is for";
                continue;
            }
            for (const auto& [label, relation] : labels) {
                const auto* shown = qobject_cast<const QLabel*>(label->object());
                ASSERT_NE(shown, nullptr) << where;
                EXPECT_TRUE(shown->isVisibleTo(form)) << where;
                EXPECT_FALSE(label->text(QAccessible::Name).trimmed().isEmpty()) << where;
                EXPECT_TRUE(namesByPlace(form, shown, box))
                    << where << ": labelled by \"" << label->text(QAccessible::Name).toStdString()
                    << "\", which does not sit next to it";
            }
        }
    }
    EXPECT_GT(lists, 0);
}
