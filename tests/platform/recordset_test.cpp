// The cursor operations of the recordsets, on the delivered database in a temporary folder.
#include "support/store_test_support.h"

#include "data/placeholders.h"

#include <sqlite3.h>

using namespace tlm;
using namespace tlm::test;
namespace inv = tlm::fld::Inventory;

namespace {

class RecordsetTest : public StoreTest {
protected:
    Recordset& inventory() { return data->rsInventory; }
    // Adds assets tagged a, b, c... and returns their tags in order.
    QStringList addAssets(int n)
    {
        QStringList tags;
        for (int i = 0; i < n; ++i) {
            tags << QString(QChar(u'a' + i));
            addAsset(tags.last());
        }
        return tags;
    }
    static QString areaOf(const QString& tag) { return tag + QStringLiteral(" 1"); }
    static QStringList areas(const QStringList& tags)
    {
        QStringList out;
        for (const QString& t : tags)
            out << areaOf(t);
        return out;
    }
};

void expectNoCurrentRow(Recordset& rs, const char* where)
{
    EXPECT_THROW(rs.Fields(1), RecordsetError) << where;
    EXPECT_THROW(rs.text(0), RecordsetError) << where;
    EXPECT_THROW(rs.setField(1, Value("x")), RecordsetError) << where;
    EXPECT_THROW(rs.Delete(), RecordsetError) << where;
}

} // namespace

TEST_F(RecordsetTest, EmptyTableIsAtBothEnds)
{
    Recordset& rs = inventory();
    ASSERT_EQ(rs.RecordCount(), 0);
    EXPECT_TRUE(rs.isBOF());
    EXPECT_TRUE(rs.isEOF());
    expectNoCurrentRow(rs, "empty");
    EXPECT_THROW(rs.MoveNext(), RecordsetError);
    EXPECT_THROW(rs.MovePrevious(), RecordsetError);
    EXPECT_NO_THROW(rs.MoveFirst());
    EXPECT_TRUE(rs.isBOF() && rs.isEOF());
}

TEST_F(RecordsetTest, MovesAndMarkers)
{
    const QStringList tags = addAssets(3);
    Recordset& rs = inventory();
    EXPECT_EQ(walk(rs, inv::Area), areas(tags));
    EXPECT_TRUE(rs.isEOF());
    EXPECT_FALSE(rs.isBOF());
    expectNoCurrentRow(rs, "EOF");
    EXPECT_THROW(rs.MoveNext(), RecordsetError);

    rs.MovePrevious(); // from EOF back onto the last row
    EXPECT_EQ(rs.text(inv::Area), areaOf("c"));
    rs.MovePrevious();
    rs.MovePrevious();
    EXPECT_EQ(rs.text(inv::Area), areaOf("a"));
    EXPECT_FALSE(rs.isBOF());
    rs.MovePrevious();
    EXPECT_TRUE(rs.isBOF());
    EXPECT_FALSE(rs.isEOF());
    expectNoCurrentRow(rs, "BOF");
    EXPECT_THROW(rs.MovePrevious(), RecordsetError);
    rs.MoveNext(); // from BOF onto the first row
    EXPECT_EQ(rs.text(inv::Area), areaOf("a"));
    rs.MoveNext();
    EXPECT_EQ(rs.text(inv::Make), QStringLiteral("b 6"));
    EXPECT_THROW(rs.Fields(-1), RecordsetError);
    EXPECT_THROW(rs.Fields(inv::Count), RecordsetError);
}

TEST_F(RecordsetTest, RecordCountIsExactAfterEveryChange)
{
    Recordset& rs = inventory();
    for (int i = 1; i <= 5; ++i) {
        addAsset(QString::number(i));
        EXPECT_EQ(rs.RecordCount(), i);
    }
    rs.MoveFirst();
    rs.MoveNext();
    rs.Delete();
    EXPECT_EQ(rs.RecordCount(), 4);
    rs.Update(); // as the screens do after Delete
    EXPECT_EQ(rs.RecordCount(), 4);
    while (rs.RecordCount() > 0) {
        rs.MoveFirst();
        rs.Delete();
    }
    EXPECT_EQ(rs.RecordCount(), 0);
    reopen();
    EXPECT_EQ(inventory().RecordCount(), 0);
}

