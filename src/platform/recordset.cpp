#include "platform/recordset.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>
#include <numeric>
#include <string>
#include <sys/statvfs.h>
#include <unistd.h>
#include <utility>

namespace tlm {

namespace {

// PRAGMA user_version of a file whose amount columns hold the amount itself; files of the
// first form (0) held whole ten-thousandths.
constexpr int kAmountsForm = 1;

// A statement prepared for one use.
struct Statement {
    sqlite3_stmt* st = nullptr;
    Statement(sqlite3* db, const QString& sql)
    {
        const QByteArray utf8 = sql.toUtf8();
        rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &st, nullptr);
    }
    ~Statement() { sqlite3_finalize(st); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    int rc = SQLITE_OK;
};

// Leaves a kept statement ready for its next use, whatever happened to this one.
struct Reset {
    sqlite3_stmt* st;
    ~Reset()
    {
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
    }
};

QString quoted(const QString& name) { return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"'; }

QString describe(sqlite3* db, const QString& file, const QString& context, int rc)
{
    QString message = QString::fromUtf8(sqlite3_errstr(rc));
    if (db && sqlite3_errcode(db) == rc)
        message = QString::fromUtf8(sqlite3_errmsg(db));
    return QStringLiteral("%1: %2 (%3)").arg(context, message, file);
}

// The text a condition compares: a number as its digits, an amount as its plain number.
// A text field is not copied: the result points into the row.
QString cellText(const PackedRow& row, int i)
{
    switch (row.kind(i)) {
    case Value::Kind::Null:
        return QString();
    case Value::Kind::Text: {
        const QStringView v = row.textView(i);
        return QString::fromRawData(reinterpret_cast<const QChar*>(v.utf16()), v.size());
    }
    case Value::Kind::Number:
        return QString::number(row.number(i));
    case Value::Kind::Money:
        return CurrencyPlainText(Currency::fromRaw(row.number(i)));
    }
    return QString();
}

} // namespace

bool TableLayout::isMoney(int column) const
{
    return std::find(moneyColumns.begin(), moneyColumns.end(), column) != moneyColumns.end();
}

// ---------------------------------------------------------------- Database

Database::~Database() { close(); }

void Database::raise(const QString& context, int rc) const { throw DatabaseError(describe(db_, file_, context, rc)); }

void Database::refuse(const QString& context, int rc)
{
    ++refusedWrites_;
    if (isReadOnly() || (rc & 0xff) == SQLITE_READONLY)
        throw ReadOnlyError(describe(db_, file_, context, rc));
    raise(context, rc);
}

void Database::requireRowChanged(const QString& context)
{
    if (sqlite3_changes(db_) != 0)
        return;
    // The row was removed or replaced behind the program's back (a file put back by a sync
    // tool, say): nothing was stored, and the caller must not take it as saved.
    ++refusedWrites_;
    throw DatabaseError(QStringLiteral("%1: the row is no longer in the file (%2)").arg(context, file_));
}

void Database::checkWrite()
{
    if (isReadOnly()) {
        ++refusedWrites_;
        throw ReadOnlyError(QStringLiteral("write: the database cannot be written (%1)").arg(file_));
    }
    if (failWrite && failWrite()) {
        ++refusedWrites_;
        throw DatabaseError(QStringLiteral("write: database or disk is full (%1)").arg(file_));
    }
}

void Database::open(const QString& file)
{
    close();
    if (!QFileInfo::exists(file))
        throw DatabaseError(QStringLiteral("open: the database file does not exist (%1)").arg(file));
    file_ = file;
    refusedWrites_ = 0;
    const QByteArray path = QFile::encodeName(file);
    const int flags = (openReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(path.constData(), &db_, flags, nullptr);
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
        Statement version(db_, QStringLiteral("PRAGMA user_version"));
        if (version.rc != SQLITE_OK || sqlite3_step(version.st) != SQLITE_ROW)
            raise(QStringLiteral("open"), sqlite3_errcode(db_));
        tenThousandths_ = sqlite3_column_int(version.st, 0) < kAmountsForm;
        detectReadOnly(openReadOnly);
    } catch (...) {
        close();
        throw;
    }
}

void Database::detectReadOnly(bool forced)
{
    const QByteArray path = QFile::encodeName(file_);
    const QByteArray folder = QFile::encodeName(QFileInfo(file_).absolutePath());
    struct statvfs fs {};
    if (::statvfs(path.constData(), &fs) == 0 && (fs.f_flag & ST_RDONLY))
        readOnly_ = ReadOnly::FileSystem;
    else if (forced)
        readOnly_ = ReadOnly::Connection;
    else if (sqlite3_db_readonly(db_, "main") == 1 || ::access(path.constData(), W_OK) != 0)
        readOnly_ = ReadOnly::File;
    else if (::access(folder.constData(), W_OK) != 0) // no room for the journal of a write
        readOnly_ = ReadOnly::Folder;
    else
        readOnly_ = ReadOnly::No;
}

void Database::create(const QString& file, const std::function<void(Database&)>& populate)
{
    if (QFileInfo::exists(file))
        throw DatabaseError(QStringLiteral("create: the file exists already (%1)").arg(file));
    const QString temp = file + QStringLiteral(".new");
    discardInterruptedCreation(file);
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
            db.exec(QStringLiteral("PRAGMA user_version=%1").arg(kAmountsForm));
            populate(db);
            db.commit();
        } catch (...) {
            db.close();
            discardInterruptedCreation(file);
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

void Database::discardInterruptedCreation(const QString& file)
{
    const QString temp = file + QStringLiteral(".new");
    QFile::remove(temp + QStringLiteral("-journal"));
    QFile::remove(temp);
}

bool Database::quickCheck(const QString& file, QString* problem)
{
    QStringList found;
    sqlite3* db = nullptr;
    const QByteArray path = QFile::encodeName(file);
    int rc = QFileInfo::exists(file) ? sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr)
                                     : SQLITE_CANTOPEN;
    if (rc == SQLITE_OK) {
        Statement st(db, QStringLiteral("PRAGMA quick_check"));
        rc = st.rc;
        while (rc == SQLITE_OK && sqlite3_step(st.st) == SQLITE_ROW)
            found << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.st, 0)));
        if (rc == SQLITE_OK && sqlite3_errcode(db) != SQLITE_OK && sqlite3_errcode(db) != SQLITE_DONE &&
            sqlite3_errcode(db) != SQLITE_ROW)
            rc = sqlite3_errcode(db);
    }
    if (rc != SQLITE_OK && found.isEmpty())
        found << describe(db, file, QStringLiteral("check"), rc);
    sqlite3_close_v2(db);
    const bool ok = found == QStringList{QStringLiteral("ok")};
    if (!ok && problem)
        *problem = found.value(0);
    return ok;
}

