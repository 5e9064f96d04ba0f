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
    int lastStyle() const { return t.msgs->shown.empty() ? 0 : t.msgs->shown.back().style; }

    TestProgram t;
};

} // namespace tlm::test
