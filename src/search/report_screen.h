#pragma once
// What the three report windows share: the viewer, laying the pages out from the data when the
// report is shown, and the error event.
#include "platform/report/report_viewer.h"
#include "ui/screen.h"

namespace tlm::screens {

// Every row of a recordset, from its first, as the report's rows. A recordset with rows is left
// on its first row, never at its end.
report::Rows rowsOf(Recordset& recordset);
// The current row only.
report::Rows currentRowOf(Recordset& recordset);

class ReportScreen : public Screen {
public:
    // Lays the pages out from the data as it is now and shows the window (non-modal). A failure
    // to read the data is thrown to the caller, whose error trap reports it.
    void Show();
    // Lays the pages out from the data as it is now.
    void Refresh();

    const report::Layout& layout() const { return viewer->report(); }
    // The report's name on its print job and as its PDF file's title.
    const QString& documentName() const { return documentName_; }

    // A print or export failed: "A Printing Error Has Occurred...", and no message of the
    // viewer's own.
    void DataReport_Error(int JobType, int Cookie, const report::ReportError& ErrObj, bool& ShowError);

    report::ReportViewer* viewer;

protected:
    ReportScreen(Program& program, std::shared_ptr<const report::Design> design, QString documentName);
    // The rows the report prints, read when it is shown.
    virtual report::Rows readRows() = 0;

private:
    std::shared_ptr<const report::Design> design_;
    QString documentName_;
};

// The house mark the reports print as their picture.
void paintHouseMark(QPainter& painter, const QRectF& box);

} // namespace tlm::screens