void Database::close()
{
    if (db_) {
        while (!frames_.empty())
            rollback();
        finalizeStatements();
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
    frames_.clear();
    undo_.clear();
}

void Database::finalizeStatements()
{
    for (sqlite3_stmt* st : std::as_const(statements_))
        sqlite3_finalize(st);
    statements_.clear();
}

sqlite3_stmt* Database::statement(const QString& sql)
{
    if (!db_)
        throw DatabaseError(QStringLiteral("The connection is not open"));
    if (sqlite3_stmt* st = statements_.value(sql))
        return st;
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* st = nullptr;
    const int rc = sqlite3_prepare_v3(db_, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT, &st, nullptr);
    if (rc != SQLITE_OK)
        raise(QStringLiteral("prepare"), rc);
    statements_.insert(sql, st);
    return st;
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

void Database::createTable(const TableLayout& layout)
{
    QStringList cols;
    for (int i = 0; i < layout.columns.size(); ++i) {
        QString c = quoted(layout.columns[i]);
        // No declared type elsewhere: every value keeps the kind it was written with.
        if (i == layout.autoKeyColumn)
            c += QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
        cols << c;
    }
    exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(layout.table), cols.join(QStringLiteral(", "))));
}

void Database::verifyLayout(const TableLayout& layout)
{
    sqlite3_stmt* st = statement(QStringLiteral("SELECT name FROM pragma_table_info(?1) ORDER BY cid"));
    Reset reset{st};
    const QByteArray table = layout.table.toUtf8();
    sqlite3_bind_text(st, 1, table.constData(), int(table.size()), SQLITE_TRANSIENT);
    QStringList found;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW)
        found << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    if (rc != SQLITE_DONE)
        raise(QStringLiteral("verify"), rc);
    if (found != layout.columns)
        throw DatabaseError(QStringLiteral("The table %1 is missing or has other fields (%2)").arg(layout.table, file_));
}

