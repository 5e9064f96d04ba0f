#include "platform/report/report_viewer.h"

#include "platform/report/render.h"

#include <QDir>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace tlm::report {

namespace {
constexpr qreal kZoomStep = 1.25;
const ReportError kPrinterError{482, QStringLiteral("Printer error")};
const ReportError kFileError{75, QStringLiteral("Path/File access error")};
} // namespace

ReportViewer::ReportViewer(PrinterService& printer, SaveFileDialog& saveDialog, QWidget* parent)
    : QWidget(parent), printer_(printer), saveDialog_(saveDialog), previewPrinter_(QPrinter::HighResolution)
{
    // The preview records pages only; it never needs a real printer.
    previewPrinter_.setOutputFormat(QPrinter::PdfFormat);
    preview = new QPrintPreviewWidget(&previewPrinter_, this);
    // The focus goes to the view inside the preview. It shows the pages as pictures only, so
    // it tells where their text is to be had.
    if (auto* pages = preview->findChild<QGraphicsView*>()) {
        pages->setAccessibleName(QStringLiteral("Report Preview"));
        pages->setAccessibleDescription(
            QStringLiteral("The report's pages as pictures. Export to PDF gives the report's text."));
    }
    preview->setZoomMode(QPrintPreviewWidget::FitToWidth);
    connect(preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* p) {
        // The preview draws the pages itself when it is first shown: they are then current, and
        // the window's own showing must not draw them all a second time.
        stale_ = false;
        report::render(*p, layout_);
    });
    connect(preview, &QPrintPreviewWidget::previewChanged, this, [this] { updatePageState(); });

    auto* bar = new QHBoxLayout;
    cmdFirst = addCommand(QStringLiteral("&First"), QStringLiteral(" First Page "));
    cmdPrevious = addCommand(QStringLiteral("Pre&vious"), QStringLiteral(" Previous Page "));
    lblPage = new QLabel(this);
    lblPage->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Page 0000 of 0000")));
    lblPage->setAlignment(Qt::AlignCenter);
    cmdNext = addCommand(QStringLiteral("&Next"), QStringLiteral(" Next Page "));
    cmdLast = addCommand(QStringLiteral("&Last"), QStringLiteral(" Last Page "));
    cmdZoomIn = addCommand(QStringLiteral("Zoom &In"), QStringLiteral(" Larger "));
    cmdZoomOut = addCommand(QStringLiteral("Zoom &Out"), QStringLiteral(" Smaller "));
    cmdFitWidth = addCommand(QStringLiteral("Fit &Width"), QStringLiteral(" The Page As Wide As The Window "));
    cmdWholePage = addCommand(QStringLiteral("Whole Pa&ge"), QStringLiteral(" The Whole Page In The Window "));
    cmdPrint = addCommand(QStringLiteral("&Print..."), QStringLiteral(" Print The Report "));
    cmdExport = addCommand(QStringLiteral("&Export to PDF..."), QStringLiteral(" Save The Report As A PDF File "));
    cmdClose = addCommand(QStringLiteral("&Close"), QStringLiteral(" Close The Report "));

    for (QPushButton* b : {cmdFirst, cmdPrevious})
        bar->addWidget(b);
    bar->addWidget(lblPage);
    for (QPushButton* b : {cmdNext, cmdLast, cmdZoomIn, cmdZoomOut, cmdFitWidth, cmdWholePage})
        bar->addWidget(b);
    bar->addStretch(1);
    for (QPushButton* b : {cmdPrint, cmdExport, cmdClose})
        bar->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(bar);
    layout->addWidget(preview, 1);

    connect(cmdFirst, &QPushButton::clicked, this, [this] { goToPage(1); });
    connect(cmdPrevious, &QPushButton::clicked, this, [this] { goToPage(currentPage() - 1); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { goToPage(currentPage() + 1); });
    connect(cmdLast, &QPushButton::clicked, this, [this] { goToPage(layout_.pageCount()); });
    connect(cmdZoomIn, &QPushButton::clicked, this, [this] { preview->zoomIn(kZoomStep); });
    connect(cmdZoomOut, &QPushButton::clicked, this, [this] { preview->zoomOut(kZoomStep); });
    connect(cmdFitWidth, &QPushButton::clicked, this, [this] { preview->fitToWidth(); });
    connect(cmdWholePage, &QPushButton::clicked, this, [this] { preview->fitInView(); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { print(); });
    connect(cmdExport, &QPushButton::clicked, this, [this] { exportPdf(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] {
        if (closeRequested)
            closeRequested();
    });

    // The keys a preview is read with, beside the buttons' mnemonics.
    const auto shortcut = [this](const QKeySequence& keys, QPushButton* button) {
        auto* s = new QShortcut(keys, this);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, button, &QPushButton::click);
    };
    shortcut(QKeySequence(Qt::Key_PageDown), cmdNext);
    shortcut(QKeySequence(Qt::Key_PageUp), cmdPrevious);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Home), cmdFirst);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_End), cmdLast);
    shortcut(QKeySequence::ZoomIn, cmdZoomIn);
    shortcut(QKeySequence::ZoomOut, cmdZoomOut);
    shortcut(QKeySequence::Print, cmdPrint);
    shortcut(QKeySequence(Qt::Key_Escape), cmdClose);
    updatePageState();
}

