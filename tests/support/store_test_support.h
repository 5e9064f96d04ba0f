#pragma once
// A delivered database in the test's own temporary folder, with helpers to reopen it and to
// look at the file with plain SQLite, past our own layer.
#include "data/data_environment.h"
#include "data/fields.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>

namespace tlm::test {

// A plain connection for looking at (or damaging) the file behind the program's back.
class RawDb {
public:
    explicit RawDb(const QString& file)
    {
        if (sqlite3_open_v2(QFile::encodeName(file).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            ADD_FAILURE() << "cannot open " << file.toStdString();
    }
    ~RawDb() { sqlite3_close_v2(db_); }
    RawDb(const RawDb&) = delete;
    RawDb& operator=(const RawDb&) = delete;

    int exec(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); }
    // The first column of every row of `sql`, as text.
    QStringList column(const QString& sql)
    {
        QStringList out;
        sqlite3_stmt* st = nullptr;
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(db_, utf8.constData(), -1, &st, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sqlite3_errmsg(db_) << " in " << utf8.constData();
            return out;
        }
        while (sqlite3_step(st) == SQLITE_ROW)
            out << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), sqlite3_column_bytes(st, 0));
        sqlite3_finalize(st);
        return out;
    }
    QStringList columnsOf(const QString& table)
    {
        return column(QStringLiteral("SELECT name FROM pragma_table_info('%1') ORDER BY cid").arg(table));
    }
    sqlite3* handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        reopen();
    }
    QString dbFile() const { return dir.path() + QStringLiteral("/C_DB/TLM.db"); }
    QByteArray fileBytes() const
    {
        QFile f(dbFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Closes everything and opens the file afresh, as the next run of the program would.
    void reopen()
    {
        if (data)
            data->closeAll();
        data.reset();
        data = std::make_unique<DataEnvironment>(dbFile());
        data->openAll();
    }

    // Adds an asset with every field 1..27 set to "<tag> <field>", then sets the named fields.
    void addAsset(const QString& tag, std::initializer_list<std::pair<int, QString>> fields = {})
    {
        Recordset& rs = data->rsInventory;
        rs.AddNew();
        for (int f = fld::Inventory::Area; f < fld::Inventory::Count; ++f)
            rs.setField(f, QStringLiteral("%1 %2").arg(tag).arg(f));
        for (const auto& [f, v] : fields)
            rs.setField(f, v);
        rs.Update();
    }

    // Field `ordinal` of every row, walked from the first row to EOF.
    static QStringList walk(Recordset& rs, int ordinal)
    {
        QStringList out;
        if (rs.RecordCount() == 0)
            return out;
        for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext())
            out << rs.Fields(ordinal).text();
        return out;
    }

    QTemporaryDir dir;
    std::unique_ptr<DataEnvironment> data;
};

} // namespace tlm::test
