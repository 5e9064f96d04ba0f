#pragma once
// Paints laid-out pages. The same painting serves the preview, the printer and the PDF file.
#include "platform/report/report.h"

#include <QFont>
#include <QPageLayout>
#include <QStringList>

class QFontMetricsF;

class QPrinter;

namespace tlm::report {

// The report's font with its size in twips (the painter draws in twips). Times New Roman is
// Liberation Serif here, which has the same metrics.
QFont qFont(const Font& font);

// The lines `text` prints as in a box `width` twips wide: broken at blanks, and anywhere in a
// word longer than the line, so that every line fits and nothing is lost. `keepBreaks` keeps
// the text's own line breaks; otherwise they print as blanks. A text that fits is one line.
QStringList breakLines(const QString& text, const QFont& font, const QFontMetricsF& metrics, qreal width,
                       bool keepBreaks);

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
