#pragma once
// Field ordinals of the seven tables. The screens address fields by these names only.

namespace tlm::fld {

namespace Inventory {
enum : int {
    AssetNumber = 0, Area, Location, Category, Type, Year, Make, Model, Serial, DatePurchased,
    Amount, Receipt, ReceiptLocation, Description, NewUsed,
    PartsWarrantyType, PartsCoverage, PartsAmount, PartsExpireMonth, PartsExpireDay, PartsExpireYear,
    LaborWarrantyType, LaborCoverage, LaborAmount, LaborExpireMonth, LaborExpireDay, LaborExpireYear,
    WarrantyTerms,
    Count
};
}

// The 14 fields of Print are the first 14 of Inventory.
namespace Print {
enum : int {
    AssetNumber = 0, Area, Location, Category, Type, Year, Make, Model, Serial, DatePurchased,
    Amount, Receipt, ReceiptLocation, Description,
    Count
};
}

namespace PersonalInfo {
enum : int {
    Last = 0, First, Middle, Address, City, State, ZIP,
    HomePhone1, HomePhone2, HomePhone3, WorkPhone1, WorkPhone2, WorkPhone3,
    CellPhone1, CellPhone2, CellPhone3, EMail,
    Unused17, IntroDone, PolicyNumber, PolicyExpiration, CoverageAmount, Notify, WarrantyCheck,
    PolicyCompany, Unused25, Unused26, Unused27, Unused28, Unused29, Unused30,
    ClearCheck, AssetValue,
    Count
};
}

namespace BankInfo {
enum : int {
    Key = 0, Institution, Address, Phone1, Phone2, Phone3, AccountNumber, RouteNumber, Balance,
    Date, AccountType, City, State,
    Count
};
}

// Indoor_Items, Outdoor_Items and Mobile_Items.
namespace Items {
enum : int { Location = 0, Category, Item, BuiltIn, Count };
}

} // namespace tlm::fld
