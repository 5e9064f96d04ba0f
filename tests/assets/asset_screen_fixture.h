#pragma once
// A whole program over its own folder with the asset screen reached as the user reaches it,
// and helpers that read what was stored, in memory and on disk.
#include "assets/frmAddUpDel.h"
#include "assets/frmAuto.h"
#include "data/data_environment.h"
#include "data/fields.h"
#include "data/placeholders.h"
#include "search/frmSearchResults.h"
#include "shell/frmMain.h"
#include "support/test_program.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace tlm::test {

namespace Inv = fld::Inventory;
namespace Gen = fld::PersonalInfo;
namespace Items = fld::Items;

inline const QString kIndoorHeading = QStringLiteral("Indoor Asset Management");
inline const QString kOutdoorHeading = QStringLiteral("Outdoor Asset Management");
inline const QString kMobileHeading = QStringLiteral("Mobile Asset Management");

class AssetScreenTest : public ::testing::Test {
protected:
    TestProgram t;

    void SetUp() override { t.openData(); }
    void TearDown() override { EXPECT_TRUE(t.msgs->allAnswered()) << "a message that was expected was not shown"; }

    DataEnvironment& data() { return t->Data1(); }
    screens::frmAddUpDel& screen() { return t->frmAddUpDel(); }
    screens::frmAuto& menu() { return t->frmAuto(); }

    // The main menu's road: heading, load_It, then the menu's Add button.
    void openAdding(const QString& heading = kIndoorHeading)
    {
        menu().lblHead1[0]->setCaption(heading);
        menu().load_It();
        menu().cmdAdd[0]->press();
    }

    // The results' road: the chosen asset opened for update or delete.
    void openAsset(qint64 id)
    {
        t->frmSearchResults().id_num = QString::number(id);
        t->frmMain().last_screen_flag = true;
        screen().war_Id = id;
        screen().check_Form_Type();
    }

    static void type(Control* box, const QString& text)
    {
        box->SetFocus();
        QTest::keyClicks(box->widget(), text);
    }

    // A valid Indoor asset, entered through the controls (the date as the calendar writes it).
    void enterValidAsset(const QString& price = QStringLiteral("125"))
    {
        auto& s = screen();
        s.cmbLoc->choose(QStringLiteral("Kitchen"));
        s.cmbCat->choose(QStringLiteral("Appliances"));
        s.cmbType->choose(QStringLiteral("Refrigerator"));
        s.txtPur->setText(QStringLiteral("3/7/2006"));
        type(s.txtPPrice, price);
    }

    // Adds an asset straight to the store, as an earlier run would have left it.
    qint64 insertAsset(const QString& area, const QString& location, const QString& category, const QString& item,
                       const QString& price)
    {
        Recordset& inv = data().rsInventory;
        inv.AddNew();
        const QString values[] = {area,       location,         category,          item,          QStringLiteral("2001"),
                                  "Acme",     "M-1",            "SN-9",            "4/2/2003",    price,
                                  "Yes",      "File Cabinet",   "Stainless",       "Used"};
        for (int f = Inv::Area; f <= Inv::NewUsed; ++f)
            inv.setField(f, values[f - 1]);
        for (int f = Inv::PartsWarrantyType; f <= Inv::WarrantyTerms; ++f)
            inv.setField(f, QStringLiteral("W%1").arg(f));
        inv.Update();
        return inv.Fields(Inv::AssetNumber).toInteger();
    }

    // Presses Add once for each of the four writes of an add failing in turn (the row, the
    // total, the lookup row, the commit); `check` then looks at what stayed.
    void addWithEachWriteFailing(const std::function<void()>& check)
    {
        for (int failing = 1; failing <= 4; ++failing) {
            SCOPED_TRACE(failing);
            int writes = 0;
            data().Home.failWrite = [&writes, failing] { return ++writes == failing; };
            t.msgs->expect(vbOK, QStringLiteral("The Asset Could Not Be Saved...Your Inventory Has Not Been Changed!"));
            screen().cmdAdd->press();
            data().Home.failWrite = nullptr;
            check();
        }
    }

    void setTotal(Currency c)
    {
        Recordset& g = data().general();
        g.setField(Gen::AssetValue, c);
        g.Update();
    }
    Currency total() { return data().general().Fields(Gen::AssetValue).toCurrency(); }

    void setGeneral(int field, const QString& value)
    {
        Recordset& g = data().general();
        g.setField(field, value);
        g.Update();
    }

    // Every row of a table as it is in the file, read over a connection of its own.
    std::vector<std::vector<Value>> diskRows(const TableLayout& layout)
    {
        Database db;
        db.open(data().file());
        Recordset rs(db, layout);
        rs.Open();
        std::vector<std::vector<Value>> rows;
        if (rs.RecordCount() > 0) {
            rs.MoveFirst();
            while (!rs.isEOF()) {
                std::vector<Value> row;
                for (int i = 0; i < rs.fieldCount(); ++i)
                    row.push_back(rs.Fields(i));
                rows.push_back(row);
                rs.MoveNext();
            }
        }
        rs.Close();
        return rows;
    }
    Currency diskTotal() { return diskRows(layouts::PersonalInfo()).at(0).at(Gen::AssetValue).toCurrency(); }

    static QStringList texts(const std::vector<Value>& row, int from, int to)
    {
        QStringList out;
        for (int i = from; i <= to; ++i)
            out << row.at(i).text();
        return out;
    }

    static QStringList items(ComboBox* box) { return box->items(); }

    // The last message shown; a failure (not a crash) when none was.
    ShownBox lastBox()
    {
        if (t.msgs->shown.empty()) {
            ADD_FAILURE() << "no message was shown";
            return {};
        }
        return t.msgs->shown.back();
    }
};

} // namespace tlm::test
