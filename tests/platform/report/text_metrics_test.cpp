#include "platform/report/text_metrics.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

using namespace tlm::report;

// However wide a text is in all, it breaks into lines that fit, each as full as it can be. Qt
// sums a text's width in 26.6 fixed point, which wraps past 2^25 twips (some 200,000 letters
// at 10 points): a text half as wide again measures less than nothing and seemed to fit on one
// line. Its lines are laid out a stretch at a time; none is lost or cut short at the seams.
TEST(TextMetrics, ATextWiderThanQtCanSumBreaksIntoFullLines)
{
    const QFont font = qFont(Font{.pointSize = 72});
    const QFontMetricsF metrics(font);
    const QString line = QStringLiteral("Wide words");
    const qsizetype count = qsizetype(1.5 * (1 << 25) / metrics.horizontalAdvance(line + u' '));
    const QString text = QString(line + u' ').repeated(count).trimmed();

    // Room for two words and not for three.
    const QStringList lines = breakLines(text, font, metrics, metrics.horizontalAdvance(line) + 100, false);
    ASSERT_EQ(lines.size(), count);
    EXPECT_EQ(lines.count(line), count);
}
