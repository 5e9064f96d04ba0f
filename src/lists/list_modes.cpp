#include "lists/list_modes.h"

#include "assets/frmAddUpDel.h"
#include "data/fields.h"
#include "data/placeholders.h"

namespace tlm::screens {

namespace {
const QString kAreas[] = {stored::Indoor, stored::Outdoor, stored::Mobile};
} // namespace

QString ListMode::kindWord() const
{
    return isLocation() ? QStringLiteral("Location") : QStringLiteral("Category");
}

QString ListMode::heading(const QString& prefix) const
{
    return QStringLiteral("%1 %2 %3").arg(prefix, area, kindWord());
}

int ListMode::helpId(int base) const
{
    const int areaIndex = area == stored::Indoor ? 0 : area == stored::Outdoor ? 1 : 2;
    return base + 1000 * (2 * areaIndex + (isLocation() ? 0 : 1));
}

int ListMode::tableField() const { return isLocation() ? fld::Items::Location : fld::Items::Category; }

int ListMode::assetField() const { return isLocation() ? fld::Inventory::Location : fld::Inventory::Category; }

QString ListMode::filler() const { return isLocation() ? stored::AddEditLocation : stored::AddEditCategory; }

Recordset& ListMode::table(DataEnvironment& data) const
{
    if (area == stored::Indoor)
        return data.rsIndoor;
    if (area == stored::Outdoor)
        return data.rsOutdoor;
    return data.rsMobile;
}

ComboBox* ListMode::assetList(frmAddUpDel& assets) const { return isLocation() ? assets.cmbLoc : assets.cmbCat; }

void ListMode::copyNames(ComboBox* box, frmAddUpDel& assets) const
{
    const ComboBox* source = assetList(assets);
    if (source->ListCount() > 1) {
        for (int i = 0; i < source->ListCount(); ++i) {
            const QString entry = source->List(i);
            if (!entry.isEmpty() && entry != filler())
                box->AddItem(entry);
        }
    }
    box->setListIndex(-1);
}

QString ListMode::areaOf(const QString& areaText)
{
    const QString upper = areaText.toUpper();
    if (upper == stored::Indoor.toUpper())
        return stored::Indoor;
    if (upper == stored::Outdoor.toUpper())
        return stored::Outdoor;
    return stored::Mobile;
}

std::optional<ListMode> ListMode::fromHeading(const QString& heading, const QString& prefix)
{
    for (const QString& area : kAreas)
        if (auto mode = fromHeading(heading, prefix, area))
            return mode;
    return std::nullopt;
}

std::optional<ListMode> ListMode::fromHeading(const QString& heading, const QString& prefix, const QString& area)
{
    for (Kind kind : {Kind::Location, Kind::Category}) {
        const ListMode mode{area, kind};
        if (heading == mode.heading(prefix))
            return mode;
    }
    return std::nullopt;
}

bool isReservedName(const QString& name)
{
    const QString upper = name.toUpper();
    for (const QString& reserved : {stored::NoName, stored::AddEditLocation, stored::AddEditCategory, stored::AddEditItem})
        if (upper == reserved.toUpper())
            return true;
    return false;
}

} // namespace tlm::screens
