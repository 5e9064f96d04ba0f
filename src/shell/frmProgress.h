#pragma once
// The save screen of the shut-down: purge, close, backup, then the goodbye screen.
#include "ui/screen.h"

namespace tlm::screens {

class frmProgress : public Screen {
public:
    explicit frmProgress(Program& program);

    Label* lblWait = nullptr;    // "Please Wait..."
    Label* lblSaving = nullptr;  // "Updating and Saving Database Changes"
    ProgressBar* pbSave = nullptr;

    // Purges the emptied lookup rows, closes the tables and backs the database folder up;
    // runs once per run, on the first activation.
    void save_Database_Changes();
    bool hasSaved() const { return saved_; }

protected:
    void Form_Activate() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    void purge_Empty_Rows(Recordset& table);
    void backup_Database();
    bool saved_ = false;
};

} // namespace tlm::screens
