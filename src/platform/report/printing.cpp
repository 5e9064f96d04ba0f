#include "platform/report/printing.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace tlm::report {

PrintOutcome SystemPrinter::print(QWidget* parent, const PrintJob& job)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.documentName);
    printer.setPageLayout(job.pageLayout);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print"));
    dialog.setMinMax(1, job.pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted)
        return PrintOutcome::Cancelled;
    if (!printer.isValid() || !job.render(printer))
        return PrintOutcome::Failed;
    return PrintOutcome::Printed;
}

QString SystemSaveFileDialog::getSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedFile,
                                              const QString& filter, const QString& defaultSuffix)
{
    QFileDialog dialog(parent, caption, suggestedFile, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace tlm::report
