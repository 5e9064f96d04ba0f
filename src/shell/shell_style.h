#pragma once
// Small layout helpers the shell's screens share: fonts for headings and a centred window.
#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tlm::screens::style {

// A font `delta` points larger than the widget's own, bold when asked.
inline QFont scaled(const QWidget* widget, int delta, bool bold = false)
{
    QFont f = widget->font();
    f.setPointSize(f.pointSize() + delta);
    f.setBold(bold);
    return f;
}

// Screens open in the middle of the screen, as the program has always placed them.
inline void centerOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->size();
    window->move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

} // namespace tlm::screens::style

namespace tlm::screens::helpIds {
// Help topics of the shell's screens (one topic per screen).
constexpr int Introduction = 1001;
constexpr int Keyboard = 2001;
constexpr int MainMenu = 3001;
constexpr int Totals = 4001;
constexpr int Calendar = 5001;
} // namespace tlm::screens::helpIds
