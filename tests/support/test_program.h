#pragma once
// A whole program over its own temporary folder, with message boxes answered from a queue,
// a fixed clock, an injected process list and a help service that records topics.
#include "app/program.h"

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <ostream>
#include <optional>
#include <vector>

// Readable QStrings in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace tlm::test {

struct ShownBox {
    QString text;
    int style = 0;
    QString title;
};

class ScriptedMessageBoxes : public MessageBoxService {
public:
    int show(const QString& text, int style, const QString& title) override;

    // The next box is answered with `answer`; when `text` is given the box must show it.
    void expect(int answer, std::optional<QString> text = std::nullopt);
    std::vector<ShownBox> shown;
    bool allAnswered() const { return answers_.empty(); }
    QStringList texts() const;

private:
    struct Expected {
        int answer;
        std::optional<QString> text;
    };
    std::deque<Expected> answers_;
};

class FakeProcesses : public ProcessList {
public:
    QStringList list{QStringLiteral("systemd"), QStringLiteral("Tallowmere")};
    QStringList names() const override { return list; }
};

class RecordingHelp : public HelpService {
public:
    void showTopic(int id) override { topics.push_back(id); }
    std::vector<int> topics;
};

// A printer without paper: it prints into a PDF file in the test's folder, is cancelled in its
// dialog, or fails as a printer that is not there (its output cannot be opened).
class FakePrinter : public report::PrinterService {
public:
    enum class Mode { Print, Cancel, Fail };
    explicit FakePrinter(QString folder) : folder_(std::move(folder)) {}
    report::PrintOutcome print(QWidget* parent, const report::PrintJob& job) override;

    Mode mode = Mode::Print;
    int dialogs = 0;
    QStringList printedFiles;

private:
    QString folder_;
};

// The PDF export's save dialog, answered from a queue; a dialog nobody expected fails the test.
class ScriptedSaveDialog : public report::SaveFileDialog {
public:
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedFile,
                            const QString& filter, const QString& defaultSuffix) override;
    // The next dialog answers `file` (an empty text cancels).
    void expect(const QString& file) { answers_.push_back(file); }
    int shown = 0;

private:
    std::deque<QString> answers_;
};

class TestProgram {
public:
    TestProgram();
    ~TestProgram();

    Program& operator*() { return *program; }
    Program* operator->() { return program.get(); }

    // Opens the seven recordsets as the start-up does.
    void openData();
    QString root() const { return dir.path(); }

    QTemporaryDir dir;
    ScriptedMessageBoxes* msgs = nullptr;
    FakeProcesses* processes = nullptr;
    RecordingHelp* help = nullptr;
    FakePrinter* printer = nullptr;
    ScriptedSaveDialog* saveDialog = nullptr;
    std::unique_ptr<Program> program;
};

} // namespace tlm::test
