// Dependencies point one way: screens -> ui -> data -> platform. Neither the platform nor the
// shared routines know a screen, and the calendar knows none of its openers.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Every "#include" of the sources under `folder` (or of one file) that names one of `screens`.
QStringList includesOf(const QString& path, const QStringList& screens)
{
    QStringList files;
    if (QFileInfo(path).isDir()) {
        QDirIterator it(path, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    } else {
        files << path;
    }
    static const QRegularExpression include(QStringLiteral("^#include \"([^\"]+)\""),
                                            QRegularExpression::MultilineOption);
    QStringList found;
    for (const QString& file : files) {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        const QString text = QString::fromUtf8(f.readAll());
        for (auto m = include.globalMatch(text); m.hasNext();) {
            const QString header = m.next().captured(1);
            for (const QString& screen : screens)
                if (header.startsWith(screen))
                    found << QFileInfo(file).fileName() + " -> " + header;
        }
    }
    return found;
}

} // namespace

TEST(Dependencies, PointFromTheScreensDownOnly)
{
    const QString src = QStringLiteral(TLM_SOURCE_DIR);
    const QStringList screens = {"shell/", "assets/", "search/", "lists/", "owner/"};
    ASSERT_TRUE(QFileInfo(src + "/ui/screen_routines.cpp").exists());
    EXPECT_EQ(includesOf(src + "/platform", screens), QStringList());
    EXPECT_EQ(includesOf(src + "/ui", screens), QStringList());
    for (const char* file : {"/shell/frmCalendar.h", "/shell/frmCalendar.cpp"})
        EXPECT_EQ(includesOf(src + file, {"assets/", "owner/", "search/", "lists/"}), QStringList());
}
