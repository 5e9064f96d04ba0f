// Data1: the seven tables, the order they are opened and closed in, and the delivered database.
#include "support/store_test_support.h"

#include "data/find_asset.h"
#include "data/placeholders.h"

#include <QDir>
#include <QFileInfo>

using namespace tlm;
using namespace tlm::test;

namespace {

const QStringList kInventory = {
    "AssetNumber", "Area", "Location", "Category", "Type", "Year", "Make", "Model", "Serial/ VIN / ID",
    "Date Purchased", "Amount", "Receipt", "Receipt Location", "Description", "NewUsed", "PartsWarrantyType",
    "PartsCoverage", "PartsAmount", "PartsExpireMonth", "PartsExpireDay", "PartsExpireYear", "LaborWarrantyType",
    "LaborCoverage", "LaborAmount", "LaborExpireMonth", "LaborExpireDay", "LaborExpireYear", "WarrantyTerms"};
const QStringList kItems = {"Location", "Category", "Item", "BuiltIn"};

// Personal_Info and Bank_Info by ordinal; fields the program never touches are left out.
const std::vector<std::pair<int, const char*>> kPersonalInfo = {
    {0, "Last"}, {1, "First"}, {2, "Middle"}, {3, "Address"}, {4, "City"}, {5, "State"}, {6, "ZIP"},
    {7, "Home Phone1"}, {8, "Home Phone2"}, {9, "Home Phone3"}, {10, "Work Phone1"}, {11, "Work  Phone2"},
    {12, "Work  Phone3"}, {13, "Cell Phone1"}, {14, "Cell Phone2"}, {15, "Cell  Phone3"}, {16, "EMail"},
    {18, "IntroDone"}, {19, "Policy Number"}, {20, "Policy Expiration"}, {21, "CoverageAmount"}, {22, "Notify"},
    {23, "WarrantyCheck"}, {24, "Policy Company"}, {31, "ClearCheck"}, {32, "AssetValue"}};
const std::vector<std::pair<int, const char*>> kBankInfo = {
    {1, "Institution"}, {2, "Address"}, {3, "Phone1"}, {4, "Phone2"}, {5, "Phone3"}, {6, "AccountNumber"},
    {7, "RouteNumber"}, {8, "Balance"}, {9, "Date"}, {10, "AccountType"}, {11, "City"}, {12, "State"}};

void expectNamed(const QStringList& columns, const std::vector<std::pair<int, const char*>>& names, int count, const char* table)
{
    ASSERT_EQ(columns.size(), count) << table;
    for (const auto& [i, name] : names)
        EXPECT_EQ(columns[i], QString::fromLatin1(name)) << table << " field " << i;
}

class DataEnvironmentTest : public StoreTest {};

} // namespace

TEST_F(DataEnvironmentTest, OpensAndClosesInTheStartUpAndExitOrder)
{
    data->closeAll();
    DataEnvironment de(dbFile());
    QStringList events;
    de.Home.onEvent = [&](const QString& e) { events << e; };
    de.openAll();
    EXPECT_EQ(events, QStringList({"open Personal_Info", "open Bank_Info", "open Indoor_Items", "open Mobile_Items",
                                   "open Inventory", "open Outdoor_Items", "open Print"}));
    events.clear();
    de.closeAll();
    EXPECT_EQ(events, QStringList({"close Bank_Info", "close Personal_Info", "close Print", "close Mobile_Items",
                                   "close Indoor_Items", "close Outdoor_Items", "close Inventory"}));
    EXPECT_FALSE(de.Home.isOpen());
}

