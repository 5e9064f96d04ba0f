#pragma once
// What the lookup-list editors share: the area and the kind of list a heading names, the
// area table and the asset screen's list they work on, and the names no list may take.
#include "data/data_environment.h"
#include "platform/forms/controls.h"

#include <QString>
#include <optional>

namespace tlm::screens {

class frmAddUpDel;

struct ListMode {
    enum class Kind { Location, Category };

    QString area; // "Indoor", "Outdoor" or "Mobile"
    Kind kind = Kind::Location;

    bool isLocation() const { return kind == Kind::Location; }
    QString kindWord() const; // "Location" or "Category"
    // "<prefix> Indoor Location", as the editors' headings read.
    QString heading(const QString& prefix) const;
    // The help topic of this list in a series: base for Indoor Location, then Indoor Category,
    // Outdoor Location, ... each 1000 further.
    int helpId(int base) const;
    int tableField() const;  // the area table's column of the names
    int assetField() const;  // the Inventory field that carries the name
    QString filler() const;  // the asset screen list's editor entry
    Recordset& table(DataEnvironment& data) const;
    ComboBox* assetList(frmAddUpDel& assets) const;
    // Fills `box` with the asset screen's list, in its order, without its editor entry or an
    // empty entry; nothing chosen. A list holding only the editor entry gives nothing.
    void copyNames(ComboBox* box, frmAddUpDel& assets) const;

    // The area word of an area text compared without regard to case; any other text is Mobile.
    static QString areaOf(const QString& areaText);
    // The mode whose heading is exactly "<prefix> <area> <kind>" for one of the six lists.
    static std::optional<ListMode> fromHeading(const QString& heading, const QString& prefix);
    // The mode of `area`'s own heading; none when the heading names another area or no list.
    static std::optional<ListMode> fromHeading(const QString& heading, const QString& prefix, const QString& area);
};

// "0" (a cell without a name) and the editor entries of the lists are no names: a list would
// hide them or offer the editor in their place. Compared upper-cased, as the lists compare.
bool isReservedName(const QString& name);

} // namespace tlm::screens
