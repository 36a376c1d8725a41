// The program logo (a spotlight on a pipe throwing a warm beam, "TVX"
// below) and its reduced form for the system tray.
#include "resgen.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace resgen {
namespace {

const QColor kNight(20, 26, 62);
const QColor kNightLow(38, 52, 118);
const QColor kBeamWarm(255, 236, 176);

void nightBackground(QPainter& p, qreal size)
{
    const QRectF all(0, 0, size, size);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(all, kNight, kNightLow));
    p.drawRect(all);
}

// The pipe the fixture hangs from, across the whole picture.
void pipe(QPainter& p, qreal size, qreal y, qreal thickness)
{
    const QRectF bar(0, y, size, thickness);
    QLinearGradient g(bar.topLeft(), bar.bottomLeft());
    g.setColorAt(0.0, QColor(226, 230, 238));
    g.setColorAt(0.5, QColor(160, 168, 182));
    g.setColorAt(1.0, QColor(92, 100, 116));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(bar);
}

// Convex hull (monotone chain) of a point set, counter-clockwise.
QPolygonF hull(std::vector<QPointF> pts)
{
    std::sort(pts.begin(), pts.end(), [](QPointF a, QPointF b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    auto cross = [](QPointF o, QPointF a, QPointF b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    std::vector<QPointF> h(2 * pts.size());
    size_t k = 0;
    for (size_t i = 0; i < pts.size(); ++i) {
        while (k >= 2 && cross(h[k - 2], h[k - 1], pts[i]) <= 0)
            --k;
        h[k++] = pts[i];
    }
    for (size_t i = pts.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && cross(h[k - 2], h[k - 1], pts[i - 1]) <= 0)
            --k;
        h[k++] = pts[i - 1];
    }
    h.resize(k - 1);
    return QPolygonF(QList<QPointF>(h.begin(), h.end()));
}

// Beam from the lens (centre `lens`, half width `lensHalf`, pointing along
// `axis`) to an elliptic pool on the floor: the cone is the hull of the
// lens and the pool, so its edges run tangent to the pool.
void beam(QPainter& p, QPointF lens, QPointF axis, qreal lensHalf, QPointF pool, qreal poolW,
          qreal poolH)
{
    const QPointF n(-axis.y(), axis.x());
    std::vector<QPointF> pts{lens + n * lensHalf, lens - n * lensHalf};
    for (int i = 0; i < 90; ++i) {
        const qreal a = i * 2.0 * std::numbers::pi / 90;
        pts.push_back(pool + QPointF(std::cos(a) * poolW / 2, std::sin(a) * poolH / 2));
    }
    QLinearGradient g(lens, pool);
    g.setColorAt(0.0, QColor(255, 248, 222, 240));
    g.setColorAt(0.5, QColor(255, 236, 176, 180));
    g.setColorAt(1.0, QColor(255, 224, 150, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPolygon(hull(pts));

    // The pool of light on the floor, brightest in the middle.
    QRadialGradient spot(QPointF(0, 0), poolW / 2);
    spot.setColorAt(0.0, QColor(255, 250, 230, 250));
    spot.setColorAt(0.75, QColor(255, 232, 160, 220));
    spot.setColorAt(1.0, QColor(255, 214, 120, 160));
    p.save();
    p.translate(pool);
    p.scale(1.0, poolH / poolW);
    p.setBrush(spot);
    p.drawEllipse(QPointF(0, 0), poolW / 2, poolW / 2);
    p.restore();
}

// A profile spot in side view: yoke arm from the clamp, body along `angle`
// (degrees, clockwise from pointing right), lens at the front. Drawn in a
// 100-unit frame scaled by `s`; returns the lens centre.
QPointF fixture(QPainter& p, QPointF pivot, qreal angle, qreal s, qreal clampY, bool light = false)
{
    // Clamp and yoke arm.
    p.setPen(Qt::NoPen);
    p.setBrush(light ? QColor(170, 176, 190) : QColor(70, 76, 90));
    p.drawRoundedRect(QRectF(pivot.x() - 5 * s, clampY - 2 * s, 10 * s, 8 * s), 1.5 * s, 1.5 * s);
    p.setBrush(vertical(QRectF(pivot.x() - 3 * s, clampY, 6 * s, pivot.y() - clampY),
                        light ? QColor(210, 214, 224) : QColor(120, 128, 144),
                        light ? QColor(150, 158, 172) : QColor(60, 66, 80)));
    p.drawRect(QRectF(pivot.x() - 3 * s, clampY + 5 * s, 6 * s, pivot.y() - clampY - 5 * s));

    p.save();
    p.translate(pivot);
    p.rotate(angle);
    // Body: rear housing, then the narrower lens barrel.
    QLinearGradient shade(QPointF(0, -13 * s), QPointF(0, 13 * s));
    shade.setColorAt(0.0, light ? QColor(236, 240, 246) : QColor(132, 140, 158));
    shade.setColorAt(0.45, light ? QColor(170, 178, 192) : QColor(64, 70, 84));
    shade.setColorAt(1.0, light ? QColor(110, 118, 134) : QColor(28, 32, 40));
    p.setBrush(shade);
    p.setPen(QPen(QColor(12, 14, 20), 1.0 * s));
    p.drawRoundedRect(QRectF(-20 * s, -13 * s, 32 * s, 26 * s), 4 * s, 4 * s);
    QPainterPath barrel;
    barrel.moveTo(12 * s, -9 * s);
    barrel.lineTo(34 * s, -11 * s);
    barrel.lineTo(34 * s, 11 * s);
    barrel.lineTo(12 * s, 9 * s);
    barrel.closeSubpath();
    p.drawPath(barrel);
    // Cooling fins on the housing.
    p.setPen(QPen(QColor(20, 22, 28), 1.2 * s));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF((-14 + 6 * i) * s, -12 * s), QPointF((-14 + 6 * i) * s, -7 * s));
    // Glowing front lens.
    QRadialGradient glow(QPointF(34 * s, 0), 12 * s);
    glow.setColorAt(0.0, QColor(255, 255, 240));
    glow.setColorAt(1.0, QColor(255, 214, 120));
    p.setBrush(glow);
    p.setPen(QPen(QColor(110, 90, 40), 0.8 * s));
    p.drawEllipse(QPointF(34 * s, 0), 3.5 * s, 11 * s);
    p.restore();

    // Yoke knob over the body.
    p.setBrush(QColor(96, 104, 120));
    p.setPen(QPen(QColor(12, 14, 20), 1.0 * s));
    p.drawEllipse(pivot, 5 * s, 5 * s);

    const qreal a = angle * std::numbers::pi / 180.0;
    return pivot + QPointF(std::cos(a), std::sin(a)) * (34 * s);
}

}  // namespace

void drawLogo(QPainter& p)
{
    const qreal size = 200;
    nightBackground(p, size);
    pipe(p, size, 20, 9);

    const QPointF pivot(52, 58);
    const QPointF pool(122, 130);
    const QPointF d = pool - pivot;
    const qreal len = std::hypot(d.x(), d.y());
    const qreal angle = std::atan2(d.y(), d.x()) * 180.0 / std::numbers::pi;
    const QPointF axis = d / len;

    const qreal s = 1.15;
    const QPointF lens = pivot + axis * (34.0 * s);
    beam(p, lens, axis, 10 * s, pool, 124, 30);
    fixture(p, pivot, angle, s, 26);

    QFont f = font(54, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(f);
    // Soft shadow, then the letters.
    p.setPen(QColor(8, 10, 30, 150));
    p.drawText(QRectF(2, 145, size, 52), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("TVX"));
    p.setPen(kWhite);
    p.drawText(QRectF(0, 143, size, 52), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("TVX"));

    p.setPen(pen(QColor(90, 104, 170), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, size - 1, size - 1));
}

void drawTrayIcon(QPainter& p)
{
    const qreal size = 32;
    nightBackground(p, size);
    pipe(p, size, 2, 3);

    const QPointF pivot(9, 10);
    const QPointF pool(21, 25);
    const QPointF d = pool - pivot;
    const qreal len = std::hypot(d.x(), d.y());
    const qreal angle = std::atan2(d.y(), d.x()) * 180.0 / std::numbers::pi;
    const QPointF axis = d / len;
    const qreal s = 0.24;
    beam(p, pivot + axis * (34.0 * s), axis, 10 * s, pool, 22, 7);
    fixture(p, pivot, angle, s, 4, true);
}

}  // namespace resgen
