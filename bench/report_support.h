#pragma once
// A program over a throw-away folder for the report tools: messages go to stderr, the
// database is the delivered one, and assets are written straight into the Print table.
#include "app/program.h"
#include "data/fields.h"

#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace tlm::bench {

class StderrMessages : public MessageBoxService {
public:
    int show(const QString& text, int style, const QString&) override
    {
        std::fprintf(stderr, "message (style %d): %s\n", style, qPrintable(text));
        return (style & 0x0F) == 4 ? vbNo : vbOK;
    }
};

// The PDF export's save dialog, answered with `file` at once.
class FixedSaveDialog : public report::SaveFileDialog {
public:
    QString file;
    QString getSaveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&) override
    {
        return file;
    }
};

struct ReportProgram {
    QTemporaryDir dir;
    std::unique_ptr<Program> program;
    FixedSaveDialog* saveDialog = nullptr;

    ReportProgram()
    {
        Program::Services services;
        services.messages = std::make_unique<StderrMessages>();
        auto dialog = std::make_unique<FixedSaveDialog>();
        saveDialog = dialog.get();
        services.saveDialog = std::move(dialog);
        program = std::make_unique<Program>(Paths(dir.path() + QStringLiteral("/Tallowmere")), std::move(services));
        program->clock().setFixed(QDateTime(QDate(2026, 6, 15), QTime(14, 5, 9)));
        program->Data1().openAll();
    }
};

// One Print row from its 14 texts (field 0 first), added without a transaction of its own.
inline void addPrintRow(Recordset& print, const QStringList& fields)
{
    print.AddNew();
    for (int i = 0; i < fld::Print::Count; ++i)
        print.setField(i, fields.value(i));
    print.Update();
}

} // namespace tlm::bench