TEST_F(RecordsetTest, DeleteLeavesNoCurrentRowAndMoveNextGoesOn)
{
    addAssets(4);
    Recordset& rs = inventory();
    rs.MoveFirst();
    rs.MoveNext(); // b
    rs.Delete();
    expectNoCurrentRow(rs, "deleted");
    EXPECT_FALSE(rs.isEOF());
    rs.MoveNext();
    EXPECT_EQ(rs.text(inv::Area), areaOf("c"));

    // MovePrevious after a Delete lands on the row before it.
    rs.Delete(); // c
    rs.MovePrevious();
    EXPECT_EQ(rs.text(inv::Area), areaOf("a"));
    EXPECT_EQ(walk(rs, inv::Area), areas({"a", "d"}));
    reopen();
    EXPECT_EQ(walk(inventory(), inv::Area), areas({"a", "d"}));
}

TEST_F(RecordsetTest, DeletingTheLastRowThenMoveNextReachesEOF)
{
    addAssets(2);
    Recordset& rs = inventory();
    rs.MoveFirst();
    rs.MoveNext();
    rs.Delete();
    EXPECT_NO_THROW(rs.MoveNext());
    EXPECT_TRUE(rs.isEOF());
    expectNoCurrentRow(rs, "EOF after delete");
}

TEST_F(RecordsetTest, EmptyingATableWithTheDeleteLoop)
{
    // The working table is emptied with: MoveFirst; Do Until EOF: Delete: Update: MoveNext: Loop.
    Recordset& rs = data->rsPrint;
    for (int i = 0; i < 3; ++i) {
        rs.AddNew();
        rs.setField(fld::Print::AssetNumber, QString::number(i));
        rs.Update();
    }
    rs.MoveFirst();
    int deleted = 0;
    while (!rs.isEOF()) {
        rs.Delete();
        rs.Update();
        rs.MoveNext();
        ASSERT_LE(++deleted, 3);
    }
    EXPECT_EQ(deleted, 3);
    EXPECT_EQ(rs.RecordCount(), 0);
    // And the one-row case, reversed.
    rs.AddNew();
    rs.setField(fld::Print::AssetNumber, QStringLiteral("1"));
    rs.Update();
    rs.Delete();
    EXPECT_NO_THROW(rs.MovePrevious());
    EXPECT_TRUE(rs.isBOF());
    reopen();
    EXPECT_EQ(data->rsPrint.RecordCount(), 0);
}

TEST_F(RecordsetTest, AddNewWhilePendingStoresThePendingRow)
{
    Recordset& rs = inventory();
    rs.AddNew();
    rs.setField(inv::Make, QStringLiteral("first"));
    rs.AddNew();
    EXPECT_EQ(rs.RecordCount(), 1);
    rs.setField(inv::Make, QStringLiteral("second"));
    rs.Update();
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs.text(inv::Make), "second"); // the added row is current
    reopen();
    EXPECT_EQ(walk(inventory(), inv::Make), QStringList({"first", "second"}));
}

TEST_F(RecordsetTest, PendingChangesAreStoredByMovesAndClose)
{
    addAssets(2);
    Recordset& rs = inventory();
    rs.MoveFirst();
    rs.setField(inv::Make, QStringLiteral("moved away"));
    rs.MoveNext();
    rs.setField(inv::Make, QStringLiteral("closed"));
    data->closeAll();
    reopen();
    EXPECT_EQ(walk(inventory(), inv::Make), QStringList({"moved away", "closed"}));
}

TEST_F(RecordsetTest, CancelUpdateDiscards)
{
    addAssets(2);
    Recordset& rs = inventory();
    rs.MoveFirst();
    rs.AddNew();
    rs.setField(inv::Make, QStringLiteral("never"));
    rs.CancelUpdate();
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_FALSE(rs.editPending());

    rs.MoveFirst();
    rs.setField(inv::Make, QStringLiteral("never either"));
    EXPECT_EQ(rs.text(inv::Make), "never either"); // a pending edit reads back
    rs.CancelUpdate();
    EXPECT_EQ(rs.text(inv::Make), "a 6");
    rs.MoveNext(); // nothing left to store
    reopen();
    EXPECT_EQ(walk(inventory(), inv::Make), QStringList({"a 6", "b 6"}));
}