void Database::convertAmounts(const std::vector<const TableLayout*>& layouts)
{
    if (!tenThousandths_)
        return;
    if (inTransaction())
        throw DatabaseError(QStringLiteral("convert: a transaction is open (%1)").arg(file_));
    exec(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        for (const TableLayout* layout : layouts)
            for (int column : layout->moneyColumns) {
                const QString c = quoted(layout->columns[column]);
                exec(QStringLiteral("UPDATE %1 SET %2 = %2 / 10000.0 WHERE typeof(%2) = 'integer'")
                         .arg(quoted(layout->table), c));
            }
        exec(QStringLiteral("PRAGMA user_version=%1").arg(kAmountsForm));
        exec(QStringLiteral("COMMIT"));
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    tenThousandths_ = false;
}

void Database::beginTransaction()
{
    if (!db_)
        throw DatabaseError(QStringLiteral("begin: the database is not open"));
    if (frames_.empty())
        exec(isReadOnly() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
    else
        exec(QStringLiteral("SAVEPOINT tlm_%1").arg(frames_.size()));
    frames_.push_back(undo_.size());
}

void Database::commit()
{
    if (frames_.empty())
        throw DatabaseError(QStringLiteral("No transaction is open"));
    if (frames_.size() > 1) {
        // The inner work now belongs to the enclosing transaction, undo steps included.
        exec(QStringLiteral("RELEASE tlm_%1").arg(frames_.size() - 1));
        frames_.pop_back();
        return;
    }
    if (failWrite && failWrite()) {
        ++refusedWrites_;
        throw DatabaseError(QStringLiteral("commit: database or disk is full (%1)").arg(file_));
    }
    const int rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        refuse(QStringLiteral("commit"), rc);
    frames_.clear();
    undo_.clear();
}

void Database::rollback()
{
    if (frames_.empty())
        return;
    // SQLite may have ended the whole transaction on its own after an error: then all of it goes.
    const bool whole = frames_.size() == 1 || !db_ || sqlite3_get_autocommit(db_);
    size_t from = 0;
    if (whole) {
        if (db_ && !sqlite3_get_autocommit(db_))
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        frames_.clear();
    } else {
        const QByteArray name = QByteArray("tlm_") + QByteArray::number(qulonglong(frames_.size() - 1));
        const QByteArray sql = "ROLLBACK TO " + name + "; RELEASE " + name;
        sqlite3_exec(db_, sql.constData(), nullptr, nullptr, nullptr);
        from = frames_.back();
        frames_.pop_back();
    }
    runUndo(from);
}

void Database::runUndo(size_t from)
{
    if (from >= undo_.size())
        return;
    std::vector<UndoStep> steps(std::make_move_iterator(undo_.begin() + qsizetype(from)), std::make_move_iterator(undo_.end()));
    undo_.resize(from);
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        if (!it->undo)
            continue;
        try {
            it->undo();
        } catch (...) {
            // The file is rolled back already; rows that cannot be restored stay as they were.
        }
    }
}

void Database::addUndo(const Recordset* owner, std::function<void()> undo)
{
    if (!frames_.empty())
        undo_.push_back({owner, std::move(undo)});
}

void Database::dropUndo(const Recordset* owner)
{
    for (UndoStep& step : undo_)
        if (step.owner == owner) {
            step.owner = nullptr;
            step.undo = nullptr;
        }
}

Transaction::Transaction(Database& db) : db_(db)
{
    db_.beginTransaction();
    depth_ = db_.transactionDepth();
}

Transaction::~Transaction()
{
    if (done_)
        return;
    while (db_.transactionDepth() >= depth_)
        db_.rollback();
}

void Transaction::commit()
{
    if (db_.transactionDepth() != depth_)
        throw DatabaseError(QStringLiteral("commit: this transaction is not the innermost one"));
    db_.commit();
    done_ = true;
}

// ---------------------------------------------------------------- Recordset

Recordset::Recordset(Database& db, TableLayout layout) : db_(db), layout_(std::move(layout))
{
    const QString table = quoted(layout_.table);
    QStringList all, cols, marks;
    for (int i = 0; i < fieldCount(); ++i) {
        all << quoted(layout_.columns[i]);
        if (i == layout_.autoKeyColumn)
            continue;
        cols << quoted(layout_.columns[i]);
        marks << QStringLiteral("?");
    }
    selectSql_ = QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid").arg(all.join(u','), table);
    insertSql_ = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, cols.join(u','), marks.join(u','));
    deleteSql_ = QStringLiteral("DELETE FROM %1 WHERE rowid=?").arg(table);
    deleteAllSql_ = QStringLiteral("DELETE FROM %1").arg(table);
}

