#pragma once
// The asset screen with its lookup-list editors, reached as the user reaches them: the editor
// entry chosen in the location or category list, an option of the chooser, Continue.
#include "assets/asset_screen_fixture.h"
#include "lists/frmAddField.h"
#include "lists/frmDelField.h"
#include "lists/frmEditCmbBoxes.h"
#include "lists/frmUpdate.h"

#include <QRegularExpression>

namespace tlm::test {

class ListEditorTest : public AssetScreenTest {
protected:
    enum Option { Add = 0, Change = 1, Delete = 2 };

    void SetUp() override
    {
        AssetScreenTest::SetUp();
        openAdding();
    }

    screens::frmEditCmbBoxes& chooser() { return t->frmEditCmbBoxes(); }
    screens::frmAddField& addDialog() { return t->frmAddField(); }
    screens::frmUpdate& renameDialog() { return t->frmUpdate(); }
    screens::frmDelField& deleteDialog() { return t->frmDelField(); }

    // The editor entry of the location (or category) list, then `option` and Continue.
    void openEditor(Option option, bool location = true)
    {
        ComboBox* list = location ? screen().cmbLoc : screen().cmbCat;
        list->choose(location ? stored::AddEditLocation : stored::AddEditCategory);
        chooser().optEdit[option]->setValue(true);
        chooser().cmdUpdate->press();
    }

    // A row as the user's editors and asset saves write it.
    void addUserRow(Recordset& table, const QString& location, const QString& category, const QString& item = "0")
    {
        table.AddNew();
        const QString cells[] = {location, category, item, stored::NoName};
        for (int f = Items::Location; f <= Items::BuiltIn; ++f)
            table.setField(f, cells[f]);
        table.Update();
    }

    // The rows of an area table as "Location|Category|Item|BuiltIn": in the file, and the
    // screens' rows, which must agree.
    QStringList rows(Recordset& table)
    {
        QStringList file;
        for (const std::vector<Value>& row : diskRows(table.layout()))
            file << texts(row, 0, 3).join(u'|');
        QStringList memory;
        for (table.MoveFirst(); !table.isEOF(); table.MoveNext())
            memory << QStringList{table.text(0), table.text(1), table.text(2), table.text(3)}.join(u'|');
        EXPECT_EQ(memory, file) << "the rows in memory are not the rows in the file";
        return file;
    }

    // The user's rows only (the delivered ones carry the marker 1).
    QStringList userRows(Recordset& table) { return rows(table).filter(QRegularExpression(QStringLiteral("\\|0$"))); }

    // Field `field` of every asset, in table order, as stored in the file.
    QStringList assetField(int field)
    {
        QStringList out;
        for (const std::vector<Value>& row : diskRows(layouts::Inventory()))
            out << row.at(field).text();
        return out;
    }
};

} // namespace tlm::test
