#pragma once
// The printer and the save dialog of the PDF export, as services: the program uses the
// system's print dialog and printers; tests put in a printer that can fail and a dialog
// that answers with a file name of their own.
#include <QPageLayout>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace tlm::report {

enum class PrintOutcome { Printed, Cancelled, Failed };

struct PrintJob {
    QString documentName;
    QPageLayout pageLayout;
    int pageCount = 0;
    // Draws the printer's page range onto it; false when the printer refused.
    std::function<bool(QPrinter&)> render;
};

class PrinterService {
public:
    virtual ~PrinterService() = default;
    // Lets the user choose a printer and pages, then prints.
    virtual PrintOutcome print(QWidget* parent, const PrintJob& job) = 0;
};

// The system's print dialog and printers.
class SystemPrinter : public PrinterService {
public:
    PrintOutcome print(QWidget* parent, const PrintJob& job) override;
};

class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;
    // The file the user chose, or an empty text when the dialog was cancelled.
    virtual QString getSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedFile,
                                    const QString& filter, const QString& defaultSuffix) = 0;
};

class SystemSaveFileDialog : public SaveFileDialog {
public:
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedFile,
                            const QString& filter, const QString& defaultSuffix) override;
};

} // namespace tlm::report