TEST_F(DataEnvironmentTest, TablesHaveTheirFieldsInOrder)
{
    RawDb raw(dbFile());
    EXPECT_EQ(raw.columnsOf("Inventory"), kInventory);
    EXPECT_EQ(raw.columnsOf("Print"), kInventory.mid(0, 14));
    expectNamed(raw.columnsOf("Personal_Info"), kPersonalInfo, 33, "Personal_Info");
    expectNamed(raw.columnsOf("Bank_Info"), kBankInfo, 13, "Bank_Info");
    for (const char* t : {"Indoor_Items", "Outdoor_Items", "Mobile_Items"})
        EXPECT_EQ(raw.columnsOf(QString::fromLatin1(t)), kItems) << t;
    EXPECT_EQ(raw.column("SELECT count(*) FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite%'"),
              QStringList({"7"}));

    // The recordsets offer the same fields by ordinal.
    EXPECT_EQ(data->rsInventory.layout().columns, kInventory);
    EXPECT_EQ(data->rsPrint.fieldCount(), fld::Print::Count);
    EXPECT_EQ(data->rsGeneral.layout().columns, raw.columnsOf("Personal_Info"));
    EXPECT_EQ(data->rsBank.layout().columns, raw.columnsOf("Bank_Info"));
    for (Recordset* rs : {&data->rsIndoor, &data->rsOutdoor, &data->rsMobile})
        EXPECT_EQ(rs->layout().columns, kItems);
    EXPECT_EQ(fld::Inventory::Count, 28);
    EXPECT_EQ(fld::PersonalInfo::Count, 33);
    EXPECT_EQ(fld::BankInfo::Count, 13);
    EXPECT_EQ(fld::Items::Count, 4);
}

TEST_F(DataEnvironmentTest, DeliveredDatabaseHoldsTheOwnerRowAndNoAssets)
{
    EXPECT_EQ(data->rsInventory.RecordCount(), 0);
    EXPECT_EQ(data->rsPrint.RecordCount(), 0);
    EXPECT_EQ(data->rsBank.RecordCount(), 0);
    Recordset& g = data->general();
    ASSERT_EQ(g.RecordCount(), 1);
    EXPECT_FALSE(g.Fields(fld::PersonalInfo::IntroDone) == "1");
    const Value assetValue = g.Fields(fld::PersonalInfo::AssetValue);
    EXPECT_TRUE(assetValue.isMoney());
    EXPECT_EQ(assetValue.toCurrency(), Currency{});
    // Every field holds its placeholder, never a null the screens would trip over.
    for (int i = 0; i < fld::PersonalInfo::Count; ++i)
        EXPECT_FALSE(g.Fields(i).isNull()) << "field " << i;
    EXPECT_EQ(g.text(fld::PersonalInfo::Last), stored::None);
    EXPECT_EQ(g.text(fld::PersonalInfo::HomePhone1), stored::NoPhone3);
    EXPECT_EQ(g.text(fld::PersonalInfo::WorkPhone3), stored::NoPhone4);
}

TEST_F(DataEnvironmentTest, EachAreaTableOffersTheEditorEntries)
{
    for (Recordset* rs : {&data->rsIndoor, &data->rsOutdoor, &data->rsMobile}) {
        const std::string table = rs->layout().table.toStdString();
        int locationEditor = 0, categoryEditor = 0, rows = 0;
        for (rs->MoveFirst(); !rs->isEOF(); rs->MoveNext(), ++rows) {
            EXPECT_TRUE(rs->Fields(fld::Items::BuiltIn).equalsNumber(1)) << table << " row " << rows;
            if (rs->Fields(fld::Items::Location) == stored::AddEditLocation) {
                ++locationEditor;
                EXPECT_TRUE(rs->Fields(fld::Items::Category) == "0" && rs->Fields(fld::Items::Item) == "0") << table;
            }
            if (rs->Fields(fld::Items::Category) == stored::AddEditCategory) {
                ++categoryEditor;
                EXPECT_TRUE(rs->Fields(fld::Items::Location) == "0" && rs->Fields(fld::Items::Item) == "0") << table;
            }
            // Every row names something; no all-"0" row is delivered.
            EXPECT_FALSE(rs->Fields(0) == "0" && rs->Fields(1) == "0" && rs->Fields(2) == "0") << table << " row " << rows;
        }
        EXPECT_EQ(locationEditor, 1) << table;
        EXPECT_EQ(categoryEditor, 1) << table;
        EXPECT_GT(rows, 2) << table;
    }
}

