#include "support/test_program.h"

#include <QPrinter>
#include <gtest/gtest.h>

namespace tlm::test {

int ScriptedMessageBoxes::show(const QString& text, int style, const QString& title)
{
    shown.push_back({text, style, title});
    if (answers_.empty()) {
        ADD_FAILURE() << "Unexpected message box: \"" << text.toStdString() << "\" (style " << style << ")";
        return (style & 0x0F) == 4 ? vbNo : vbOK;
    }
    Expected e = answers_.front();
    answers_.pop_front();
    if (e.text) {
        EXPECT_EQ(text.toStdString(), e.text->toStdString()) << "message box text";
    }
    return e.answer;
}

void ScriptedMessageBoxes::expect(int answer, std::optional<QString> text)
{
    answers_.push_back({answer, std::move(text)});
}

QStringList ScriptedMessageBoxes::texts() const
{
    QStringList list;
    for (const ShownBox& b : shown)
        list << b.text;
    return list;
}

report::PrintOutcome FakePrinter::print(QWidget*, const report::PrintJob& job)
{
    ++dialogs;
    if (mode == Mode::Cancel)
        return report::PrintOutcome::Cancelled;
    const QString file = mode == Mode::Fail
                             ? folder_ + QStringLiteral("/no such printer/out.pdf")
                             : folder_ + QStringLiteral("/printed-%1.pdf").arg(dialogs);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageLayout(job.pageLayout);
    if (!job.render(printer))
        return report::PrintOutcome::Failed;
    printedFiles << file;
    return report::PrintOutcome::Printed;
}

QString ScriptedSaveDialog::getSaveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&)
{
    ++shown;
    if (answers_.empty()) {
        ADD_FAILURE() << "Unexpected save dialog";
        return QString();
    }
    QString file = answers_.front();
    answers_.pop_front();
    return file;
}

TestProgram::TestProgram()
{
    Program::Services services;
    auto m = std::make_unique<ScriptedMessageBoxes>();
    auto p = std::make_unique<FakeProcesses>();
    auto h = std::make_unique<RecordingHelp>();
    msgs = m.get();
    processes = p.get();
    help = h.get();
    services.messages = std::move(m);
    services.processes = std::move(p);
    services.help = std::move(h);
    auto pr = std::make_unique<FakePrinter>(dir.path());
    auto sd = std::make_unique<ScriptedSaveDialog>();
    printer = pr.get();
    saveDialog = sd.get();
    services.printer = std::move(pr);
    services.saveDialog = std::move(sd);
    program = std::make_unique<Program>(Paths(dir.path() + QStringLiteral("/Tallowmere")), std::move(services));
    program->clock().setFixed(QDateTime(QDate(2026, 6, 15), QTime(10, 0)));
}

TestProgram::~TestProgram()
{
    program.reset();
}

void TestProgram::openData() { program->Data1().openAll(); }

} // namespace tlm::test
