#pragma once
// The shell's pictures, painted in code so the program needs no image files.
#include <QPixmap>
#include <QSize>

namespace tlm::screens::pictures {

// The splash: the program's name and maker over a small house.
QPixmap splash(QSize size);
// A keyboard's top rows with the F1 key marked.
QPixmap keyboard(QSize size);
// The goodbye screen's house.
QPixmap home(QSize size);
// The small wall calendar of the pictures that open the calendar picker.
QPixmap calendarIcon();

} // namespace tlm::screens::pictures
