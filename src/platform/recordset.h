#pragma once
// The store behind the screens: one SQLite connection and recordsets with the cursor
// operations the screens were designed for. Every Update is written to disk at once, or with
// the transaction it belongs to. No value is ever pasted into SQL: every value is bound.
#include "platform/packed_row.h"
#include "platform/value.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <initializer_list>
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

// A write refused because the data cannot be written at all in this run: the file, its folder
// or its file system is read-only, or the connection was opened for reading. Nothing changed.
class ReadOnlyError : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
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

class Recordset;

// One SQLite connection. It must outlive the recordsets made over it.
class Database {
public:
    // Why nothing can be written in this run.
    enum class ReadOnly { No, Connection, File, Folder, FileSystem };

    Database() = default;
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing database file; never creates or replaces one.
    void open(const QString& file);
    // Creates a new file at `file`, filled by `populate` in one transaction; the file appears
    // complete or not at all, and an existing file is never replaced.
    static void create(const QString& file, const std::function<void(Database&)>& populate);
    // Removes what a creation interrupted by a kill left beside `file`.
    static void discardInterruptedCreation(const QString& file);
    // SQLite's quick check of a database file that is not open; false with the first
    // complaint in `problem` when the file is damaged or cannot be read.
    static bool quickCheck(const QString& file, QString* problem = nullptr);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    QString file() const { return file_; }

    // For the builder of a new database (inside `create`): a table of the layout's columns.
    void createTable(const TableLayout& layout);
    // Throws unless the table of `layout` exists with its columns in order.
    void verifyLayout(const TableLayout& layout);

    // Amount columns hold the amount itself (1250.5). A file of the first form held them as
    // whole ten-thousandths; such a file reads correctly until convertAmounts rewrites it.
    bool amountsInTenThousandths() const { return tenThousandths_; }
    void convertAmounts(const std::vector<const TableLayout*>& layouts);

    // Transactions nest. The outermost one is a database transaction; each inner one is a
    // savepoint inside it. An inner commit hands its work to the enclosing transaction; an
    // inner rollback undoes only its own work, on disk and in the recordsets' rows, and the
    // enclosing one goes on. Only the outermost commit writes to disk.
    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const { return !frames_.empty(); }
    int transactionDepth() const { return int(frames_.size()); }

    ReadOnly readOnly() const { return readOnly_; }
    bool isReadOnly() const { return readOnly_ != ReadOnly::No; }
    // Writes refused or failed since the file was opened (still counted after close).
    int refusedWrites() const { return refusedWrites_; }

    // Opens the next file for reading only, as if nobody could write it.
    bool openReadOnly = false;
    // Seen by tests: every recordset open and close, in order ("open Inventory").
    std::function<void(const QString& event)> onEvent;
    // Tests can make the next writes fail as a full disk would.
    std::function<bool()> failWrite;

    // The connection itself, for tests that watch or go around the store.
    sqlite3* handle() const { return db_; }

private:
    friend class Recordset;
    friend class Transaction;
    struct UndoStep {
        const Recordset* owner;
        std::function<void()> undo;
    };

    void exec(const QString& sql);
    [[noreturn]] void raise(const QString& context, int rc) const;
    // A write that SQLite refused: counted, and a ReadOnlyError when the data cannot be written.
    [[noreturn]] void refuse(const QString& context, int rc);
    // Throws before a write that cannot succeed (read-only data, a simulated full disk).
    void checkWrite();
    // Throws when the last statement changed no row: the row it aimed at is gone from the file.
    void requireRowChanged(const QString& context);
    // A prepared statement kept for the life of the connection; reset after each use.
    sqlite3_stmt* statement(const QString& sql);
    void addUndo(const Recordset* owner, std::function<void()> undo);
    void dropUndo(const Recordset* owner);
    void runUndo(size_t from);
    void detectReadOnly(bool forced);
    void finalizeStatements();

    sqlite3* db_ = nullptr;
    QString file_;
    std::vector<size_t> frames_; // where each open transaction's undo steps begin
    std::vector<UndoStep> undo_;
    QHash<QString, sqlite3_stmt*> statements_;
    bool tenThousandths_ = false;
    ReadOnly readOnly_ = ReadOnly::No;
    int refusedWrites_ = 0;
};

// All or nothing: rolls back unless commit() was reached. May be opened inside another.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    void commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Database& db_;
    int depth_;
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
    // Reads the rows again from disk (what another connection wrote), keeping the sort;
    // a pending edit is stored first. The cursor goes to the first row.
    void Requery();

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
    // Every row at once, in one statement; a pending edit is dropped. BOF and EOF afterwards.
    void DeleteAll();
    // Sorts by a column name ("Make"); an empty name restores table order. Moves to the first row.
    void Sort(const QString& column);

    // Sets field `ordinal` to `value` in every row whose conditions all hold, on disk and in
    // the rows, in one transaction (inside the caller's, if any); returns the rows changed.
    // A condition compares the field's text with the value's text (a stored number 0 equals
    // "0"), exactly or both upper-cased as the screens compare names. A pending edit is stored
    // first; the cursor stays where it is.
    enum class Compare { Exact, UpperCase };
    struct Condition {
        int ordinal;
        Value value;
        Compare compare = Compare::Exact;
    };
    qint64 UpdateWhere(int ordinal, const Value& value, const std::vector<Condition>& where);

    Value Fields(int ordinal) const;
    QString text(int ordinal) const { return Fields(ordinal).text(); }
    // The field as text() gives it, without copying a stored text: the view points into the
    // row and holds until the cursor moves or the row changes. A number is written into
    // `buffer` and viewed there. For walks that only read, such as a search.
    QStringView textView(int ordinal, QString& buffer) const;
    void setField(int ordinal, const Value& value);
    bool editPending() const { return mode_ != Mode::None; }

private:
    struct Row {
        qint64 rowid;
        PackedRow values;
    };
    enum class Mode { None, Edit, Add };

    void requireOpen() const;
    void checkOrdinal(int ordinal) const;
    bool onRow() const;
    void commitPending();
    // Forgets a pending edit: after a rollback it may aim at another row than it was made on.
    void dropEdit();
    std::vector<Row> load();
    // After a rollback, reads the rows again (for rows read inside the transaction).
    void reloadAfterRollback();
    void sortRows(int ordinal);
    // A text is bound without a copy of SQLite's own: `utf8` must outlive the statement's step.
    void bindValue(sqlite3_stmt* st, int index, int ordinal, const Value& v, QByteArray& utf8) const;
    Value storedForm(int ordinal, const Value& v) const;
    qint64 indexOfRowid(qint64 rowid) const;
    bool matches(const Row& row, const std::vector<Condition>& where, const std::vector<QString>& wanted) const;

    Database& db_;
    TableLayout layout_;
    QString selectSql_, insertSql_, deleteSql_, deleteAllSql_;
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

// Guards an edit of recordset rows: when the scope is left by an exception, a pending edit
// (fields set, Update not reached) is cancelled, so the next move cannot store half a row.
// Leaving the scope normally changes nothing: a pending edit is then stored by the next move.
//     EditGuard edit(rs); rs.setField(1, x); ... rs.Update();
class EditGuard {
public:
    explicit EditGuard(Recordset& recordset) : EditGuard({&recordset}) {}
    // Several recordsets; null pointers are skipped.
    EditGuard(std::initializer_list<Recordset*> recordsets);
    ~EditGuard();
    EditGuard(const EditGuard&) = delete;
    EditGuard& operator=(const EditGuard&) = delete;

private:
    std::vector<Recordset*> recordsets_;
    int exceptions_;
};

} // namespace tlm