TEST_F(RecordsetTest, UpdateWithNothingChangedTouchesNothing)
{
    addAssets(1);
    Recordset& rs = inventory();
    const QByteArray before = fileBytes();
    data->Home.failWrite = [] { return true; }; // any write now would throw
    rs.MoveFirst();
    EXPECT_NO_THROW(rs.Update());
    EXPECT_NO_THROW(rs.Update());
    EXPECT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.text(inv::Make), "a 6");
    data->Home.failWrite = nullptr;
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(RecordsetTest, AssetNumbersComeFromTheDatabaseAndAreNeverReused)
{
    Recordset& rs = inventory();
    rs.AddNew();
    EXPECT_THROW(rs.setField(inv::AssetNumber, Value("99")), RecordsetError);
    rs.CancelUpdate();
    addAssets(3);
    EXPECT_EQ(walk(rs, inv::AssetNumber), QStringList({"1", "2", "3"}));
    rs.MoveFirst();
    EXPECT_THROW(rs.setField(inv::AssetNumber, Value::number(7)), RecordsetError);
    EXPECT_FALSE(rs.editPending());
    EXPECT_TRUE(rs.Fields(inv::AssetNumber).isNumber());
    EXPECT_TRUE(rs.Fields(inv::AssetNumber).equalsNumber(1));

    // Delete the newest asset; its number must not come back, in this run or the next.
    rs.MoveNext();
    rs.MoveNext();
    rs.Delete();
    addAsset("d");
    EXPECT_EQ(inventory().text(inv::AssetNumber), "4");
    inventory().Delete();
    reopen();
    addAsset("e");
    EXPECT_EQ(inventory().text(inv::AssetNumber), "5");
    reopen();
    EXPECT_EQ(walk(inventory(), inv::AssetNumber), QStringList({"1", "2", "5"}));
    EXPECT_EQ(walk(inventory(), inv::Area), areas({"a", "b", "e"}));
}

TEST_F(RecordsetTest, BankKeysComeFromTheDatabase)
{
    Recordset& rs = data->rsBank;
    for (const char* account : {"111", "222"}) {
        rs.AddNew();
        rs.setField(fld::BankInfo::Institution, QStringLiteral("First Bank"));
        rs.setField(fld::BankInfo::AccountNumber, QString::fromLatin1(account));
        rs.Update();
    }
    EXPECT_EQ(walk(rs, fld::BankInfo::Key), QStringList({"1", "2"}));
    EXPECT_THROW(rs.setField(fld::BankInfo::Key, Value("5")), RecordsetError);
    reopen();
    EXPECT_EQ(walk(data->rsBank, fld::BankInfo::AccountNumber), QStringList({"111", "222"}));
}

TEST_F(RecordsetTest, RowsComeInTheOrderOfAdding)
{
    Recordset& rs = data->rsIndoor;
    const QStringList before = walk(rs, fld::Items::Location);
    for (const char* name : {"Zeta Room", "Alpha Room", "Mid Room"}) {
        rs.AddNew();
        rs.setField(fld::Items::Location, QString::fromLatin1(name));
        rs.setField(fld::Items::Category, stored::NoName);
        rs.setField(fld::Items::Item, stored::NoName);
        rs.setField(fld::Items::BuiltIn, stored::NoName);
        rs.Update();
    }
    const QStringList expected = before + QStringList{"Zeta Room", "Alpha Room", "Mid Room"};
    EXPECT_EQ(walk(rs, fld::Items::Location), expected);
    reopen();
    EXPECT_EQ(walk(data->rsIndoor, fld::Items::Location), expected);
}

TEST_F(RecordsetTest, SortByColumnAndBack)
{
    const QStringList makes = {"delta", "Alpha", "charlie", "Bravo", "alpha"};
    for (int i = 0; i < makes.size(); ++i)
        addAsset(QString::number(i), {{inv::Make, makes[i]}, {inv::Year, QString::number(2010 - i)}});
    Recordset& rs = inventory();
    rs.MoveFirst();
    rs.MoveNext();
    rs.Sort(QStringLiteral("Make"));
    EXPECT_FALSE(rs.isBOF());
    EXPECT_EQ(rs.text(inv::Make), "Alpha"); // the first sorted row is current
    // letter case does not order; equal keys keep table order
    EXPECT_EQ(walk(rs, inv::Make), QStringList({"Alpha", "alpha", "Bravo", "charlie", "delta"}));
    rs.Sort(QStringLiteral("Year"));
    EXPECT_EQ(walk(rs, inv::Year), QStringList({"2006", "2007", "2008", "2009", "2010"}));

    // Rows added while sorted go to the end; removing the sort gives table order back.
    addAsset("x", {{inv::Make, "Aardvark"}});
    rs.Sort(QString());
    EXPECT_EQ(walk(rs, inv::Make), makes + QStringList{"Aardvark"});
    EXPECT_EQ(walk(rs, inv::AssetNumber), QStringList({"1", "2", "3", "4", "5", "6"}));
    for (const char* column : {"Area", "Location", "Type", "Model"})
        EXPECT_NO_THROW(rs.Sort(QString::fromLatin1(column))) << column;
    EXPECT_THROW(rs.Sort(QStringLiteral("NoSuchColumn")), RecordsetError);
}

