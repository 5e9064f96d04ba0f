#pragma once
// The store behind the screens: one SQLite connection and recordsets with the cursor
// operations the screens were designed for. Every Update is written to disk at once.
#include "platform/value.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace tlm {

class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& what) : std::runtime_error(what.toStdString()) {}
};

// A cursor or field operation that the recordset does not allow in its present state
// (reading at BOF or EOF, moving past the end, writing a closed recordset).
class RecordsetError : public std::runtime_error {
public:
    explicit RecordsetError(const QString& what) : std::runtime_error(what.toStdString()) {}
};

struct TableLayout {
    QString table;
    QStringList columns;      // in field order
    int autoKeyColumn = -1;   // a number the database assigns, never reused
    std::vector<int> moneyColumns;

    bool isMoney(int column) const;
};

class Database {
public:
    Database() = default;
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing database file; never creates or replaces one.
    void open(const QString& file);
    // Creates a new file at `file` with `script` run in one transaction; the file appears
    // complete or not at all, and an existing file is never replaced.
    static void create(const QString& file, const std::function<void(Database&)>& populate);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    QString file() const { return file_; }

    void exec(const QString& sql);
    // Throws unless every table of `layouts` exists with its columns in order.
    void verifyLayout(const TableLayout& layout);

    // All or nothing over several Updates. Undo steps restore the recordsets' rows when the
    // transaction is rolled back.
    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const { return inTransaction_; }
    void addUndo(std::function<void()> undo);

    // Seen by tests: every recordset open and close, in order ("open Inventory").
    std::function<void(const QString& event)> onEvent;
    // Tests can make the next writes fail as a full disk would.
    std::function<bool()> failWrite;

    sqlite3* handle() const { return db_; }
    [[noreturn]] void raise(const QString& context, int rc) const;
    void checkWrite() const;

private:
    sqlite3* db_ = nullptr;
    QString file_;
    bool inTransaction_ = false;
    std::vector<std::function<void()>> undo_;
};

// All or nothing: rolls back unless commit() was reached.
class Transaction {
public:
    explicit Transaction(Database& db) : db_(db) { db_.beginTransaction(); }
    ~Transaction();
    void commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Database& db_;
    bool done_ = false;
};

class Recordset {
public:
    Recordset(Database& db, TableLayout layout);
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    const TableLayout& layout() const { return layout_; }
    int fieldCount() const { return int(layout_.columns.size()); }

    void Open();
    void Close();
    bool isOpen() const { return open_; }

    qint64 RecordCount() const;
    bool isBOF() const;
    bool isEOF() const;
    qint64 AbsolutePosition() const { return pos_; }

    void MoveFirst();
    void MoveNext();
    void MovePrevious();

    void AddNew();
    void Update();
    void CancelUpdate();
    void Delete();
    // Sorts by a column name ("Make"); an empty name restores table order. Moves to the first row.
    void Sort(const QString& column);

    Value Fields(int ordinal) const;
    QString text(int ordinal) const { return Fields(ordinal).text(); }
    void setField(int ordinal, const Value& value);
    bool editPending() const { return mode_ != Mode::None; }

private:
    struct Row {
        qint64 rowid;
        std::vector<Value> values;
    };
    enum class Mode { None, Edit, Add };

    void requireOpen() const;
    void checkOrdinal(int ordinal) const;
    bool onRow() const;
    void commitPending();
    Value readColumn(sqlite3_stmt* st, int col, int ordinal) const;
    void bindValue(sqlite3_stmt* st, int index, int ordinal, const Value& v) const;
    Value storedForm(int ordinal, const Value& v) const;
    qint64 indexOfRowid(qint64 rowid) const;

    Database& db_;
    TableLayout layout_;
    bool open_ = false;
    std::vector<Row> rows_;
    qint64 pos_ = -1;
    bool currentDeleted_ = false;
    Mode mode_ = Mode::None;
    std::vector<Value> buffer_;
    std::vector<bool> dirty_;
    qint64 posBeforeAdd_ = -1;
    QString sort_;
};

} // namespace tlm
