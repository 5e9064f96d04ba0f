#include "platform/report/text_metrics.h"

#include <QFontMetricsF>
#include <QTextLayout>

namespace tlm::report {

QFont qFont(const Font& font)
{
    QFont f;
    if (font.family == QStringLiteral("Times New Roman"))
        f.setFamilies({QStringLiteral("Liberation Serif"), font.family});
    else
        f.setFamily(font.family);
    f.setPixelSize(qRound(font.pointSize * kTwipsPerPoint));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    // The same letter widths on screen, paper and PDF.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QStringList breakLines(const QString& value, const QFont& font, const QFontMetricsF& metrics, qreal width,
                       bool keepBreaks)
{
    QString text = value;
    if (keepBreaks)
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\n', QChar::LineSeparator);
    else
        text.replace(u'\n', u' ').remove(u'\r');
    if (text.isEmpty())
        return {};
    if (!text.contains(QChar::LineSeparator) && metrics.horizontalAdvance(text) <= width)
        return {text};
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    while (lines.size() > 1 && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace tlm::report