TEST_F(RecordsetTest, SortOrdersAsciiAndOtherTextsAsOneCaseInsensitiveComparison)
{
    const QStringList makes = {"Zebra", "éclair", "_under", "Eclair", "ÉCLAIR", "apple", "z", "Ápple", "[x", "APPLE"};
    for (int i = 0; i < makes.size(); ++i)
        addAsset(QString::number(i), {{inv::Make, makes[i]}});
    QStringList expected = makes;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    inventory().Sort(QStringLiteral("Make"));
    EXPECT_EQ(walk(inventory(), inv::Make), expected);
    inventory().MoveFirst();
    QString buffer; // a field read in place reads as text() reads it
    EXPECT_EQ(inventory().textView(inv::AssetNumber, buffer), inventory().text(inv::AssetNumber));
    EXPECT_EQ(inventory().textView(inv::Make, buffer), expected.first());
}

TEST_F(RecordsetTest, SortStoresAPendingEdit)
{
    addAssets(2);
    Recordset& rs = inventory();
    rs.MoveFirst();
    rs.setField(inv::Make, QStringLiteral("zz"));
    rs.Sort(QStringLiteral("Make"));
    EXPECT_EQ(walk(rs, inv::Make), QStringList({"b 6", "zz"}));
    reopen();
    EXPECT_EQ(walk(inventory(), inv::Make), QStringList({"zz", "b 6"}));
}

TEST_F(RecordsetTest, ClosedRecordsetRefusesEverything)
{
    Recordset& rs = inventory();
    rs.Close();
    EXPECT_THROW(rs.RecordCount(), RecordsetError);
    EXPECT_THROW(rs.isEOF(), RecordsetError);
    EXPECT_THROW(rs.MoveFirst(), RecordsetError);
    EXPECT_THROW(rs.AddNew(), RecordsetError);
    EXPECT_THROW(rs.Fields(1), RecordsetError);
    rs.Open();
    EXPECT_THROW(rs.Open(), RecordsetError);
}