TEST_F(DataEnvironmentTest, AnExistingFileIsNeverRecreated)
{
    data->general().setField(fld::PersonalInfo::Last, QStringLiteral("Kept"));
    data->general().Update();
    data->closeAll();
    EXPECT_THROW(DataEnvironment::createDelivered(dbFile()), DatabaseError);
    reopen();
    EXPECT_EQ(data->general().text(fld::PersonalInfo::Last), "Kept");
    EXPECT_FALSE(QFileInfo::exists(dbFile() + QStringLiteral(".new")));
}

TEST_F(DataEnvironmentTest, GeneralMovesToTheOwnerRow)
{
    Recordset& g = data->rsGeneral;
    g.MoveNext();
    ASSERT_TRUE(g.isEOF());
    EXPECT_EQ(data->general().text(fld::PersonalInfo::Last), stored::None);
}

// A disk that fills up at any point of the first start's creation leaves no file at all, and
// the rollback never reaches the builder's recordsets, which are gone by then.
TEST_F(DataEnvironmentTest, AFailingCreationLeavesNothingBehind)
{
    data->closeAll();
    const QString file = dir.path() + QStringLiteral("/C_DB/First.db");
    int total = 0;
    DataEnvironment::createDelivered(file, [&total](Database& db) { db.failWrite = [&total] { return ++total < 0; }; });
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_GT(total, 100);
    // The first write, one inside each lookup table and the owner's row, and the commit.
    for (int failing : {1, 2, 40, total / 2, total - 1, total}) {
        EXPECT_THROW(DataEnvironment::createDelivered(file, [failing](Database& db) {
            db.failWrite = [failing, writes = 0]() mutable { return ++writes >= failing; };
        }), DatabaseError) << failing;
        EXPECT_FALSE(QFileInfo::exists(file)) << failing;
        EXPECT_FALSE(QFileInfo::exists(file + QStringLiteral(".new"))) << failing;
    }
}

// A first start killed half-way leaves its unfinished file; the next start removes it,
// whether or not the database itself was completed.
TEST_F(DataEnvironmentTest, WhatAnInterruptedCreationLeftIsRemoved)
{
    data->closeAll();
    auto leave = [this] {
        for (const char* suffix : {".new", ".new-journal"}) {
            QFile f(dbFile() + QString::fromLatin1(suffix));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("half a database");
        }
    };
    leave();
    reopen();
    EXPECT_EQ(QDir(dir.path() + QStringLiteral("/C_DB")).entryList(QDir::Files), QStringList({"TLM.db"}));
    data->closeAll();
    QFile::remove(dbFile());
    leave();
    reopen();
    EXPECT_EQ(QDir(dir.path() + QStringLiteral("/C_DB")).entryList(QDir::Files), QStringList({"TLM.db"}));
    EXPECT_EQ(data->general().RecordCount(), 1);
}

TEST_F(DataEnvironmentTest, FindAssetMovesToTheNumberOrReportsItMissing)
{
    Recordset& inv = data->rsInventory;
    EXPECT_FALSE(findAsset(inv, 1));
    for (const char* make : {"first", "second", "third"}) {
        inv.AddNew();
        inv.setField(fld::Inventory::Make, QString::fromLatin1(make));
        inv.Update();
    }
    inv.MoveFirst();
    inv.Delete();
    EXPECT_TRUE(findAsset(inv, 3));
    EXPECT_EQ(inv.text(fld::Inventory::Make), QStringLiteral("third"));
    EXPECT_TRUE(findAsset(inv, QStringLiteral(" 2 ")));
    EXPECT_EQ(inv.text(fld::Inventory::Make), QStringLiteral("second"));
    for (const QString& missing : {QStringLiteral("1"), QStringLiteral("4"), QStringLiteral(""), QStringLiteral("two")}) {
        EXPECT_FALSE(findAsset(inv, missing)) << missing.toStdString();
        EXPECT_TRUE(inv.isEOF());
    }
}
