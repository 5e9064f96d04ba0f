#pragma once
// A large inventory for the benchmarks: assets of believable text written with plain SQLite,
// and the timing and raw-SQLite helpers the benchmarks share.
#include "data/data_environment.h"
#include "data/fields.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace tlm::bench {

[[noreturn]] inline void die(sqlite3* db, const char* what)
{
    std::fprintf(stderr, "%s: %s\n", what, db ? sqlite3_errmsg(db) : "?");
    std::exit(1);
}

inline sqlite3* openRaw(const QString& file)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        die(db, "open");
    return db;
}

inline void execRaw(sqlite3* db, const char* sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        die(db, sql);
}

template <class T, size_t N>
const T& pick(std::mt19937& rng, const T (&list)[N])
{
    return list[std::uniform_int_distribution<size_t>(0, N - 1)(rng)];
}

// Fills Inventory with `rows` assets of believable text, in one transaction.
inline void fillInventory(const QString& file, int rows)
{
    static const char* areas[] = {"Indoor", "Outdoor", "Mobile"};
    static const char* locations[] = {"Kitchen", "Living Room", "Garage", "Master Bedroom", "Office", "Basement", "Car", "Shed"};
    static const char* categories[] = {"Appliances", "Electronics", "Furniture", "Tools", "Jewelry", "Vehicles", "Lawn & Garden"};
    static const char* types[] = {"Refrigerator", "Television", "Sofa", "Power Drill", "Ring", "Automobile", "Lawn Mower", "Laptop"};
    static const char* makes[] = {"Whirlpool", "Sony", "Ashley", "DeWalt", "Tiffany", "Toyota", "Honda", "Dell", "Unknown", "samsung"};
    static const char* words[] = {"black", "stainless", "large", "with remote", "bought on sale", "gift from parents",
                                  "second hand", "needs repair", "extended warranty", "in original box"};
    std::mt19937 rng(20060307);
    auto num = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };

    sqlite3* db = openRaw(file);
    execRaw(db, "BEGIN");
    std::string sql = "INSERT INTO Inventory (";
    const TableLayout& l = layouts::Inventory();
    for (int i = 1; i < l.columns.size(); ++i)
        sql += (i > 1 ? ",\"" : "\"") + l.columns[i].toStdString() + "\"";
    sql += ") VALUES (?1";
    for (int i = 2; i < l.columns.size(); ++i)
        sql += ",?" + std::to_string(i);
    sql += ")";
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        die(db, "prepare insert");
    for (int r = 0; r < rows; ++r) {
        std::vector<std::string> v(fld::Inventory::Count);
        v[fld::Inventory::Area] = pick(rng, areas);
        v[fld::Inventory::Location] = pick(rng, locations);
        v[fld::Inventory::Category] = pick(rng, categories);
        v[fld::Inventory::Type] = pick(rng, types);
        v[fld::Inventory::Year] = std::to_string(num(1980, 2024));
        v[fld::Inventory::Make] = pick(rng, makes);
        v[fld::Inventory::Model] = "XR-" + std::to_string(num(100, 99999));
        v[fld::Inventory::Serial] = "SN" + std::to_string(num(10000000, 99999999)) + "K";
        v[fld::Inventory::DatePurchased] = std::to_string(num(1, 12)) + "/" + std::to_string(num(1, 28)) + "/" + std::to_string(num(1990, 2024));
        v[fld::Inventory::Amount] = "$" + std::to_string(num(5, 9999)) + "." + std::to_string(num(10, 99));
        v[fld::Inventory::Receipt] = num(0, 1) ? "Yes" : "No";
        v[fld::Inventory::ReceiptLocation] = v[fld::Inventory::Receipt] == "Yes" ? "Filing cabinet, top drawer" : "None";
        v[fld::Inventory::Description] = std::string(pick(rng, words)) + ", " + pick(rng, words);
        v[fld::Inventory::NewUsed] = num(0, 1) ? "New" : "Used";
        for (int f = fld::Inventory::PartsWarrantyType; f < fld::Inventory::Count; ++f)
            v[f] = "None";
        for (int f = 1; f < fld::Inventory::Count; ++f)
            sqlite3_bind_text(st, f, v[f].data(), int(v[f].size()), SQLITE_TRANSIENT);
        if (sqlite3_step(st) != SQLITE_DONE)
            die(db, "insert");
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    execRaw(db, "COMMIT");
    sqlite3_close(db);
}

// Best of `runs` timings in milliseconds; `setup` runs untimed before each.
inline double best(int runs, const std::function<void()>& setup, const std::function<void()>& work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        setup();
        QElapsedTimer t;
        t.start();
        work();
        best = std::min(best, double(t.nsecsElapsed()) / 1e6);
    }
    return best;
}

} // namespace tlm::bench
