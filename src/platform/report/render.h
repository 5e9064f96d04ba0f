#pragma once
// Paints laid-out pages. The same painting serves the preview, the printer and the PDF file.
#include "platform/report/report.h"
#include "platform/report/text_metrics.h"

#include <QPageLayout>

class QPrinter;

namespace tlm::report {

// The paper of a layout, with no margins of the printer's own: the pages place everything.
QPageLayout pageLayoutOf(const Layout& layout);

// Draws one page (0-based); the painter's units are twips from the paper's top-left corner.
void paintPage(QPainter& painter, const Layout& layout, int page);

// Prints the printer's page range (all pages when it has none) at full page. False when the
// printer refused to start or to take a page.
bool render(QPrinter& printer, const Layout& layout);

// Writes the pages as a PDF file, on disk, in place of any file of that name. False when any of
// it could not be written: then a file that was there stays as it was, and nothing is left.
bool exportPdf(const Layout& layout, const QString& file, const QString& title);

} // namespace tlm::report
