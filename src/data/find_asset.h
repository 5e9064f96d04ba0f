#pragma once
// Finding an asset by its number: the cursor of the inventory moves to it.
#include "platform/recordset.h"

namespace tlm {

// Walks Inventory from its first row to the asset numbered `number` and stops there; false,
// with the cursor at EOF, when no asset has that number.
bool findAsset(Recordset& inventory, qint64 number);
// The number as the screens hold it, in text ("12"); a text that is no number finds nothing.
bool findAsset(Recordset& inventory, const QString& number);

} // namespace tlm
