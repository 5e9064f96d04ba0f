#include "data/data_environment.h"

#include "data/fields.h"
#include "data/placeholders.h"
#include "platform/conversions.h"

#include <QDir>
#include <exception>
#include <QFileInfo>

namespace tlm {

namespace layouts {

namespace {
const QStringList kInventoryColumns = {
    QStringLiteral("AssetNumber"), QStringLiteral("Area"), QStringLiteral("Location"), QStringLiteral("Category"),
    QStringLiteral("Type"), QStringLiteral("Year"), QStringLiteral("Make"), QStringLiteral("Model"),
    QStringLiteral("Serial/ VIN / ID"), QStringLiteral("Date Purchased"), QStringLiteral("Amount"),
    QStringLiteral("Receipt"), QStringLiteral("Receipt Location"), QStringLiteral("Description"),
    QStringLiteral("NewUsed"), QStringLiteral("PartsWarrantyType"), QStringLiteral("PartsCoverage"),
    QStringLiteral("PartsAmount"), QStringLiteral("PartsExpireMonth"), QStringLiteral("PartsExpireDay"),
    QStringLiteral("PartsExpireYear"), QStringLiteral("LaborWarrantyType"), QStringLiteral("LaborCoverage"),
    QStringLiteral("LaborAmount"), QStringLiteral("LaborExpireMonth"), QStringLiteral("LaborExpireDay"),
    QStringLiteral("LaborExpireYear"), QStringLiteral("WarrantyTerms")};

TableLayout items(const char* table)
{
    return TableLayout{QString::fromLatin1(table),
                       {QStringLiteral("Location"), QStringLiteral("Category"), QStringLiteral("Item"), QStringLiteral("BuiltIn")},
                       -1,
                       {}};
}
} // namespace

const TableLayout& Inventory()
{
    static const TableLayout l{QStringLiteral("Inventory"), kInventoryColumns, fld::Inventory::AssetNumber, {}};
    return l;
}

const TableLayout& Print()
{
    static const TableLayout l{QStringLiteral("Print"), kInventoryColumns.mid(0, fld::Print::Count), -1, {}};
    return l;
}

const TableLayout& PersonalInfo()
{
    static const TableLayout l{
        QStringLiteral("Personal_Info"),
        {QStringLiteral("Last"), QStringLiteral("First"), QStringLiteral("Middle"), QStringLiteral("Address"),
         QStringLiteral("City"), QStringLiteral("State"), QStringLiteral("ZIP"), QStringLiteral("Home Phone1"),
         QStringLiteral("Home Phone2"), QStringLiteral("Home Phone3"), QStringLiteral("Work Phone1"),
         QStringLiteral("Work  Phone2"), QStringLiteral("Work  Phone3"), QStringLiteral("Cell Phone1"),
         QStringLiteral("Cell Phone2"), QStringLiteral("Cell  Phone3"), QStringLiteral("EMail"),
         QStringLiteral("Field17"), QStringLiteral("IntroDone"), QStringLiteral("Policy Number"),
         QStringLiteral("Policy Expiration"), QStringLiteral("CoverageAmount"), QStringLiteral("Notify"),
         QStringLiteral("WarrantyCheck"), QStringLiteral("Policy Company"), QStringLiteral("Field25"),
         QStringLiteral("Field26"), QStringLiteral("Field27"), QStringLiteral("Field28"), QStringLiteral("Field29"),
         QStringLiteral("Field30"), QStringLiteral("ClearCheck"), QStringLiteral("AssetValue")},
        -1,
        {fld::PersonalInfo::AssetValue}};
    return l;
}

const TableLayout& BankInfo()
{
    static const TableLayout l{
        QStringLiteral("Bank_Info"),
        {QStringLiteral("ID"), QStringLiteral("Institution"), QStringLiteral("Address"), QStringLiteral("Phone1"),
         QStringLiteral("Phone2"), QStringLiteral("Phone3"), QStringLiteral("AccountNumber"),
         QStringLiteral("RouteNumber"), QStringLiteral("Balance"), QStringLiteral("Date"),
         QStringLiteral("AccountType"), QStringLiteral("City"), QStringLiteral("State")},
        fld::BankInfo::Key,
        {}};
    return l;
}

const TableLayout& IndoorItems()
{
    static const TableLayout l = items("Indoor_Items");
    return l;
}

const TableLayout& OutdoorItems()
{
    static const TableLayout l = items("Outdoor_Items");
    return l;
}

const TableLayout& MobileItems()
{
    static const TableLayout l = items("Mobile_Items");
    return l;
}

} // namespace layouts

DataEnvironment::DataEnvironment(QString databaseFile)
    : rsIndoor(Home, layouts::IndoorItems()),
      rsOutdoor(Home, layouts::OutdoorItems()),
      rsMobile(Home, layouts::MobileItems()),
      rsGeneral(Home, layouts::PersonalInfo()),
      rsInventory(Home, layouts::Inventory()),
      rsPrint(Home, layouts::Print()),
      rsBank(Home, layouts::BankInfo()),
      file_(std::move(databaseFile))
{
}

DataEnvironment::~DataEnvironment() = default;

void DataEnvironment::connect()
{
    if (Home.isOpen())
        return;
    // What a first start killed half-way left behind is never used, nor backed up.
    Database::discardInterruptedCreation(file_);
    if (!QFileInfo::exists(file_)) {
        QDir().mkpath(QFileInfo(file_).absolutePath());
        createDelivered(file_);
    }
    Home.open(file_);
    if (Home.amountsInTenThousandths() && !Home.isReadOnly()) {
        try {
            Home.convertAmounts({&layouts::PersonalInfo()});
        } catch (const DatabaseError&) {
            // Still read correctly in the first form; the next start tries again.
        }
    }
}

void DataEnvironment::openAll()
{
    connect();
    for (Recordset* rs : {&rsGeneral, &rsBank, &rsIndoor, &rsMobile, &rsInventory, &rsOutdoor, &rsPrint})
        rs->Open();
    restoreOwnerRow();
}

void DataEnvironment::closeAll()
{
    // Everything is closed even when one table fails; the first failure is reported.
    std::exception_ptr failure;
    for (Recordset* rs : {&rsBank, &rsGeneral, &rsPrint, &rsMobile, &rsIndoor, &rsOutdoor, &rsInventory}) {
        try {
            if (rs->isOpen())
                rs->Close();
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    Home.close();
    if (failure)
        std::rethrow_exception(failure);
}

Recordset& DataEnvironment::general()
{
    rsGeneral.MoveFirst();
    return rsGeneral;
}

// ---------------------------------------------------------------- the delivered database

namespace {

struct Category {
    const char* name;
    std::initializer_list<const char*> items;
};

void addLookupRows(Database& db, const TableLayout& layout, std::initializer_list<const char*> locations,
                   std::initializer_list<Category> categories)
{
    Recordset rs(db, layout);
    rs.Open();
    auto add = [&](const QString& loc, const QString& cat, const QString& item) {
        rs.AddNew();
        rs.setField(fld::Items::Location, loc);
        rs.setField(fld::Items::Category, cat);
        rs.setField(fld::Items::Item, item);
        rs.setField(fld::Items::BuiltIn, Value::number(1));
        rs.Update();
    };
    // The editor entries come first, so the asset screen's lists offer them at the top.
    add(stored::AddEditLocation, stored::NoName, stored::NoName);
    add(stored::NoName, stored::AddEditCategory, stored::NoName);
    for (const char* loc : locations)
        add(QString::fromUtf8(loc), stored::NoName, stored::NoName);
    for (const Category& c : categories)
        for (const char* item : c.items)
            add(stored::NoName, QString::fromUtf8(c.name), QString::fromUtf8(item));
    rs.Close();
}

// The owner's row as delivered: every field at its placeholder, the introduction not yet done.
void addOwnerRow(Recordset& general, Currency assetValue)
{
    EditGuard edit(general);
    general.AddNew();
    for (int i = 0; i < fld::PersonalInfo::Count; ++i)
        general.setField(i, stored::None);
    for (int i : {fld::PersonalInfo::HomePhone1, fld::PersonalInfo::HomePhone2, fld::PersonalInfo::WorkPhone1,
                  fld::PersonalInfo::WorkPhone2, fld::PersonalInfo::CellPhone1, fld::PersonalInfo::CellPhone2})
        general.setField(i, stored::NoPhone3);
    for (int i : {fld::PersonalInfo::HomePhone3, fld::PersonalInfo::WorkPhone3, fld::PersonalInfo::CellPhone3})
        general.setField(i, stored::NoPhone4);
    general.setField(fld::PersonalInfo::IntroDone, QStringLiteral("0"));
    general.setField(fld::PersonalInfo::Notify, stored::No);
    general.setField(fld::PersonalInfo::WarrantyCheck, stored::Unchecked);
    general.setField(fld::PersonalInfo::ClearCheck, stored::Checked);
    general.setField(fld::PersonalInfo::AssetValue, assetValue);
    general.Update();
}

void populate(Database& db)
{
    for (const TableLayout* l : {&layouts::Inventory(), &layouts::Print(), &layouts::PersonalInfo(),
                                 &layouts::BankInfo(), &layouts::IndoorItems(), &layouts::OutdoorItems(),
                                 &layouts::MobileItems()})
        db.createTable(*l);

    addLookupRows(db, layouts::IndoorItems(),
                  {"Kitchen", "Living Room", "Dining Room", "Family Room", "Master Bedroom", "Bedroom", "Bathroom",
                   "Office", "Laundry Room", "Basement", "Attic", "Hallway Closet"},
                  {{"Appliances", {"Refrigerator", "Stove", "Microwave", "Dishwasher", "Washer", "Dryer", "Freezer", "Vacuum Cleaner"}},
                   {"Electronics", {"Television", "Computer", "Laptop", "Printer", "Stereo", "Camera", "DVD Player", "Game Console"}},
                   {"Furniture", {"Sofa", "Chair", "Table", "Bed", "Dresser", "Desk", "Bookcase", "Cabinet"}},
                   {"Jewelry", {"Ring", "Necklace", "Watch", "Bracelet", "Earrings"}},
                   {"Clothing", {"Coat", "Suit", "Dress", "Shoes"}},
                   {"Art & Decor", {"Painting", "Sculpture", "Rug", "Lamp", "Mirror"}},
                   {"Collectibles", {"Coins", "Stamps", "Figurines"}},
                   {"Musical Instruments", {"Piano", "Guitar", "Violin"}},
                   {"Kitchenware", {"China", "Silverware", "Cookware", "Small Appliance"}}});
    addLookupRows(db, layouts::OutdoorItems(),
                  {"Garage", "Yard", "Shed", "Patio", "Deck", "Porch", "Driveway", "Pool Area", "Garden"},
                  {{"Lawn & Garden", {"Lawn Mower", "String Trimmer", "Leaf Blower", "Hedge Trimmer", "Snow Blower", "Wheelbarrow"}},
                   {"Tools", {"Power Drill", "Table Saw", "Circular Saw", "Tool Chest", "Ladder", "Air Compressor", "Generator"}},
                   {"Outdoor Furniture", {"Patio Table", "Patio Chair", "Umbrella", "Hammock"}},
                   {"Recreation", {"Grill", "Bicycle", "Swing Set", "Trampoline", "Hot Tub"}},
                   {"Structures", {"Storage Shed", "Fence", "Gazebo"}}});
    addLookupRows(db, layouts::MobileItems(),
                  {"Car", "Truck", "Van", "SUV", "Motorcycle", "Boat", "RV", "Trailer", "Off-Site Storage"},
                  {{"Vehicles", {"Automobile", "Pickup Truck", "Motorcycle", "ATV", "Snowmobile", "Boat", "Camper"}},
                   {"Vehicle Electronics", {"Car Stereo", "Speakers", "Amplifier", "GPS Navigator", "Dash Camera"}},
                   {"Accessories", {"Roof Rack", "Bike Rack", "Tow Hitch", "Car Cover"}},
                   {"Portable Electronics", {"Cell Phone", "Tablet", "Laptop", "Headphones"}},
                   {"Sports Equipment", {"Golf Clubs", "Fishing Gear", "Skis", "Kayak"}}});

    Recordset general(db, layouts::PersonalInfo());
    general.Open();
    addOwnerRow(general, Currency{});
    general.Close();
}

} // namespace

void DataEnvironment::createDelivered(const QString& databaseFile, const std::function<void(Database&)>& prepare)
{
    Database::create(databaseFile, [&prepare](Database& db) {
        if (prepare)
            prepare(db);
        populate(db);
    });
}

void DataEnvironment::restoreOwnerRow()
{
    // Every screen works on the owner's one row; a damaged or hand-edited file may have lost it.
    if (rsGeneral.RecordCount() != 0)
        return;
    // The running total is not a placeholder: it is made again from the assets on file.
    Currency total;
    for (rsInventory.MoveFirst(); !rsInventory.isEOF(); rsInventory.MoveNext()) {
        const QString amount = rsInventory.text(fld::Inventory::Amount);
        try {
            if (IsCurrency(amount))
                total += CCur(amount);
        } catch (const ConversionError&) {
            // An amount beyond any sum is left out rather than keep the program from starting.
        }
    }
    rsInventory.MoveFirst();
    Transaction tx(Home);
    addOwnerRow(rsGeneral, total);
    tx.commit();
}

} // namespace tlm