Recordset::~Recordset() { db_.dropUndo(this); }

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

std::vector<Recordset::Row> Recordset::load()
{
    db_.verifyLayout(layout_);
    Statement st(db_.handle(), selectSql_);
    if (st.rc != SQLITE_OK)
        db_.raise(QStringLiteral("open %1").arg(layout_.table), st.rc);
    const bool tenThousandths = db_.amountsInTenThousandths();
    const int n = fieldCount();
    std::vector<char> moneyColumn(size_t(n), 0);
    for (int c : layout_.moneyColumns)
        moneyColumn[size_t(c)] = 1;
    std::vector<Row> rows;
    PackedRowBuilder b;
    int rc;
    while ((rc = sqlite3_step(st.st)) == SQLITE_ROW) {
        b.clear();
        for (int i = 0; i < n; ++i) {
            const int col = i + 1;
            const bool money = moneyColumn[size_t(i)];
            switch (sqlite3_column_type(st.st, col)) {
            case SQLITE_NULL:
                b.addNull();
                break;
            case SQLITE_INTEGER: {
                const qint64 v = sqlite3_column_int64(st.st, col);
                qint64 raw = v;
                if (!money)
                    b.addNumber(Value::Kind::Number, v);
                else if (tenThousandths || !__builtin_mul_overflow(v, Currency::Scale, &raw))
                    b.addNumber(Value::Kind::Money, raw);
                else
                    b.addText(QString::number(v));
                break;
            }
            case SQLITE_FLOAT: {
                const double d = sqlite3_column_double(st.st, col);
                // An amount is read back exact to the ten-thousandth; nothing is summed in double.
                const double scaled = d * double(Currency::Scale);
                if (money && std::isfinite(scaled) && std::fabs(scaled) < 9.0e18)
                    b.addNumber(Value::Kind::Money, std::llround(scaled));
                else
                    b.addText(QString::number(d));
                break;
            }
            default: {
                const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st.st, col));
                b.addUtf8(p, sqlite3_column_bytes(st.st, col));
                break;
            }
            }
        }
        rows.push_back(Row{sqlite3_column_int64(st.st, 0), b.build()});
    }
    if (rc != SQLITE_DONE)
        db_.raise(QStringLiteral("open %1").arg(layout_.table), rc);
    return rows;
}

void Recordset::reloadAfterRollback()
{
    if (!open_)
        return;
    try {
        rows_ = load();
        if (!sort_.isEmpty())
            sortRows(int(layout_.columns.indexOf(sort_)));
    } catch (...) {
        // The rows stay as they were; the file itself is rolled back.
    }
    pos_ = rows_.empty() ? -1 : 0;
    currentDeleted_ = false;
    dropEdit();
    if (db_.inTransaction())
        db_.addUndo(this, [this] { reloadAfterRollback(); });
}

Value Recordset::storedForm(int ordinal, const Value& v) const
{
    // Mirrors bindValue and load, so a row reads the same before and after a reopen.
    switch (v.kind()) {
    case Value::Kind::Number:
        return layout_.isMoney(ordinal) ? Value(Currency::fromDollars(v.toInteger())) : v;
    case Value::Kind::Money:
        return layout_.isMoney(ordinal) ? v : Value(v.text());
    default:
        return v;
    }
}

