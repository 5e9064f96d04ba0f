#pragma once
// The inside of a report window: the preview with page navigation and zoom, and the commands
// Print, Export to PDF and Close. Failures of a print or an export are raised as its Error
// event; the window itself stays as it is.
#include "platform/report/printing.h"
#include "platform/report/report.h"

#include <QPrinter>
#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QPrintPreviewWidget;
class QPushButton;

namespace tlm::report {

// What the report was doing when an error arose.
enum class ReportJob { Preview = 0, Print = 1, Export = 2 };

struct ReportError {
    int number = 0;
    QString description;
};

class ReportViewer : public QWidget {
public:
    ReportViewer(PrinterService& printer, SaveFileDialog& saveDialog, QWidget* parent = nullptr);
    ~ReportViewer() override;

    // Shows `layout` from its first page; `documentName` names the print job and the PDF file.
    void setReport(Layout layout, const QString& documentName);
    const Layout& report() const { return layout_; }
    // The page the preview shows, from 1.
    int currentPage() const;

    void print();
    void exportPdf();

    // A failed print or export. showError starts true; a handler that shows its own message
    // sets it to false, otherwise the viewer shows the error's description.
    std::function<void(ReportJob job, int cookie, const ReportError& error, bool& showError)> Error;
    // The Close command.
    std::function<void()> closeRequested;

    QPrintPreviewWidget* preview = nullptr;
    QLabel* lblPage = nullptr;
    QPushButton* cmdFirst = nullptr;
    QPushButton* cmdPrevious = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdLast = nullptr;
    QPushButton* cmdZoomIn = nullptr;
    QPushButton* cmdZoomOut = nullptr;
    QPushButton* cmdFitWidth = nullptr;
    QPushButton* cmdWholePage = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* addCommand(const QString& caption, const QString& tip);
    void goToPage(int page);
    void updatePreview();
    void updatePageState();
    void raiseError(ReportJob job, int cookie, const ReportError& error);

    PrinterService& printer_;
    SaveFileDialog& saveDialog_;
    QPrinter previewPrinter_;
    Layout layout_;
    QString documentName_;
    bool stale_ = true;
    int cookie_ = 0;
};

} // namespace tlm::report
