#include "data/find_asset.h"

#include "data/fields.h"

namespace tlm {

bool findAsset(Recordset& inventory, qint64 number)
{
    if (inventory.RecordCount() == 0)
        return false;
    for (inventory.MoveFirst(); !inventory.isEOF(); inventory.MoveNext())
        if (inventory.Fields(fld::Inventory::AssetNumber).equalsNumber(number))
            return true;
    return false;
}

bool findAsset(Recordset& inventory, const QString& number)
{
    bool ok = false;
    const qint64 n = number.trimmed().toLongLong(&ok);
    return ok && findAsset(inventory, n);
}

} // namespace tlm
