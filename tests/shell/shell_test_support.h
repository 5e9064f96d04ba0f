#pragma once
// What the shell's tests share: preparing the database before a start-up, adding assets and
// lookup rows, and running the start-up road as the splash's timer does.
#include "support/test_program.h"

#include "data/fields.h"
#include "data/placeholders.h"
#include "shell/frmBC_Splash.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace tlm::test {

// Writes the database as an earlier run left it, then closes it again for the start-up.
inline void prepareDatabase(TestProgram& t, const std::function<void(DataEnvironment&)>& change)
{
    DataEnvironment& data = t->Data1();
    data.openAll();
    change(data);
    data.closeAll();
}

// A later run: the introduction is done; Notify and the policy date as given.
inline void laterRun(TestProgram& t, const QString& notify = stored::No, const QString& expiration = stored::None)
{
    prepareDatabase(t, [&](DataEnvironment& data) {
        Recordset& g = data.general();
        g.setField(fld::PersonalInfo::IntroDone, QStringLiteral("1"));
        g.setField(fld::PersonalInfo::Notify, notify);
        g.setField(fld::PersonalInfo::PolicyExpiration, expiration);
        g.Update();
    });
}

// The splash's timer fires: the whole start-up load runs.
inline void startUp(TestProgram& t)
{
    screens::frmBC_Splash& splash = t->frmBC_Splash();
    splash.Show();
    splash.tmrLoad_Timer();
}

inline void addAsset(Recordset& inventory, const QString& area, const Value& amount)
{
    inventory.AddNew();
    for (int i = fld::Inventory::Area; i < fld::Inventory::Count; ++i)
        inventory.setField(i, stored::None);
    inventory.setField(fld::Inventory::Area, area);
    inventory.setField(fld::Inventory::Amount, amount);
    inventory.Update();
}

inline void addLookupRow(Recordset& table, const Value& location, const Value& category, const Value& item,
                         const Value& builtIn)
{
    table.AddNew();
    table.setField(fld::Items::Location, location);
    table.setField(fld::Items::Category, category);
    table.setField(fld::Items::Item, item);
    table.setField(fld::Items::BuiltIn, builtIn);
    table.Update();
}

inline QByteArray fileBytes(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace tlm::test