void Recordset::bindValue(sqlite3_stmt* st, int index, int ordinal, const Value& v, QByteArray& utf8) const
{
    const bool money = layout_.isMoney(ordinal);
    switch (v.kind()) {
    case Value::Kind::Null:
        sqlite3_bind_null(st, index);
        break;
    case Value::Kind::Number:
        if (money)
            sqlite3_bind_double(st, index, double(v.toInteger()));
        else
            sqlite3_bind_int64(st, index, v.toInteger());
        break;
    case Value::Kind::Money:
        if (money) {
            // The amount itself (1250.5), so any reader of the file sees dollars.
            sqlite3_bind_double(st, index, double(v.toCurrency().raw) / double(Currency::Scale));
            break;
        }
        [[fallthrough]];
    case Value::Kind::Text: {
        // As UTF-8: SQLite drops a leading byte order mark from UTF-16 text.
        utf8 = v.text().toUtf8();
        sqlite3_bind_text(st, index, utf8.constData(), int(utf8.size()), SQLITE_STATIC);
        break;
    }
    }
}

void Recordset::Open()
{
    if (open_)
        throw RecordsetError(QStringLiteral("Operation is not allowed when the object is open (%1).").arg(layout_.table));
    if (!db_.isOpen())
        throw DatabaseError(QStringLiteral("The connection is not open"));
    rows_ = load();
    open_ = true;
    pos_ = rows_.empty() ? -1 : 0;
    currentDeleted_ = false;
    mode_ = Mode::None;
    sort_.clear();
    // Rows read inside a transaction may hold its work: a rollback reads them again.
    if (db_.inTransaction())
        db_.addUndo(this, [this] { reloadAfterRollback(); });
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
    rows_ = std::vector<Row>();
    open_ = false;
    pos_ = -1;
    db_.dropUndo(this);
    if (db_.onEvent)
        db_.onEvent(QStringLiteral("close ") + layout_.table);
    if (failure)
        std::rethrow_exception(failure);
}

void Recordset::Requery()
{
    requireOpen();
    commitPending();
    rows_ = load();
    if (!sort_.isEmpty())
        sortRows(int(layout_.columns.indexOf(sort_)));
    pos_ = rows_.empty() ? -1 : 0;
    currentDeleted_ = false;
    if (db_.inTransaction()) {
        // The steps that restored single rows no longer fit the rows just read.
        db_.dropUndo(this);
        db_.addUndo(this, [this] { reloadAfterRollback(); });
    }
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
    return rows_[pos_].values.value(ordinal);
}

QStringView Recordset::textView(int ordinal, QString& buffer) const
{
    requireOpen();
    checkOrdinal(ordinal);
    if (mode_ != Mode::None || !onRow() || rows_[pos_].values.kind(ordinal) != Value::Kind::Text) {
        buffer = Fields(ordinal).text();
        return buffer;
    }
    return rows_[pos_].values.textView(ordinal);
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
        buffer_ = rows_[pos_].values.values();
        dirty_.assign(fieldCount(), false);
    }
    buffer_[ordinal] = value;
    dirty_[ordinal] = true;
}

