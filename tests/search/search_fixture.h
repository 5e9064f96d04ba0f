#pragma once
// A program over its own folder with assets written straight into the store, the search
// reached as the user reaches it, and readers of what the results screen shows.
#include "assets/frmAddUpDel.h"
#include "assets/frmAuto.h"
#include "data/fields.h"
#include "data/placeholders.h"
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
namespace Gen = fld::PersonalInfo;

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
        for (int f = Inv::Area; f <= Inv::NewUsed; ++f)
            inv.setField(f, fields.count(f) ? fields[f] : defaults[f - 1]);
        for (int f = Inv::PartsWarrantyType; f <= Inv::WarrantyTerms; ++f)
            inv.setField(f, stored::None);
        inv.Update();
        return inv.Fields(Inv::AssetNumber).toInteger();
    }
    void addAssets(int n)
    {
        for (int i = 1; i <= n; ++i)
            addAsset({{Inv::Make, QStringLiteral("Make %1").arg(i, 2, 10, QLatin1Char('0'))}});
    }

    // The main menu's Search, then the search screen's choices.
    void openFromMainMenu()
    {
        t->frmMain().Show();
        t->frmMain().cmdSearch->press();
    }
    void choose(ComboBox* box, const QString& entry)
    {
        ASSERT_GE(box->findText(entry), 0) << entry.toStdString() << " is not in the list";
        box->choose(entry);
    }
    // Search, expecting no message.
    void runSearch(const QString& key = QString())
    {
        search().txtKey->setText(key);
        search().cmdContinue->press();
    }

    // What the results screen shows: the visible rows' texts, "number area location asset
    // year make model #id" each.
    QStringList shownRows()
    {
        auto& r = results();
        QStringList rows;
        for (int i = 0; i < screens::frmSearchResults::kRows; ++i) {
            if (!r.txtMore[i]->Visible())
                continue;
            QStringList cells;
            for (auto* column : {&r.txtItem, &r.txtArea, &r.txtLocation, &r.txtType, &r.txtYear, &r.txtMake, &r.txtModel})
                cells << (*column)[i]->Text();
            rows << cells.join(u'|') + QStringLiteral(" #") + r.txtIDNum[i]->Text();
        }
        return rows;
    }
    // The make column of the visible rows.
    QStringList shownMakes()
    {
        QStringList makes;
        for (int i = 0; i < screens::frmSearchResults::kRows; ++i)
            if (results().txtMore[i]->Visible())
                makes << results().txtMake[i]->Text();
        return makes;
    }

    Currency total() { return data().general().Fields(Gen::AssetValue).toCurrency(); }
    void setTotal(Currency c)
    {
        Recordset& g = data().general();
        g.setField(Gen::AssetValue, c);
        g.Update();
    }
    void removeFromStore(qint64 number)
    {
        Recordset& inv = data().rsInventory;
        for (inv.MoveFirst(); !inv.Fields(Inv::AssetNumber).equalsNumber(number); inv.MoveNext()) {}
        inv.Delete();
    }
};

} // namespace tlm::test
