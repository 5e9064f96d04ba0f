#pragma once
// A program over its own folder with assets written straight into the store, the search
// reached from the main menu, and what the results screen shows.
#include "assets/frmAddUpDel.h"
#include "assets/frmAuto.h"
#include "data/find_asset.h"
#include "search/frmPrint.h"
#include "search/frmSearch.h"
#include "search/frmSearchResults.h"
#include "shell/frmMain.h"
#include "support/test_program.h"

#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace tlm::test {

namespace Inv = fld::Inventory;

class SearchTest : public ::testing::Test {
protected:
    TestProgram t;

    void SetUp() override { t.openData(); }
    void TearDown() override { EXPECT_TRUE(t.msgs->allAnswered()) << "a message that was expected was not shown"; }

    DataEnvironment& data() { return t->Data1(); }
    screens::frmSearch& search() { return t->frmSearch(); }
    screens::frmSearchResults& results() { return t->frmSearchResults(); }
    screens::frmAddUpDel& asset() { return t->frmAddUpDel(); }

    // An asset as an earlier run left it; `fields` overrides the defaults by ordinal.
    qint64 addAsset(std::map<int, QString> fields = {})
    {
        Recordset& inv = data().rsInventory;
        inv.AddNew();
        const QString defaults[] = {"Indoor", "Kitchen", "Appliances", "Refrigerator", "2001", "Acme", "M-1",
                                    "SN-9", "4/2/2003", "$100.00", "Yes", "Pantry", "Stainless", "Used"};
        for (int f = Inv::Area; f < Inv::Count; ++f)
            inv.setField(f, fields.count(f) ? fields[f] : f <= Inv::NewUsed ? defaults[f - 1] : stored::None);
        inv.Update();
        return inv.Fields(Inv::AssetNumber).toInteger();
    }

    void openFromMainMenu()
    {
        t->frmMain().Show();
        t->frmMain().cmdSearch->press();
    }
    void removeFromStore(qint64 number)
    {
        ASSERT_TRUE(findAsset(data().rsInventory, number));
        data().rsInventory.Delete();
    }
    void runSearch(const QString& key = QString())
    {
        search().txtKey->setText(key);
        search().cmdContinue->press();
    }

    // The shown rows, "number|area|location|asset|year|make|model #asset number" each, or
    // only the column `column` (0 number ... 6 model, 7 asset number).
    QStringList shownRows(int column = -1)
    {
        auto& r = results();
        QStringList rows;
        for (int i = 0; i < screens::frmSearchResults::kRows; ++i) {
            if (!r.txtMore[i]->Visible())
                continue;
            QStringList cells;
            for (auto* c : {&r.txtItem, &r.txtArea, &r.txtLocation, &r.txtType, &r.txtYear, &r.txtMake, &r.txtModel})
                cells << (*c)[i]->Text();
            cells << r.txtIDNum[i]->Text();
            rows << (column >= 0 ? cells[column] : cells.mid(0, 7).join(u'|') + QStringLiteral(" #") + cells[7]);
        }
        return rows;
    }
};

} // namespace tlm::test