qint64 Recordset::indexOfRowid(qint64 rowid) const
{
    // Undo steps look for recent rows, which are mostly at the end.
    for (qint64 i = qint64(rows_.size()) - 1; i >= 0; --i)
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
        sqlite3_stmt* st = db_.statement(insertSql_);
        std::vector<QByteArray> texts(static_cast<size_t>(n));
        Reset reset{st};
        int index = 0;
        for (int i = 0; i < n; ++i)
            if (i != layout_.autoKeyColumn)
                bindValue(st, ++index, i, buffer_[i], texts[size_t(i)]);
        const int rc = sqlite3_step(st);
        if (rc != SQLITE_DONE)
            db_.refuse(QStringLiteral("add to %1").arg(layout_.table), rc);
        const qint64 rowid = sqlite3_last_insert_rowid(db_.handle());
        for (int i = 0; i < n; ++i)
            buffer_[i] = storedForm(i, buffer_[i]);
        if (layout_.autoKeyColumn >= 0)
            buffer_[layout_.autoKeyColumn] = Value::number(rowid);
        rows_.push_back(Row{rowid, PackedRow(buffer_)});
        pos_ = qint64(rows_.size()) - 1;
        currentDeleted_ = false;
        mode_ = Mode::None;
        buffer_.clear();
        db_.addUndo(this, [this, rowid] {
            const qint64 i = indexOfRowid(rowid);
            if (i >= 0)
                rows_.erase(rows_.begin() + i);
            dropEdit();
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
    sqlite3_stmt* st = db_.statement(QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?").arg(quoted(layout_.table), sets.join(u',')));
    std::vector<QByteArray> texts(ordinals.size());
    Reset reset{st};
    for (size_t k = 0; k < ordinals.size(); ++k)
        bindValue(st, int(k + 1), ordinals[k], buffer_[ordinals[k]], texts[k]);
    sqlite3_bind_int64(st, int(ordinals.size() + 1), row.rowid);
    const int rc = sqlite3_step(st);
    if (rc != SQLITE_DONE)
        db_.refuse(QStringLiteral("update %1").arg(layout_.table), rc);
    db_.requireRowChanged(QStringLiteral("update %1").arg(layout_.table));
    PackedRow old = row.values;
    for (int i : ordinals)
        buffer_[i] = storedForm(i, buffer_[i]);
    row.values = PackedRow(buffer_);
    mode_ = Mode::None;
    buffer_.clear();
    const qint64 rowid = row.rowid;
    db_.addUndo(this, [this, rowid, old = std::move(old)] {
        const qint64 i = indexOfRowid(rowid);
        if (i >= 0)
            rows_[i].values = old;
        dropEdit();
    });
}

void Recordset::CancelUpdate()
{
    requireOpen();
    if (mode_ == Mode::Add)
        pos_ = posBeforeAdd_ < 0 ? (rows_.empty() ? -1 : qint64(rows_.size())) : posBeforeAdd_;
    dropEdit();
}

void Recordset::dropEdit()
{
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
    sqlite3_stmt* st = db_.statement(deleteSql_);
    Reset reset{st};
    sqlite3_bind_int64(st, 1, rows_[pos_].rowid);
    const int rc = sqlite3_step(st);
    if (rc != SQLITE_DONE)
        db_.refuse(QStringLiteral("delete from %1").arg(layout_.table), rc);
    db_.requireRowChanged(QStringLiteral("delete from %1").arg(layout_.table));
    Row removed = std::move(rows_[pos_]);
    const qint64 at = pos_;
    rows_.erase(rows_.begin() + pos_);
    currentDeleted_ = true;
    db_.addUndo(this, [this, at, removed = std::move(removed)] {
        const qint64 i = std::min<qint64>(at, qint64(rows_.size()));
        rows_.insert(rows_.begin() + i, removed);
        // The cursor stays on the row it was on: the deleted row when it had not moved on.
        if (!currentDeleted_ && pos_ >= i)
            ++pos_;
        currentDeleted_ = false;
        dropEdit();
    });
}

void Recordset::DeleteAll()
{
    requireOpen();
    if (mode_ != Mode::None)
        CancelUpdate(); // the row it would change goes too
    db_.checkWrite();
    sqlite3_stmt* st = db_.statement(deleteAllSql_);
    Reset reset{st};
    const int rc = sqlite3_step(st);
    if (rc != SQLITE_DONE)
        db_.refuse(QStringLiteral("delete from %1").arg(layout_.table), rc);
    auto removed = std::make_shared<std::vector<Row>>(std::move(rows_));
    rows_.clear();
    pos_ = -1;
    currentDeleted_ = false;
    db_.addUndo(this, [this, removed] {
        rows_.insert(rows_.begin(), removed->begin(), removed->end());
        pos_ = rows_.empty() ? -1 : 0;
        currentDeleted_ = false;
        dropEdit();
    });
}

bool Recordset::matches(const Row& row, const std::vector<Condition>& where, const std::vector<QString>& wanted) const
{
    for (size_t k = 0; k < where.size(); ++k) {
        const QString field = cellText(row.values, where[k].ordinal);
        if (where[k].compare == Compare::UpperCase ? field.toUpper() != wanted[k] : field != wanted[k])
            return false;
    }
    return true;
}

qint64 Recordset::UpdateWhere(int ordinal, const Value& value, const std::vector<Condition>& where)
{
    requireOpen();
    checkOrdinal(ordinal);
    if (ordinal == layout_.autoKeyColumn)
        throw RecordsetError(QStringLiteral("The field %1 is assigned by the database.").arg(layout_.columns[ordinal]));
    std::vector<QString> wanted;
    for (const Condition& c : where) {
        checkOrdinal(c.ordinal);
        wanted.push_back(c.compare == Compare::UpperCase ? c.value.text().toUpper() : c.value.text());
    }
    commitPending();
    // The rows are chosen here, by the program's own comparison (Qt's upper case, not SQLite's),
    // and changed on disk one by one through their row ids.
    std::vector<qint64> hits;
    for (qint64 i = 0; i < qint64(rows_.size()); ++i)
        if (matches(rows_[i], where, wanted))
            hits.push_back(i);
    if (hits.empty())
        return 0;
    db_.checkWrite();
    Transaction tx(db_);
    auto changed = std::make_shared<std::vector<std::pair<qint64, PackedRow>>>();
    db_.addUndo(this, [this, changed] {
        for (auto it = changed->rbegin(); it != changed->rend(); ++it) {
            const qint64 i = indexOfRowid(it->first);
            if (i >= 0)
                rows_[i].values = it->second;
        }
        dropEdit();
    });
    sqlite3_stmt* st = db_.statement(QStringLiteral("UPDATE %1 SET %2=? WHERE rowid=?").arg(quoted(layout_.table), quoted(layout_.columns[ordinal])));
    const Value stored = storedForm(ordinal, value);
    for (qint64 i : hits) {
        Row& row = rows_[i];
        QByteArray text;
        Reset reset{st};
        bindValue(st, 1, ordinal, value, text);
        sqlite3_bind_int64(st, 2, row.rowid);
        const int rc = sqlite3_step(st);
        if (rc != SQLITE_DONE)
            db_.refuse(QStringLiteral("update %1").arg(layout_.table), rc);
        db_.requireRowChanged(QStringLiteral("update %1").arg(layout_.table));
        changed->emplace_back(row.rowid, row.values);
        std::vector<Value> values = row.values.values();
        values[ordinal] = stored;
        row.values = PackedRow(values);
    }
    tx.commit();
    return qint64(hits.size());
}

void Recordset::sortRows(int ordinal)
{
    if (ordinal < 0) {
        std::stable_sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) { return a.rowid < b.rowid; });
        return;
    }
    // One key a row, made once; the text of a text field is not copied. A text of ASCII alone
    // is also kept lower-cased as bytes: comparing those gives the order of a case-insensitive
    // comparison of the texts without folding them again at every comparison.
    struct Key {
        bool null;
        bool number;
        qint64 n;
        QString text;
        bool ascii;
        std::string folded;
    };
    std::vector<Key> keys;
    keys.reserve(rows_.size());
    for (const Row& r : rows_) {
        const Value::Kind k = r.values.kind(ordinal);
        Key key{k == Value::Kind::Null, k == Value::Kind::Number,
                k == Value::Kind::Number ? r.values.number(ordinal) : 0, cellText(r.values, ordinal), true, {}};
        key.folded.reserve(size_t(key.text.size()));
        for (const QChar c : key.text) {
            const char16_t u = c.unicode();
            if (u >= 0x80) {
                key.ascii = false;
                break;
            }
            key.folded.push_back(char(u >= u'A' && u <= u'Z' ? u + (u'a' - u'A') : u));
        }
        keys.push_back(std::move(key));
    }
    std::vector<size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&keys](size_t a, size_t b) {
        const Key& x = keys[a];
        const Key& y = keys[b];
        if (x.null != y.null)
            return x.null;
        if (x.number && y.number)
            return x.n < y.n;
        if (x.ascii && y.ascii)
            return x.folded < y.folded;
        return x.text.compare(y.text, Qt::CaseInsensitive) < 0;
    });
    keys.clear();
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    for (size_t i : order)
        sorted.push_back(std::move(rows_[i]));
    rows_ = std::move(sorted);
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
    sortRows(ordinal);
    sort_ = column;
    currentDeleted_ = false;
    pos_ = rows_.empty() ? -1 : 0;
}

// ---------------------------------------------------------------- EditGuard

EditGuard::EditGuard(std::initializer_list<Recordset*> recordsets) : exceptions_(std::uncaught_exceptions())
{
    for (Recordset* rs : recordsets)
        if (rs)
            recordsets_.push_back(rs);
}

EditGuard::~EditGuard()
{
    if (std::uncaught_exceptions() <= exceptions_)
        return;
    for (Recordset* rs : recordsets_) {
        try {
            if (rs->isOpen() && rs->editPending())
                rs->CancelUpdate();
        } catch (...) {
        }
    }
}

} // namespace tlm
