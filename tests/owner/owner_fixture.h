#pragma once
// What the owner, insurance and account tests share: the screens opened as a person reaches
// them, and the stored rows read from the file past the program's own layer.
#include "shell/shell_test_support.h"
#include "support/store_test_support.h"
#include "support/test_program.h"

#include "owner/frmBank.h"
#include "owner/frmEditBankBoxes.h"
#include "owner/frmGenInfo.h"
#include "owner/frmInsInfo.h"
#include "shell/frmCalendar.h"
#include "shell/frmMain.h"

#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace tlm::test {

namespace pi = fld::PersonalInfo;

class OwnerTest : public ::testing::Test {
protected:
    // A later run started as the program starts: the main menu is up.
    void SetUp() override
    {
        laterRun(t);
        startUp(t);
        ASSERT_TRUE(t->frmMain().isVisible());
    }
    // Every message these screens show, with its style and the program's title.
    void TearDown() override
    {
        static const std::map<QString, int> styles = {
            {"Any Changes You Have Made Will Be Lost...Continue Anyway?", 36},
            {"Are You Sure You Want To Close Tallowmere?", 36},
            {"You Must Select A Future Policy Expiration Date Before Selecting This Option!", 48},
            {"Date Is Not A Future Date...Resetting The Notification Checkbox!", 48},
            {"Your Insurance Information Has Been Updated!", 64},
            {"Invalid Policy Expiration Date...Be Sure The Format Is mm/dd/yyyy (Example: 12/25/2005)", 48},
            {"Information Has Changed Regarding This Policy, All Changes Will Be Lost...Continue?", 36},
            {"Unable To Save Your Insurance Information...The Database Could Not Be Written!", 16},
            {"There Are No Accounts Available To Update!", 64},
            {"There Are No Accounts Available To Delete!", 64},
            {"Please Enter An Account Name For This Financial Institution!", 48},
            {"Please Enter An Account Number For This Financial Institution!", 48},
            {"An Account With The Account Number You Have Listed Is Already Available", 48},
            {"The Account Number Can Not Be Changed!", 48},
            {"All Changes To This Account Will Be Lost...Continue?", 52},
            {"Financial Account Has Not Been Saved...Continue?", 36},
            {"   Your New Account Has Been Added!", 64},
            {"          Account Has Been Updated!", 48},
            {"Deleting This Account Will Be Permanent...Continue?", 36},
            {"The Account Could Not Be Added...Your Financial Accounts Have Not Been Changed!", 16},
            {"The Account Could Not Be Updated...Your Financial Accounts Have Not Been Changed!", 16},
            {"The Account Could Not Be Deleted...Your Financial Accounts Have Not Been Changed!", 16},
        };
        for (const ShownBox& box : t.msgs->shown) {
            EXPECT_EQ(box.title, kTitle);
            const auto known = styles.find(box.text);
            if (known != styles.end()) {
                EXPECT_EQ(box.style, known->second) << box.text.toStdString();
            }
        }
        EXPECT_TRUE(t.msgs->allAnswered());
    }

    screens::frmGenInfo& owner() { return t->frmGenInfo(); }
    screens::frmInsInfo& insurance() { return t->frmInsInfo(); }
    screens::frmEditBankBoxes& chooser() { return t->frmEditBankBoxes(); }
    screens::frmBank& bank() { return t->frmBank(); }

    // The owner screen as the main menu's Personal button opens it.
    screens::frmGenInfo& openOwner()
    {
        t->frmMain().Show();
        t->frmMain().cmdPersonal->press();
        return owner();
    }
    // The insurance screen through the owner screen's button (which saves the owner first).
    screens::frmInsInfo& openInsurance()
    {
        if (!owner().isVisible())
            openOwner();
        owner().cmdInsInfo->press();
        return insurance();
    }

    void setStored(const std::map<int, QString>& fields)
    {
        Recordset& g = t->Data1().general();
        for (const auto& [field, value] : fields)
            g.setField(field, value);
        g.Update();
    }
    // One Personal_Info field as the file holds it.
    QString stored(int field)
    {
        RawDb db(t->Data1().file());
        return db.column(QStringLiteral("SELECT \"%1\" FROM Personal_Info").arg(layouts::PersonalInfo().columns[field]))
            .value(0, QStringLiteral("<no row>"));
    }
    // Every Bank_Info row as the file holds it: fields 1 to 12 joined by "|".
    QStringList storedAccounts()
    {
        QStringList columns;
        for (int f = fld::BankInfo::Institution; f < fld::BankInfo::Count; ++f)
            columns << QStringLiteral("\"%1\"").arg(layouts::BankInfo().columns[f]);
        RawDb db(t->Data1().file());
        return db.column(QStringLiteral("SELECT %1 FROM Bank_Info ORDER BY ID").arg(columns.join(QStringLiteral("||'|'||"))));
    }
    void addAccount(const QStringList& fields)
    {
        Recordset& rs = t->Data1().rsBank;
        rs.AddNew();
        for (int f = fld::BankInfo::Institution; f < fld::BankInfo::Count; ++f)
            rs.setField(f, fields.value(f - 1, stored::None));
        rs.Update();
    }

    // A click on the box or dot of a check box or option button.
    static void clickBox(QWidget* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }

    // The next box must show `text`, and is answered `answer`.
    void expectBox(int answer, const QString& text) { t.msgs->expect(answer, text); }

    TestProgram t;
};

} // namespace tlm::test
