#pragma once
// Data1: the connection and the seven recordsets every screen works on. Each recordset is
// opened once at start-up and shared by all screens, cursor included.
#include "platform/recordset.h"

namespace tlm {

namespace layouts {
const TableLayout& Inventory();
const TableLayout& Print();
const TableLayout& PersonalInfo();
const TableLayout& BankInfo();
const TableLayout& IndoorItems();
const TableLayout& OutdoorItems();
const TableLayout& MobileItems();
} // namespace layouts

class DataEnvironment {
public:
    explicit DataEnvironment(QString databaseFile);
    ~DataEnvironment();

    // Opens the connection; a missing database file is first created as delivered, and what
    // an interrupted creation left is removed. A file that exists but is not the database is
    // never replaced: this throws. Amounts of the first form are rewritten as amounts.
    void connect();
    // The start-up order: General, Bank, Indoor, Mobile, Inventory, Outdoor, Print. A file
    // without the owner's row gets it back as delivered, with the total of the assets on file.
    void openAll();
    // The exit order: Bank, General, Print, Mobile, Indoor, Outdoor, Inventory; then the connection.
    void closeAll();

    // The single Personal_Info row made current (the cursor is shared).
    Recordset& general();

    Database Home;
    Recordset rsIndoor;
    Recordset rsOutdoor;
    Recordset rsMobile;
    Recordset rsGeneral;
    Recordset rsInventory;
    Recordset rsPrint;
    Recordset rsBank;

    QString file() const { return file_; }

    // Writes the delivered database (schema, built-in lookup rows, the owner's row) into a new
    // file; `prepare` sees the new connection first (tests make its writes fail).
    static void createDelivered(const QString& databaseFile, const std::function<void(Database&)>& prepare = {});

private:
    void restoreOwnerRow();

    QString file_;
};

} // namespace tlm
