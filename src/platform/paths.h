#pragma once
// Where the program keeps its data. Everything derives from one root folder, so a test
// points the whole program at a temporary folder.
#include <QString>

namespace tlm {

class Paths {
public:
    explicit Paths(QString programFolder) : root_(std::move(programFolder)) {}
    // $XDG_DATA_HOME/Tallowmere (normally ~/.local/share/Tallowmere).
    static Paths standard();

    QString programFolder() const { return root_; }
    QString databaseFolder() const { return root_ + QStringLiteral("/C_DB"); }
    QString databaseFile() const { return databaseFolder() + QStringLiteral("/TLM.db"); }
    QString backupFolder() const { return root_ + QStringLiteral("/Backup"); }
    QString helpFile() const { return root_ + QStringLiteral("/TLM.html"); }

private:
    QString root_;
};

} // namespace tlm