TEST_F(RecordsetTest, TransactionRollbackRestoresDiskAndMemory)
{
    addAssets(2);
    Recordset& rs = inventory();
    Recordset& general = data->general();
    const QString last = general.text(fld::PersonalInfo::Last);
    const Currency value = general.Fields(fld::PersonalInfo::AssetValue).toCurrency();
    const QByteArray before = fileBytes();

    auto expectUnchanged = [&](const char* when) {
        EXPECT_EQ(data->rsInventory.RecordCount(), 2) << when;
        EXPECT_EQ(walk(data->rsInventory, inv::Make), QStringList({"a 6", "b 6"})) << when;
        Recordset& g = data->general();
        EXPECT_EQ(g.text(fld::PersonalInfo::Last), last) << when;
        EXPECT_EQ(g.Fields(fld::PersonalInfo::AssetValue).toCurrency(), value) << when;
    };
    try {
        Transaction t(data->Home);
        rs.MoveFirst();
        rs.setField(inv::Make, QStringLiteral("changed"));
        rs.Update();
        addAsset("c");
        rs.MoveFirst();
        rs.Delete();
        general.setField(fld::PersonalInfo::Last, QStringLiteral("Changed"));
        general.setField(fld::PersonalInfo::AssetValue, CCur("$999.00"));
        general.Update();
        EXPECT_EQ(rs.RecordCount(), 2);
        throw std::runtime_error("the screen failed half-way");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(data->Home.inTransaction());
    expectUnchanged("after rollback");
    EXPECT_EQ(fileBytes(), before);
    reopen();
    expectUnchanged("after reopening");

    // And a committed one is kept.
    {
        Transaction t(data->Home);
        addAsset("c");
        t.commit();
    }
    reopen();
    EXPECT_EQ(inventory().RecordCount(), 3);
}

TEST_F(RecordsetTest, AssetValueIsACurrencyNumber)
{
    Recordset& g = data->general();
    ASSERT_TRUE(g.Fields(fld::PersonalInfo::AssetValue).isMoney());
    g.setField(fld::PersonalInfo::AssetValue, CCur("$1,234.5678"));
    g.Update();
    EXPECT_TRUE(g.Fields(fld::PersonalInfo::AssetValue).isMoney());
    reopen();
    const Value v = data->general().Fields(fld::PersonalInfo::AssetValue);
    EXPECT_TRUE(v.isMoney());
    EXPECT_EQ(v.toCurrency(), CCur("1234.5678"));
    EXPECT_EQ(FormatCurrency(v.toCurrency()), "$1,234.57");

    // Any reader of the file sees the amount itself.
    data->general().setField(fld::PersonalInfo::AssetValue, CCur("$1,250.50"));
    data->general().Update();
    RawDb raw(dbFile());
    EXPECT_EQ(raw.column("SELECT typeof(AssetValue) || ' ' || AssetValue FROM Personal_Info"), QStringList({"real 1250.5"}));
    // An amount typed in by hand, as a whole number, is dollars too.
    ASSERT_EQ(raw.exec("UPDATE Personal_Info SET AssetValue = 1250"), SQLITE_OK);
    reopen();
    EXPECT_EQ(data->general().Fields(fld::PersonalInfo::AssetValue).toCurrency(), Currency::fromDollars(1250));
}

// A database of the first form held the total as ten-thousandths: it is read right, and
// written in the present form once, unless it cannot be written.
TEST_F(RecordsetTest, AFirstFormTotalIsReadRightAndRewrittenOnce)
{
    data->closeAll();
    auto firstForm = [&] {
        RawDb raw(dbFile());
        ASSERT_EQ(raw.exec("UPDATE Personal_Info SET AssetValue = 12505000; PRAGMA user_version = 0"), SQLITE_OK);
    };
    firstForm();
    data = std::make_unique<DataEnvironment>(dbFile());
    data->Home.openReadOnly = true;
    data->openAll();
    EXPECT_EQ(data->general().Fields(fld::PersonalInfo::AssetValue).toCurrency(), CCur("$1,250.50"));
    data->closeAll();
    {
        RawDb raw(dbFile());
        EXPECT_EQ(raw.column("SELECT AssetValue FROM Personal_Info"), QStringList({"12505000"})) << "read-only: left as it was";
    }
    reopen();
    EXPECT_EQ(data->general().Fields(fld::PersonalInfo::AssetValue).toCurrency(), CCur("$1,250.50"));
    RawDb raw(dbFile());
    EXPECT_EQ(raw.column("SELECT typeof(AssetValue) || ' ' || AssetValue FROM Personal_Info"), QStringList({"real 1250.5"}));
    EXPECT_EQ(raw.column("PRAGMA user_version"), QStringList({"1"}));
    reopen();
    EXPECT_EQ(data->general().Fields(fld::PersonalInfo::AssetValue).toCurrency(), CCur("$1,250.50"));
}

TEST_F(RecordsetTest, BuiltInMarkerKeepsNumberOrText)
{
    Recordset& rs = data->rsOutdoor;
    const qint64 before = rs.RecordCount();
    for (const Value& marker : {Value::number(1), Value("1"), Value::number(0), Value("0")}) {
        rs.AddNew();
        rs.setField(fld::Items::Location, QStringLiteral("Marker %1 %2").arg(marker.text(), marker.isNumber() ? "number" : "text"));
        rs.setField(fld::Items::Category, stored::NoName);
        rs.setField(fld::Items::Item, Value::number(0));
        rs.setField(fld::Items::BuiltIn, marker);
        rs.Update();
    }
    for (int pass = 0; pass < 2; ++pass) {
        Recordset& r = data->rsOutdoor;
        r.MoveFirst();
        for (qint64 i = 0; i < before; ++i)
            r.MoveNext();
        const bool kinds[] = {true, false, true, false};
        for (bool isNumber : kinds) {
            const Value m = r.Fields(fld::Items::BuiltIn);
            EXPECT_EQ(m.isNumber(), isNumber) << "pass " << pass << " " << r.text(0).toStdString();
            EXPECT_EQ(m.isText(), !isNumber) << "pass " << pass;
            EXPECT_TRUE(r.Fields(fld::Items::Item) == "0"); // the number 0 reads as "0"
            EXPECT_TRUE(r.Fields(fld::Items::Item).isNumber());
            r.MoveNext();
        }
        EXPECT_TRUE(r.isEOF());
        reopen();
    }
}

TEST_F(RecordsetTest, TransactionsNestAndAnInnerRollbackUndoesOnlyItsOwnWork)
{
    addAssets(1);
    Recordset& rs = inventory();
    Database& db = data->Home;
    {
        Transaction outer(db);
        addAsset("b");
        try {
            Transaction inner(db);
            EXPECT_EQ(db.transactionDepth(), 2);
            addAsset("c");
            rs.MoveFirst();
            rs.setField(inv::Make, QStringLiteral("inner"));
            rs.Update();
            data->general().setField(fld::PersonalInfo::Last, QStringLiteral("Inner"));
            data->general().Update();
            throw std::runtime_error("the shared routine failed");
        } catch (const std::runtime_error&) {
        }
        EXPECT_EQ(db.transactionDepth(), 1);
        EXPECT_EQ(walk(rs, inv::Make), QStringList({"a 6", "b 6"})) << "the outer work stays";
        EXPECT_EQ(data->general().text(fld::PersonalInfo::Last), "None");
        {
            Transaction inner(db);
            addAsset("d");
            inner.commit(); // handed to the outer transaction, not yet on disk
        }
        RawDb other(dbFile());
        EXPECT_EQ(other.column("SELECT count(*) FROM Inventory"), QStringList({"1"}));
        outer.commit();
    }
    EXPECT_FALSE(db.inTransaction());
    reopen();
    EXPECT_EQ(walk(inventory(), inv::Make), QStringList({"a 6", "b 6", "d 6"}));
    EXPECT_EQ(data->general().text(fld::PersonalInfo::Last), "None");

    // An outer rollback takes the committed inner work with it.
    try {
        Transaction outer(data->Home);
        {
            Transaction inner(data->Home);
            addAsset("e");
            inner.commit();
        }
        throw std::runtime_error("the screen failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(inventory().RecordCount(), 3);
    reopen();
    EXPECT_EQ(inventory().RecordCount(), 3);
}

// Undo steps belong to their recordset: one destroyed or closed before the rollback is
// never reached, and a recordset read again inside the transaction follows the rollback.
TEST_F(RecordsetTest, RollbackAfterTheRecordsetIsGoneIsSafe)
{
    Database& db = data->Home;
    try {
        Transaction t(db);
        {
            Recordset local(db, layouts::Print());
            local.Open();
            local.AddNew();
            local.setField(fld::Print::Make, QStringLiteral("gone"));
            local.Update();
        }
        Recordset& print = data->rsPrint;
        print.AddNew();
        print.setField(fld::Print::Make, QStringLiteral("closed"));
        print.Update();
        print.Close();
        print.Open(); // reads both rows of the open transaction
        EXPECT_EQ(print.RecordCount(), 2);
        throw std::runtime_error("failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(data->rsPrint.RecordCount(), 0);
    reopen();
    EXPECT_EQ(data->rsPrint.RecordCount(), 0);
}

TEST_F(RecordsetTest, DeleteAllEmptiesTheTableInOneWrite)
{
    Recordset& print = data->rsPrint;
    auto fill = [&print](int n) {
        for (int i = 0; i < n; ++i) {
            print.AddNew();
            print.setField(fld::Print::AssetNumber, QString::number(i));
            print.Update();
        }
    };
    fill(5);
    print.MoveFirst();
    print.MoveNext();
    int commits = 0;
    sqlite3_commit_hook(data->Home.handle(), [](void* n) { return ++*static_cast<int*>(n), 0; }, &commits);
    print.AddNew(); // pending: dropped with the rest
    print.setField(fld::Print::AssetNumber, QStringLiteral("pending"));
    print.DeleteAll();
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(print.RecordCount(), 0);
    EXPECT_TRUE(print.isBOF() && print.isEOF());
    EXPECT_FALSE(print.editPending());
    sqlite3_commit_hook(data->Home.handle(), nullptr, nullptr);

    // Inside a transaction that fails, every row comes back in its order.
    fill(3);
    try {
        Transaction t(data->Home);
        print.DeleteAll();
        fill(1);
        throw std::runtime_error("failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(walk(print, fld::Print::AssetNumber), QStringList({"0", "1", "2"}));
    reopen();
    EXPECT_EQ(walk(data->rsPrint, fld::Print::AssetNumber), QStringList({"0", "1", "2"}));
}

TEST_F(RecordsetTest, AnEditGuardCancelsAHalfEditOnlyWhenAnErrorLeaves)
{
    addAssets(2);
    Recordset& rs = inventory();
    Recordset& general = data->rsGeneral;
    try {
        EditGuard edit{&rs, &general, nullptr};
        rs.MoveFirst();
        rs.setField(inv::Make, QStringLiteral("half"));
        general.setField(fld::PersonalInfo::Last, QStringLiteral("Half"));
        throw std::runtime_error("the screen failed between the fields and Update");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(rs.editPending());
    EXPECT_FALSE(general.editPending());
    rs.MoveNext(); // a move stores nothing now
    {
        EditGuard edit(rs);
        rs.setField(inv::Make, QStringLiteral("kept"));
    }
    EXPECT_TRUE(rs.editPending()) << "leaving normally keeps the edit";
    rs.MoveFirst();
    reopen();
    EXPECT_EQ(walk(inventory(), inv::Make), QStringList({"a 6", "kept"}));
    EXPECT_EQ(data->general().text(fld::PersonalInfo::Last), "None");
}

TEST_F(RecordsetTest, UpdateWhereChangesDiskAndRowsTogether)
{
    struct Asset {
        const char* area;
        const char* location;
    };
    for (const Asset& a : {Asset{"Indoor", "Den"}, Asset{"INDOOR", "Den"}, Asset{"Outdoor", "Den"}, Asset{"indoor", "den"},
                           Asset{"Straße", "Den"}, Asset{"Indoor", "Kitchen"}})
        addAsset(QStringLiteral("x"), {{inv::Area, QString::fromUtf8(a.area)}, {inv::Location, QString::fromUtf8(a.location)}});
    Recordset& rs = inventory();
    rs.MoveFirst();
    rs.MoveNext();
    rs.setField(inv::Make, QStringLiteral("pending"));
    const QString newName = QStringLiteral("Bob's \"Den\"; DROP TABLE Inventory; --");
    using C = Recordset::Compare;
    EXPECT_EQ(rs.UpdateWhere(inv::Location, newName, {{inv::Area, QStringLiteral("indoor"), C::UpperCase}, {inv::Location, QStringLiteral("Den")}}), 2);
    EXPECT_EQ(rs.AbsolutePosition(), 1) << "the cursor stays";
    // Qt's upper case, as the screens compare names: "Straße" is "STRASSE".
    EXPECT_EQ(rs.UpdateWhere(inv::Location, QStringLiteral("Hall"), {{inv::Area, QStringLiteral("STRASSE"), C::UpperCase}}), 1);
    EXPECT_EQ(rs.UpdateWhere(inv::Location, QStringLiteral("Nowhere"), {{inv::Area, QStringLiteral("Mobile")}}), 0);
    const QStringList expected = {newName, newName, "Den", "den", "Hall", "Kitchen"};
    EXPECT_EQ(walk(rs, inv::Location), expected);

    // Inside a transaction that fails, disk and rows go back together.
    try {
        Transaction t(data->Home);
        EXPECT_EQ(rs.UpdateWhere(inv::Location, QStringLiteral("Attic"), {{inv::Location, QStringLiteral("den"), C::UpperCase}}), 2);
        throw std::runtime_error("failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(walk(rs, inv::Location), expected);
    data->Home.failWrite = [] { return true; };
    EXPECT_THROW(rs.UpdateWhere(inv::Location, QStringLiteral("Attic"), {{inv::Location, QStringLiteral("Den")}}), DatabaseError);
    data->Home.failWrite = nullptr;
    EXPECT_EQ(walk(rs, inv::Location), expected);
    reopen();
    EXPECT_EQ(walk(inventory(), inv::Location), expected);
    EXPECT_EQ(walk(inventory(), inv::Make), QStringList({"x 6", "pending", "x 6", "x 6", "x 6", "x 6"}));
}

TEST_F(RecordsetTest, RequeryShowsWhatAnotherConnectionWrote)
{
    addAssets(2);
    Recordset& rs = inventory();
    rs.Sort(QStringLiteral("Make"));
    rs.MoveFirst();
    rs.setField(inv::Model, QStringLiteral("stored first"));
    {
        DataEnvironment other(dbFile());
        other.openAll();
        other.rsInventory.MoveFirst();
        other.rsInventory.setField(inv::Make, QStringLiteral("z changed"));
        other.rsInventory.Update();
        other.rsInventory.AddNew();
        other.rsInventory.setField(inv::Make, QStringLiteral("0 added"));
        other.rsInventory.Update();
        other.closeAll();
    }
    EXPECT_EQ(rs.text(inv::Make), "a 6");
    rs.Requery();
    EXPECT_FALSE(rs.editPending());
    EXPECT_EQ(rs.text(inv::Make), "0 added") << "the first row of the sorted rows";
    EXPECT_EQ(walk(rs, inv::Make), QStringList({"0 added", "b 6", "z changed"}));
    EXPECT_EQ(walk(rs, inv::Model), QStringList({"", "b 7", "stored first"}));
}

// An edit begun after a step that a rollback undoes may aim at a row that is gone or changed
// back: every undo step drops it.
TEST_F(RecordsetTest, ARolledBackStepLeavesNoPendingEdit)
{
    addAssets(3);
    Recordset& rs = inventory();
    enum class Step { Delete, DeleteAll, UpdateWhere };
    for (const Step step : {Step::Delete, Step::DeleteAll, Step::UpdateWhere}) {
        data->Home.beginTransaction();
        rs.MoveFirst();
        if (step == Step::DeleteAll) {
            rs.DeleteAll();
            rs.AddNew();
            rs.setField(inv::Make, QStringLiteral("a new row, not stored"));
        } else if (step == Step::Delete) {
            rs.Delete(); // a
            rs.MoveNext(); // b has moved into a's place
            rs.setField(inv::Make, QStringLiteral("b's new make"));
        } else {
            rs.UpdateWhere(inv::Area, QStringLiteral("Attic"), {});
            rs.setField(inv::Make, QStringLiteral("a's new make")); // the edit copies "Attic"
        }
        data->Home.rollback();
        EXPECT_FALSE(rs.editPending()) << int(step);
        rs.Update(); // nothing pending: stores nothing
        EXPECT_EQ(walk(rs, inv::Area), areas({"a", "b", "c"})) << int(step);
        EXPECT_EQ(walk(rs, inv::Make), QStringList({"a 6", "b 6", "c 6"})) << int(step);
    }
    reopen();
    EXPECT_EQ(walk(inventory(), inv::Make), QStringList({"a 6", "b 6", "c 6"}));
}

TEST_F(RecordsetTest, AWriteToARowGoneFromTheFileFailsAndStoresNothing)
{
    addAssets(3);
    {
        // A sync tool puts back a file without b, and with c under a new number.
        RawDb raw(dbFile());
        ASSERT_EQ(raw.exec("DELETE FROM Inventory WHERE Area = 'b 1'; "
                           "UPDATE Inventory SET AssetNumber = 99 WHERE Area = 'c 1'"),
                  SQLITE_OK);
    }
    Recordset& rs = inventory();
    const int refusedBefore = data->Home.refusedWrites();
    rs.MoveFirst();
    rs.MoveNext(); // b, still in memory
    rs.setField(inv::Make, QStringLiteral("lost"));
    EXPECT_THROW(rs.Update(), DatabaseError);
    rs.CancelUpdate();
    EXPECT_THROW(rs.Delete(), DatabaseError);
    EXPECT_EQ(rs.RecordCount(), 3) << "a failed delete removes nothing from the rows";
    using C = Recordset::Compare;
    EXPECT_THROW(rs.UpdateWhere(inv::Model, QStringLiteral("lost"), {{inv::Model, QStringLiteral("B 7"), C::UpperCase}}),
                 DatabaseError);
    EXPECT_THROW(rs.UpdateWhere(inv::Model, QStringLiteral("lost"), {}), DatabaseError);
    EXPECT_EQ(walk(rs, inv::Model), QStringList({"a 7", "b 7", "c 7"})) << "all or nothing";
    EXPECT_EQ(data->Home.refusedWrites(), refusedBefore + 4);
    RawDb raw(dbFile());
    EXPECT_EQ(raw.column("SELECT Make || '/' || Model FROM Inventory ORDER BY rowid"), QStringList({"a 6/a 7", "c 6/c 7"}));
}

TEST_F(RecordsetTest, ARollbackRestoresTheRowsARequeryRead)
{
    addAssets(2);
    Recordset& rs = inventory();
    Recordset& print = data->rsPrint;
    data->Home.beginTransaction();
    rs.MoveFirst();
    rs.setField(inv::Make, QStringLiteral("changed"));
    rs.Update();
    data->Home.beginTransaction();
    print.AddNew();
    print.setField(fld::Print::Area, QStringLiteral("copied"));
    print.Update();
    rs.Requery();
    EXPECT_EQ(walk(rs, inv::Make), QStringList({"changed", "b 6"}));
    data->Home.rollback(); // the inner one: the Inventory change stays
    EXPECT_EQ(walk(rs, inv::Make), QStringList({"changed", "b 6"}));
    EXPECT_EQ(print.RecordCount(), 0);
    data->Home.rollback();
    EXPECT_EQ(walk(rs, inv::Make), QStringList({"a 6", "b 6"}));
    reopen();
    EXPECT_EQ(walk(inventory(), inv::Make), QStringList({"a 6", "b 6"}));
}
