#pragma once
// How a report's text measures: its fonts and where its lines break. The layout breaks the
// fields' text with it and the renderer the labels', so both see the same lines.
#include "platform/report/report.h"

#include <QFont>
#include <QStringList>

class QFontMetricsF;

namespace tlm::report {

// The report's font with its size in twips (the painter draws in twips). Times New Roman is
// Liberation Serif here, which has the same metrics.
QFont qFont(const Font& font);

// The lines `text` prints as in a box `width` twips wide: broken at blanks, and anywhere in a
// word longer than the line, so that every line fits and nothing is lost. `keepBreaks` keeps
// the text's own line breaks; otherwise they print as blanks. A text that fits is one line.
QStringList breakLines(const QString& text, const QFont& font, const QFontMetricsF& metrics, qreal width,
                       bool keepBreaks);

} // namespace tlm::report
