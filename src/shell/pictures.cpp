#include "shell/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <vector>

namespace tlm::screens::pictures {

namespace {

const QColor kNavy(24, 48, 96);
const QColor kCream(250, 246, 236);
const QColor kBrick(176, 72, 52);
const QColor kRoof(92, 56, 40);
const QColor kWindow(255, 214, 110);

// A house with a chimney, a door and two lit windows, inside `r`.
void paintHouse(QPainter& p, const QRectF& r)
{
    const qreal w = r.width(), h = r.height();
    const QRectF body(r.left() + w * 0.15, r.top() + h * 0.45, w * 0.70, h * 0.55);
    p.setPen(QPen(kRoof.darker(130), qMax<qreal>(1.0, w / 90)));

    p.setBrush(kBrick.darker(115));
    p.drawRect(QRectF(r.left() + w * 0.62, r.top() + h * 0.10, w * 0.10, h * 0.28)); // chimney

    QPainterPath roof;
    roof.moveTo(r.left() + w * 0.05, body.top());
    roof.lineTo(r.center().x(), r.top() + h * 0.05);
    roof.lineTo(r.right() - w * 0.05, body.top());
    roof.closeSubpath();
    p.setBrush(kRoof);
    p.drawPath(roof);

    p.setBrush(kBrick);
    p.drawRect(body);

    p.setBrush(kNavy);
    const QRectF door(body.center().x() - w * 0.07, body.bottom() - h * 0.30, w * 0.14, h * 0.30);
    p.drawRect(door);
    p.setBrush(kWindow);
    p.drawEllipse(QPointF(door.right() - w * 0.03, door.center().y()), w * 0.012, w * 0.012);

    for (qreal x : {body.left() + w * 0.07, body.right() - w * 0.07 - w * 0.13}) {
        const QRectF win(x, body.top() + h * 0.10, w * 0.13, h * 0.14);
        p.setBrush(kWindow);
        p.drawRect(win);
        p.drawLine(QPointF(win.center().x(), win.top()), QPointF(win.center().x(), win.bottom()));
        p.drawLine(QPointF(win.left(), win.center().y()), QPointF(win.right(), win.center().y()));
    }
}

QFont fontOf(int pixelSize, bool bold = false, bool italic = false, const QString& family = QString())
{
    QFont f;
    if (!family.isEmpty())
        f.setFamily(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

} // namespace

QPixmap splash(QSize size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(QPointF(0, 0), QSizeF(size));

    QLinearGradient sky(all.topLeft(), all.bottomLeft());
    sky.setColorAt(0.0, QColor(34, 66, 128));
    sky.setColorAt(1.0, kNavy.darker(140));
    p.fillRect(all, sky);

    // A framed panel keeps the words readable on any screen.
    const QRectF panel = all.adjusted(18, 18, -18, -18);
    p.setPen(QPen(kWindow, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel, 10, 10);

    const qreal h = panel.height();
    paintHouse(p, QRectF(panel.left() + 28, panel.top() + h * 0.22, h * 0.56, h * 0.56));

    const QRectF text(panel.left() + 40 + h * 0.56, panel.top() + 20, panel.width() - h * 0.56 - 64, h - 40);
    p.setPen(kCream);
    p.setFont(fontOf(int(h * 0.19), true, false, QStringLiteral("Liberation Serif")));
    p.drawText(QRectF(text.left(), text.top() + h * 0.10, text.width(), h * 0.26), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Tallowmere"));
    p.setFont(fontOf(int(h * 0.075)));
    p.drawText(QRectF(text.left(), text.top() + h * 0.37, text.width(), h * 0.12), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Household Inventory"));
    p.setPen(kWindow);
    p.setFont(fontOf(int(h * 0.062), false, true));
    p.drawText(QRectF(text.left(), text.top() + h * 0.55, text.width(), h * 0.12), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("By Brindlecote Software"));
    p.setPen(kCream.darker(115));
    p.setFont(fontOf(int(h * 0.05)));
    p.drawText(QRectF(text.left(), text.top() + h * 0.72, text.width(), h * 0.10), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Loading, please wait..."));
    return pixmap;
}

QPixmap keyboard(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(QColor(236, 238, 242));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    const qreal margin = 16;
    const QRectF board(margin, size.height() * 0.34, size.width() - 2 * margin, size.height() * 0.62);
    p.setPen(QPen(QColor(70, 74, 84), 2));
    p.setBrush(QColor(58, 62, 72));
    p.drawRoundedRect(board, 12, 12);

    // Rows of keys: function row, then three ordinary rows, in key widths of one unit.
    struct Key {
        QString label;
        qreal units;
        bool gapBefore = false;
    };
    const std::vector<std::vector<Key>> rows = {
        {{"Esc", 1}, {"F1", 1, true}, {"F2", 1}, {"F3", 1}, {"F4", 1}, {"F5", 1, true}, {"F6", 1}, {"F7", 1},
         {"F8", 1}, {"F9", 1, true}, {"F10", 1}, {"F11", 1}, {"F12", 1}},
        {{"~", 1}, {"1", 1}, {"2", 1}, {"3", 1}, {"4", 1}, {"5", 1}, {"6", 1}, {"7", 1}, {"8", 1}, {"9", 1},
         {"0", 1}, {"-", 1}, {"=", 1}, {"Back", 2}},
        {{"Tab", 1.5}, {"Q", 1}, {"W", 1}, {"E", 1}, {"R", 1}, {"T", 1}, {"Y", 1}, {"U", 1}, {"I", 1}, {"O", 1},
         {"P", 1}, {"[", 1}, {"]", 1}, {"\\", 1.5}},
        {{"Caps", 1.75}, {"A", 1}, {"S", 1}, {"D", 1}, {"F", 1}, {"G", 1}, {"H", 1}, {"J", 1}, {"K", 1}, {"L", 1},
         {";", 1}, {"'", 1}, {"Enter", 2.25}},
    };
    const qreal unit = (board.width() - 24) / 15.0;
    const qreal keyH = (board.height() - 24) / rows.size();
    QRectF f1;
    for (size_t r = 0; r < rows.size(); ++r) {
        qreal x = board.left() + 12;
        const qreal y = board.top() + 12 + r * keyH;
        for (const Key& k : rows[r]) {
            if (k.gapBefore)
                x += unit * (r == 0 ? 0.5 : 0);
            const QRectF key(x + 2, y + 2, unit * k.units - 4, keyH - 6);
            const bool isF1 = k.label == QLatin1String("F1");
            p.setPen(QPen(QColor(30, 32, 38), 1));
            p.setBrush(isF1 ? QColor(255, 210, 64) : QColor(226, 228, 234));
            p.drawRoundedRect(key, 4, 4);
            p.setPen(isF1 ? QColor(20, 20, 20) : QColor(40, 44, 52));
            p.setFont(fontOf(int(qMin(keyH, unit) * (k.label.size() > 2 ? 0.28 : 0.36)), isF1));
            p.drawText(key, Qt::AlignCenter, k.label);
            if (isF1)
                f1 = key;
            x += unit * k.units;
        }
    }

    // The mark: a red ring around F1 and an arrow from the words above.
    p.setPen(QPen(QColor(210, 30, 30), 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(f1.center(), f1.width() * 0.85, f1.height() * 0.85);
    const QPointF tip(f1.center().x(), f1.top() - f1.height() * 0.45);
    const QPointF tail(f1.center().x() + unit * 1.6, size.height() * 0.17);
    p.drawLine(tail, tip);
    p.setBrush(QColor(210, 30, 30));
    QPainterPath head;
    head.moveTo(tip);
    const QPointF dir = (tail - tip) / std::hypot(tail.x() - tip.x(), tail.y() - tip.y());
    const QPointF normal(-dir.y(), dir.x());
    head.lineTo(tip + dir * 16 + normal * 8);
    head.lineTo(tip + dir * 16 - normal * 8);
    head.closeSubpath();
    p.drawPath(head);

    p.setPen(QColor(24, 32, 56));
    p.setFont(fontOf(int(size.height() * 0.075), true));
    p.drawText(QRectF(tail.x() + 10, size.height() * 0.05, size.width() - tail.x() - 26, size.height() * 0.2),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Press F1 For Help"));
    p.setFont(fontOf(int(size.height() * 0.05)));
    p.drawText(QRectF(tail.x() + 10, size.height() * 0.19, size.width() - tail.x() - 26, size.height() * 0.12),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("on any screen, at any box or button"));
    return pixmap;
}

QPixmap home(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(208, 228, 248));
    p.drawEllipse(all.adjusted(2, 2, -2, -2));
    p.setBrush(QColor(120, 170, 90));
    p.drawChord(all.adjusted(2, 2, -2, -2), 200 * 16, 140 * 16);
    paintHouse(p, all.adjusted(size.width() * 0.18, size.height() * 0.14, -size.width() * 0.18, -size.height() * 0.26));
    return pixmap;
}

// A red binding over a white page with a grid of days.
QPixmap calendarIcon()
{
    QPixmap pm(48, 48); // drawn at twice the size, sharp on high-density screens too
    pm.setDevicePixelRatio(2);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2.5, 3.5, 19, 18), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(3, 4, 18, 5));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(7, 1.5, 2, 4));
    p.drawRect(QRectF(15, 1.5, 2, 4));
    p.setBrush(QColor(110, 110, 110));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(5 + col * 4, 11 + row * 3.3, 2.2, 2.2));
    return pm;
}

} // namespace tlm::screens::pictures
