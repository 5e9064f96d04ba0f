#include "platform/recordset.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <exception>
#include <cerrno>
#include <unistd.h>

namespace tlm {

namespace {

struct Statement {
    sqlite3_stmt* st = nullptr;
    Statement(const Database& db, const QString& sql)
    {
        const QByteArray utf8 = sql.toUtf8();
        const int rc = sqlite3_prepare_v2(db.handle(), utf8.constData(), int(utf8.size()), &st, nullptr);
        if (rc != SQLITE_OK)
            db.raise(QStringLiteral("prepare"), rc);
    }
    ~Statement() { sqlite3_finalize(st); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
};

QString quoted(const QString& name) { return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"'; }

} // namespace

bool TableLayout::isMoney(int column) const
{
    return std::find(moneyColumns.begin(), moneyColumns.end(), column) != moneyColumns.end();
}

// ---------------------------------------------------------------- Database

Database::~Database() { close(); }

void Database::raise(const QString& context, int rc) const
{
    QString message = QString::fromUtf8(sqlite3_errstr(rc));
    if (db_ && sqlite3_errcode(db_) == rc)
        message = QString::fromUtf8(sqlite3_errmsg(db_));
    throw DatabaseError(QStringLiteral("%1: %2 (%3)").arg(context, message, file_));
}

void Database::checkWrite() const
{
    if (failWrite && failWrite())
        throw DatabaseError(QStringLiteral("write: database or disk is full (%1)").arg(file_));
}

void Database::open(const QString& file)
{
    close();
    if (!QFileInfo::exists(file))
        throw DatabaseError(QStringLiteral("open: the database file does not exist (%1)").arg(file));
    file_ = file;
    const QByteArray path = QFile::encodeName(file);
    const int rc = sqlite3_open_v2(path.constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw DatabaseError(QStringLiteral("open: %1 (%2)").arg(QString::fromUtf8(sqlite3_errstr(rc)), file));
    }
    try {
        // Reading the schema is what tells a database from any other file.
        exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
        exec(QStringLiteral("PRAGMA synchronous=FULL"));
    } catch (...) {
        close();
        throw;
    }
}

void Database::create(const QString& file, const std::function<void(Database&)>& populate)
{
    if (QFileInfo::exists(file))
        throw DatabaseError(QStringLiteral("create: the file exists already (%1)").arg(file));
    const QString temp = file + QStringLiteral(".new");
    QFile::remove(temp);
    {
        Database db;
        db.file_ = temp;
        const QByteArray path = QFile::encodeName(temp);
        const int rc = sqlite3_open_v2(path.constData(), &db.db_,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc != SQLITE_OK) {
            sqlite3_close(db.db_);
            db.db_ = nullptr;
            throw DatabaseError(QStringLiteral("create: %1 (%2)").arg(QString::fromUtf8(sqlite3_errstr(rc)), temp));
        }
        try {
            db.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
            db.exec(QStringLiteral("PRAGMA synchronous=FULL"));
            db.beginTransaction();
            populate(db);
            db.commit();
        } catch (...) {
            db.close();
            QFile::remove(temp);
            throw;
        }
    }
    // link() refuses an existing name, so a file that appeared meanwhile is never replaced.
    const QByteArray from = QFile::encodeName(temp);
    const QByteArray to = QFile::encodeName(file);
    if (::link(from.constData(), to.constData()) != 0) {
        const int err = errno;
        QFile::remove(temp);
        throw DatabaseError(QStringLiteral("create: %1 (%2)").arg(QString::fromLocal8Bit(strerror(err)), file));
    }
    QFile::remove(temp);
}

void Database::close()
{
    if (db_) {
        if (inTransaction_)
            rollback();
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

void Database::exec(const QString& sql)
{
    if (!db_)
        throw DatabaseError(QStringLiteral("exec: the database is not open"));
    char* err = nullptr;
    const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &err);
    sqlite3_free(err);
    if (rc != SQLITE_OK)
        raise(QStringLiteral("exec"), rc);
}

void Database::verifyLayout(const TableLayout& layout)
{
    Statement st(*this, QStringLiteral("SELECT name FROM pragma_table_info(?1) ORDER BY cid"));
    const QByteArray table = layout.table.toUtf8();
    sqlite3_bind_text(st.st, 1, table.constData(), int(table.size()), SQLITE_TRANSIENT);
    QStringList found;
    int rc;
    while ((rc = sqlite3_step(st.st)) == SQLITE_ROW)
        found << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.st, 0)));
    if (rc != SQLITE_DONE)
        raise(QStringLiteral("verify"), rc);
    if (found != layout.columns)
        throw DatabaseError(QStringLiteral("The table %1 is missing or has other fields (%2)").arg(layout.table, file_));
}

void Database::beginTransaction()
{
    if (inTransaction_)
        throw DatabaseError(QStringLiteral("A transaction is already open"));
    exec(QStringLiteral("BEGIN IMMEDIATE"));
    inTransaction_ = true;
    undo_.clear();
}

void Database::commit()
{
    if (!inTransaction_)
        throw DatabaseError(QStringLiteral("No transaction is open"));
    checkWrite();
    exec(QStringLiteral("COMMIT"));
    inTransaction_ = false;
    undo_.clear();
}

void Database::rollback()
{
    if (!inTransaction_)
        return;
    inTransaction_ = false;
    if (db_ && !sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    for (auto it = undo_.rbegin(); it != undo_.rend(); ++it)
        (*it)();
    undo_.clear();
}

void Database::addUndo(std::function<void()> undo)
{
    if (inTransaction_)
        undo_.push_back(std::move(undo));
}

Transaction::~Transaction()
{
    if (!done_)
        db_.rollback();
}

void Transaction::commit()
{
    db_.commit();
    done_ = true;
}

// ---------------------------------------------------------------- Recordset

Recordset::Recordset(Database& db, TableLayout layout) : db_(db), layout_(std::move(layout)) {}

Recordset::~Recordset() = default;

void Recordset::requireOpen() const
{
    if (!open_)
        throw RecordsetError(QStringLiteral("Operation is not allowed when the object is closed (%1).").arg(layout_.table));
}

void Recordset::checkOrdinal(int ordinal) const
{
    if (ordinal < 0 || ordinal >= fieldCount())
        throw RecordsetError(QStringLiteral("Item cannot be found in the collection (%1 field %2).").arg(layout_.table).arg(ordinal));
}

bool Recordset::onRow() const { return !currentDeleted_ && pos_ >= 0 && pos_ < qint64(rows_.size()); }

Value Recordset::readColumn(sqlite3_stmt* st, int col, int ordinal) const
{
    switch (sqlite3_column_type(st, col)) {
    case SQLITE_NULL:
        return Value();
    case SQLITE_INTEGER: {
        const qint64 n = sqlite3_column_int64(st, col);
        return layout_.isMoney(ordinal) ? Value(Currency::fromRaw(n)) : Value::number(n);
    }
    case SQLITE_FLOAT:
        return Value(QString::number(sqlite3_column_double(st, col)));
    default: {
        const char* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
        return Value(QString::fromUtf8(p, sqlite3_column_bytes(st, col)));
    }
    }
}

void Recordset::bindValue(sqlite3_stmt* st, int index, int ordinal, const Value& v) const
{
    switch (v.kind()) {
    case Value::Kind::Null:
        sqlite3_bind_null(st, index);
        break;
    case Value::Kind::Text: {
        const QByteArray utf8 = v.text().toUtf8();
        sqlite3_bind_text(st, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        break;
    }
    case Value::Kind::Number:
        sqlite3_bind_int64(st, index, layout_.isMoney(ordinal) ? v.toInteger() * Currency::Scale : v.toInteger());
        break;
    case Value::Kind::Money:
        if (layout_.isMoney(ordinal)) {
            sqlite3_bind_int64(st, index, v.toCurrency().raw);
        } else {
            const QByteArray utf8 = v.text().toUtf8();
            sqlite3_bind_text(st, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        }
        break;
    }
}

Value Recordset::storedForm(int ordinal, const Value& v) const
{
    // Mirrors bindValue and readColumn, so a row reads the same before and after a reopen.
    switch (v.kind()) {
    case Value::Kind::Number:
        return layout_.isMoney(ordinal) ? Value(Currency::fromDollars(v.toInteger())) : v;
    case Value::Kind::Money:
        return layout_.isMoney(ordinal) ? v : Value(v.text());
    default:
        return v;
    }
}

void Recordset::Open()
{
    if (open_)
        throw RecordsetError(QStringLiteral("Operation is not allowed when the object is open (%1).").arg(layout_.table));
    if (!db_.isOpen())
        throw DatabaseError(QStringLiteral("The connection is not open"));
    db_.verifyLayout(layout_);
    QStringList cols;
    for (const QString& c : layout_.columns)
        cols << quoted(c);
    Statement st(db_, QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid").arg(cols.join(u','), quoted(layout_.table)));
    std::vector<Row> rows;
    int rc;
    const int n = fieldCount();
    while ((rc = sqlite3_step(st.st)) == SQLITE_ROW) {
        Row row{sqlite3_column_int64(st.st, 0), {}};
        row.values.reserve(n);
        for (int i = 0; i < n; ++i)
            row.values.push_back(readColumn(st.st, i + 1, i));
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        db_.raise(QStringLiteral("open %1").arg(layout_.table), rc);
    rows_ = std::move(rows);
    open_ = true;
    pos_ = rows_.empty() ? -1 : 0;
    currentDeleted_ = false;
    mode_ = Mode::None;
    sort_.clear();
    if (db_.onEvent)
        db_.onEvent(QStringLiteral("open ") + layout_.table);
}

void Recordset::Close()
{
    requireOpen();
    // A pending change is written, never dropped; one that cannot be written does not keep
    // the recordset open, and the caller hears of it.
    std::exception_ptr failure;
    try {
        commitPending();
    } catch (...) {
        failure = std::current_exception();
        CancelUpdate();
    }
    rows_.clear();
    rows_.shrink_to_fit();
    open_ = false;
    pos_ = -1;
    if (db_.onEvent)
        db_.onEvent(QStringLiteral("close ") + layout_.table);
    if (failure)
        std::rethrow_exception(failure);
}

qint64 Recordset::RecordCount() const
{
    requireOpen();
    return qint64(rows_.size());
}

bool Recordset::isBOF() const
{
    requireOpen();
    return rows_.empty() || pos_ < 0;
}

bool Recordset::isEOF() const
{
    requireOpen();
    return rows_.empty() || pos_ >= qint64(rows_.size());
}

void Recordset::commitPending()
{
    if (mode_ != Mode::None)
        Update();
}

void Recordset::MoveFirst()
{
    requireOpen();
    commitPending();
    currentDeleted_ = false;
    pos_ = rows_.empty() ? -1 : 0;
}

void Recordset::MoveNext()
{
    requireOpen();
    commitPending();
    if (currentDeleted_) {
        // The next row has moved into the deleted row's place; after the last row that is EOF.
        currentDeleted_ = false;
        return;
    }
    if (isEOF())
        throw RecordsetError(QStringLiteral("Either BOF or EOF is True (%1).").arg(layout_.table));
    ++pos_;
}

void Recordset::MovePrevious()
{
    requireOpen();
    commitPending();
    // After a Delete the row before the deleted one is the previous row, BOF when there is none.
    if (isBOF() && !currentDeleted_)
        throw RecordsetError(QStringLiteral("Either BOF or EOF is True (%1).").arg(layout_.table));
    currentDeleted_ = false;
    --pos_;
    if (pos_ >= qint64(rows_.size()))
        pos_ = qint64(rows_.size()) - 1;
}

void Recordset::AddNew()
{
    requireOpen();
    // A new row still pending is stored first, as the original data layer does.
    commitPending();
    posBeforeAdd_ = currentDeleted_ ? -1 : pos_;
    mode_ = Mode::Add;
    buffer_.assign(fieldCount(), Value());
    dirty_.assign(fieldCount(), false);
}

Value Recordset::Fields(int ordinal) const
{
    requireOpen();
    checkOrdinal(ordinal);
    if (mode_ == Mode::Add)
        return buffer_[ordinal];
    if (!onRow())
        throw RecordsetError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted (%1).").arg(layout_.table));
    if (mode_ == Mode::Edit && dirty_[ordinal])
        return buffer_[ordinal];
    return rows_[pos_].values[ordinal];
}

void Recordset::setField(int ordinal, const Value& value)
{
    requireOpen();
    checkOrdinal(ordinal);
    if (ordinal == layout_.autoKeyColumn)
        throw RecordsetError(QStringLiteral("The field %1 is assigned by the database.").arg(layout_.columns[ordinal]));
    if (mode_ == Mode::None) {
        if (!onRow())
            throw RecordsetError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted (%1).").arg(layout_.table));
        mode_ = Mode::Edit;
        buffer_ = rows_[pos_].values;
        dirty_.assign(fieldCount(), false);
    }
    buffer_[ordinal] = value;
    dirty_[ordinal] = true;
}

qint64 Recordset::indexOfRowid(qint64 rowid) const
{
    for (qint64 i = 0; i < qint64(rows_.size()); ++i)
        if (rows_[i].rowid == rowid)
            return i;
    return -1;
}

void Recordset::Update()
{
    requireOpen();
    if (mode_ == Mode::None)
        return; // nothing changed: harmless
    db_.checkWrite();
    const int n = fieldCount();
    if (mode_ == Mode::Add) {
        QStringList cols, marks;
        std::vector<int> ordinals;
        for (int i = 0; i < n; ++i) {
            if (i == layout_.autoKeyColumn)
                continue;
            cols << quoted(layout_.columns[i]);
            marks << QStringLiteral("?");
            ordinals.push_back(i);
        }
        Statement st(db_, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(quoted(layout_.table), cols.join(u','), marks.join(u',')));
        for (size_t k = 0; k < ordinals.size(); ++k)
            bindValue(st.st, int(k + 1), ordinals[k], buffer_[ordinals[k]]);
        const int rc = sqlite3_step(st.st);
        if (rc != SQLITE_DONE)
            db_.raise(QStringLiteral("add to %1").arg(layout_.table), rc);
        Row row{sqlite3_last_insert_rowid(db_.handle()), buffer_};
        for (int i = 0; i < n; ++i)
            row.values[i] = storedForm(i, row.values[i]);
        if (layout_.autoKeyColumn >= 0)
            row.values[layout_.autoKeyColumn] = Value::number(row.rowid);
        const qint64 rowid = row.rowid;
        rows_.push_back(std::move(row));
        pos_ = qint64(rows_.size()) - 1;
        currentDeleted_ = false;
        mode_ = Mode::None;
        db_.addUndo([this, rowid] {
            const qint64 i = indexOfRowid(rowid);
            if (i >= 0)
                rows_.erase(rows_.begin() + i);
            mode_ = Mode::None;
            if (pos_ > qint64(rows_.size()))
                pos_ = qint64(rows_.size());
        });
        return;
    }
    QStringList sets;
    std::vector<int> ordinals;
    for (int i = 0; i < n; ++i) {
        if (dirty_[i]) {
            sets << quoted(layout_.columns[i]) + QStringLiteral("=?");
            ordinals.push_back(i);
        }
    }
    Row& row = rows_[pos_];
    Statement st(db_, QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?").arg(quoted(layout_.table), sets.join(u',')));
    for (size_t k = 0; k < ordinals.size(); ++k)
        bindValue(st.st, int(k + 1), ordinals[k], buffer_[ordinals[k]]);
    sqlite3_bind_int64(st.st, int(ordinals.size() + 1), row.rowid);
    const int rc = sqlite3_step(st.st);
    if (rc != SQLITE_DONE)
        db_.raise(QStringLiteral("update %1").arg(layout_.table), rc);
    std::vector<Value> old = row.values;
    for (int i : ordinals)
        row.values[i] = storedForm(i, buffer_[i]);
    mode_ = Mode::None;
    const qint64 rowid = row.rowid;
    db_.addUndo([this, rowid, old] {
        const qint64 i = indexOfRowid(rowid);
        if (i >= 0)
            rows_[i].values = old;
        mode_ = Mode::None;
    });
}

void Recordset::CancelUpdate()
{
    requireOpen();
    if (mode_ == Mode::Add)
        pos_ = posBeforeAdd_ < 0 ? (rows_.empty() ? -1 : qint64(rows_.size())) : posBeforeAdd_;
    mode_ = Mode::None;
    buffer_.clear();
    dirty_.clear();
}

void Recordset::Delete()
{
    requireOpen();
    if (mode_ == Mode::Add) {
        CancelUpdate();
        return;
    }
    if (!onRow())
        throw RecordsetError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted (%1).").arg(layout_.table));
    mode_ = Mode::None;
    db_.checkWrite();
    Statement st(db_, QStringLiteral("DELETE FROM %1 WHERE rowid=?").arg(quoted(layout_.table)));
    sqlite3_bind_int64(st.st, 1, rows_[pos_].rowid);
    const int rc = sqlite3_step(st.st);
    if (rc != SQLITE_DONE)
        db_.raise(QStringLiteral("delete from %1").arg(layout_.table), rc);
    Row removed = std::move(rows_[pos_]);
    const qint64 at = pos_;
    rows_.erase(rows_.begin() + pos_);
    currentDeleted_ = true;
    db_.addUndo([this, at, removed] {
        const qint64 i = std::min<qint64>(at, qint64(rows_.size()));
        rows_.insert(rows_.begin() + i, removed);
        currentDeleted_ = false;
    });
}

void Recordset::Sort(const QString& column)
{
    requireOpen();
    commitPending();
    int ordinal = -1;
    if (!column.isEmpty()) {
        ordinal = int(layout_.columns.indexOf(column));
        if (ordinal < 0)
            throw RecordsetError(QStringLiteral("Sort: no field named %1 in %2.").arg(column, layout_.table));
    }
    if (ordinal < 0) {
        std::stable_sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) { return a.rowid < b.rowid; });
    } else {
        std::stable_sort(rows_.begin(), rows_.end(), [ordinal](const Row& a, const Row& b) {
            const Value& x = a.values[ordinal];
            const Value& y = b.values[ordinal];
            if (x.isNull() != y.isNull())
                return x.isNull();
            if (x.isNumber() && y.isNumber())
                return x.toInteger() < y.toInteger();
            return x.text().compare(y.text(), Qt::CaseInsensitive) < 0;
        });
    }
    sort_ = column;
    currentDeleted_ = false;
    pos_ = rows_.empty() ? -1 : 0;
}

} // namespace tlm
