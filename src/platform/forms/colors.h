#pragma once
// Colours as the platform numbers them: &H00BBGGRR, and system colours from &H80000000.
#include <QColor>
#include <QPalette>

namespace tlm::colors {

constexpr quint32 PressedButton = 16765644; // &HFFD2CC light blue
constexpr quint32 ButtonFace = 0x8000000F;  // system colour of a button face
constexpr quint32 ErrorHighlight = 0xC0C0FF; // light red
constexpr quint32 White = 0xFFFFFF;
constexpr quint32 WindowBackground = 0x80000005;

inline bool isSystemColor(quint32 c) { return (c & 0x80000000u) != 0; }

inline QColor toQColor(quint32 c, const QPalette& palette = QPalette())
{
    if (isSystemColor(c)) {
        switch (c & 0xFF) {
        case 0x05:
            return palette.color(QPalette::Base);
        case 0x0F:
        default:
            return palette.color(QPalette::Button);
        }
    }
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

} // namespace tlm::colors
