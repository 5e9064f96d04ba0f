#pragma once
// How a report's text measures: its fonts and where its lines break. The layout breaks the
// fields' text with it and the renderer the labels', so both see the same lines.
#include "platform/report/report.h"

#include <QFont>
#include <QFontMetricsF>
#include <QStringList>
#include <unordered_map>

namespace tlm::report {

// The report's font with its size in twips (the painter draws in twips). Times New Roman is
// Liberation Serif here, which has the same metrics.
QFont qFont(const Font& font);

// A report font with its metrics.
struct TextFont {
    explicit TextFont(const QFont& f) : font(f), metrics(f) {}
    QFont font;
    QFontMetricsF metrics;
    // The last text measured in this font and its width: a label prints the same words in
    // every block, and measuring is much of the cost of a page.
    QString lastText;
    qreal lastWidth = 0;

    qreal width(const QString& text)
    {
        if (text != lastText) {
            lastText = text;
            lastWidth = metrics.horizontalAdvance(text);
        }
        return lastWidth;
    }
};

// The fonts of a report's controls, each made once for a whole layout or print.
class ControlFonts {
public:
    TextFont& of(const Control& c)
    {
        auto it = fonts_.find(&c);
        if (it == fonts_.end())
            it = fonts_.emplace(&c, TextFont(qFont(c.font))).first;
        return it->second;
    }

private:
    std::unordered_map<const Control*, TextFont> fonts_;
};

// The lines `text` prints as in a box `width` twips wide: broken at blanks, and anywhere in a
// word longer than the line, so that every line fits and nothing is lost. `keepBreaks` keeps
// the text's own line breaks; otherwise they print as blanks. A text that fits is one line.
QStringList breakLines(const QString& text, const QFont& font, const QFontMetricsF& metrics, qreal width,
                       bool keepBreaks);

} // namespace tlm::report