ReportViewer::~ReportViewer()
{
    // The preview holds the preview printer, a member that goes before the children do.
    delete preview;
}

QPushButton* ReportViewer::addCommand(const QString& caption, const QString& tip)
{
    auto* button = new QPushButton(caption, this);
    button->setAutoDefault(false);
    button->setToolTip(tip);
    button->setAccessibleName(QString(caption).remove(u'&').remove(QStringLiteral("...")));
    button->setAccessibleDescription(tip);
    return button;
}

void ReportViewer::setReport(Layout layout, const QString& documentName)
{
    layout_ = std::move(layout);
    documentName_ = documentName;
    previewPrinter_.setDocName(documentName);
    previewPrinter_.setPageLayout(pageLayoutOf(layout_));
    stale_ = true;
    if (isVisible())
        updatePreview();
}

void ReportViewer::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (stale_)
        updatePreview();
}

void ReportViewer::updatePreview()
{
    stale_ = false;
    preview->updatePreview();
    preview->setCurrentPage(1);
    updatePageState();
}

int ReportViewer::currentPage() const { return preview->currentPage(); }

void ReportViewer::goToPage(int page)
{
    if (page < 1 || page > preview->pageCount())
        return;
    preview->setCurrentPage(page);
    updatePageState();
}

void ReportViewer::updatePageState()
{
    const int count = stale_ ? layout_.pageCount() : preview->pageCount();
    const int page = count == 0 ? 0 : qBound(1, preview->currentPage(), count);
    lblPage->setText(QStringLiteral("Page %1 of %2").arg(page).arg(count));
    cmdFirst->setEnabled(page > 1);
    cmdPrevious->setEnabled(page > 1);
    cmdNext->setEnabled(page < count);
    cmdLast->setEnabled(page < count);
    cmdPrint->setEnabled(layout_.pageCount() > 0);
    cmdExport->setEnabled(layout_.pageCount() > 0);
}

void ReportViewer::print()
{
    if (layout_.pageCount() == 0)
        return;
    const int cookie = ++cookie_;
    PrintJob job;
    job.documentName = documentName_;
    job.pageLayout = pageLayoutOf(layout_);
    job.pageCount = layout_.pageCount();
    job.render = [this](QPrinter& printer) { return report::render(printer, layout_); };
    PrintOutcome outcome = PrintOutcome::Failed;
    try {
        outcome = printer_.print(window(), job);
    } catch (const std::exception&) {
        outcome = PrintOutcome::Failed;
    }
    if (outcome == PrintOutcome::Failed)
        raiseError(ReportJob::Print, cookie, kPrinterError);
}

void ReportViewer::exportPdf()
{
    if (layout_.pageCount() == 0)
        return;
    const int cookie = ++cookie_;
    const QString suggested = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                  .filePath(documentName_ + QStringLiteral(".pdf"));
    const QString file = saveDialog_.getSaveFileName(window(), QStringLiteral("Export to PDF"), suggested,
                                                     QStringLiteral("PDF Files (*.pdf)"), QStringLiteral("pdf"));
    if (file.isEmpty())
        return;
    if (!report::exportPdf(layout_, file, documentName_))
        raiseError(ReportJob::Export, cookie, kFileError);
}

void ReportViewer::raiseError(ReportJob job, int cookie, const ReportError& error)
{
    bool showError = true;
    if (Error)
        Error(job, cookie, error, showError);
    if (showError)
        QMessageBox::critical(window(), documentName_, error.description);
}

} // namespace tlm::report
