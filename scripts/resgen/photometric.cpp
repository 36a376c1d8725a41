// Side view for the photometric calculator: a fixture on a pipe, its
// height above the stage floor, the throw along the beam axis, the beam and
// field cones with their diameters on the floor and the horizontal
// distances. No lettering: the window puts clickable letters on top, at the
// spots listed by photometricSpots().
#include "resgen.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace resgen {
namespace {

constexpr qreal kPi = std::numbers::pi;

// Geometry shared by the drawing and the letter spots.
struct Plot {
    QPointF apex{70, 66};          // centre of the lens, where the cones start
    qreal floorY = 272;
    QPointF aim{185, 272};         // beam axis meets the floor
    qreal halfBeam = 9.0;          // degrees either side of the axis
    qreal halfField = 14.0;
    qreal throwOffset = 80;        // throw dimension, parallel to the axis
    qreal vDimX = 24;              // height dimension at the left edge
    qreal fieldDimY = 258;         // field diameter, just above the floor
    qreal beamDimY = 242;          // beam diameter, above the field one
    qreal xDimY = 292;             // horizontal distance to the aim point
    qreal yDimY = 308;             // horizontal distance to the near field edge

    QPointF axis() const
    {
        const QPointF d = aim - apex;
        return d / std::hypot(d.x(), d.y());
    }
    // Right-hand normal of the axis (pointing up and to the right).
    QPointF normal() const { return {axis().y(), -axis().x()}; }
    qreal throwLength() const { return std::hypot(aim.x() - apex.x(), aim.y() - apex.y()); }
    // Where a ray `offset` degrees off the axis (positive = further out) meets the floor.
    qreal floorX(qreal offset) const
    {
        const qreal fromVertical = std::atan2(aim.x() - apex.x(), aim.y() - apex.y()) + offset * kPi / 180.0;
        return apex.x() + (floorY - apex.y()) * std::tan(fromVertical);
    }
};

const Plot kPlot;
const QColor kLine(40, 44, 52);
const QColor kDim(110, 118, 130);
const QColor kFieldTint(255, 249, 224);
const QColor kBeamTint(255, 240, 190);

// 12 x 14 letter box centred on a point.
QRectF letterAt(QPointF c) { return QRectF(std::round(c.x() - 6), std::round(c.y() - 7), 12, 14); }

QPointF throwDimStart() { return kPlot.apex + kPlot.normal() * kPlot.throwOffset; }
QPointF throwDimEnd() { return kPlot.aim + kPlot.normal() * kPlot.throwOffset; }

void drawFixture(QPainter& p)
{
    const QPointF u = kPlot.axis();
    const qreal angle = std::atan2(u.y(), u.x()) * 180.0 / kPi;
    const QPointF pivot = kPlot.apex - u * 29.0;

    // Pipe in section, clamp and yoke arm down to the pivot.
    p.setPen(pen(kLine, 1.0));
    p.setBrush(QColor(226, 229, 234));
    p.drawEllipse(QPointF(pivot.x(), 14), 5.5, 5.5);
    p.setBrush(QColor(200, 204, 212));
    p.drawRect(QRectF(pivot.x() - 4.5, 19.5, 9, 5));

    p.save();
    p.translate(kPlot.apex);
    p.rotate(angle);
    p.setBrush(QColor(214, 218, 226));
    p.drawRoundedRect(QRectF(-44, -11, 28, 22), 3, 3);
    QPolygonF barrel;
    barrel << QPointF(-16, -7) << QPointF(0, -9) << QPointF(0, 9) << QPointF(-16, 7);
    p.drawPolygon(barrel);
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(0, 0), 2.0, 9.0);
    p.restore();

    // Yoke arm in front of the body, from the clamp to the tilt knob.
    p.setBrush(QColor(200, 204, 212));
    p.drawRect(QRectF(pivot.x() - 2.5, 24.5, 5, pivot.y() - 24.5));
    p.setBrush(QColor(236, 238, 242));
    p.drawEllipse(pivot, 4.0, 4.0);
}

void drawCones(QPainter& p)
{
    const QPointF a = kPlot.apex;
    const qreal f0 = kPlot.floorX(-kPlot.halfField);
    const qreal f1 = kPlot.floorX(kPlot.halfField);
    const qreal b0 = kPlot.floorX(-kPlot.halfBeam);
    const qreal b1 = kPlot.floorX(kPlot.halfBeam);
    const qreal y = kPlot.floorY;

    p.setPen(Qt::NoPen);
    p.setBrush(kFieldTint);
    p.drawPolygon(QPolygonF() << a << QPointF(f0, y) << QPointF(f1, y));
    p.setBrush(kBeamTint);
    p.drawPolygon(QPolygonF() << a << QPointF(b0, y) << QPointF(b1, y));

    QPen dashed = pen(kLine, 1.0);
    dashed.setDashPattern({5, 3});
    p.setPen(dashed);
    p.drawLine(a, QPointF(f0, y));
    p.drawLine(a, QPointF(f1, y));
    p.setPen(pen(kLine, 1.0));
    p.drawLine(a, QPointF(b0, y));
    p.drawLine(a, QPointF(b1, y));

    // Beam axis: the throw.
    QPen centre = pen(kLine, 1.0);
    centre.setDashPattern({10, 3, 2, 3});
    p.setPen(centre);
    p.drawLine(a, kPlot.aim);
}

void drawDimensions(QPainter& p)
{
    const QPointF a = kPlot.apex;
    const qreal y = kPlot.floorY;
    const QPointF n = kPlot.normal();

    // Height: dashed plumb line from the lens, dimension at the left edge.
    QPen plumb = pen(kLine, 1.0);
    plumb.setDashPattern({4, 3});
    p.setPen(plumb);
    p.drawLine(a, QPointF(a.x(), kPlot.yDimY + 6));
    p.setPen(pen(kDim));
    p.drawLine(QPointF(a.x() - 6, a.y()), QPointF(kPlot.vDimX - 6, a.y()));
    dimension(p, QPointF(kPlot.vDimX, a.y()), QPointF(kPlot.vDimX, y), kDim, 22);

    // Throw, parallel to the axis outside the field cone. Extension lines
    // stop short of the cone so they do not cut through the light.
    const qreal coneHalfAtAim = kPlot.throwLength() * std::tan(kPlot.halfField * kPi / 180.0);
    p.setPen(pen(kDim));
    p.drawLine(a + n * 5, throwDimStart() + n * 6);
    p.drawLine(kPlot.aim + n * (coneHalfAtAim + 4), throwDimEnd() + n * 6);
    dimension(p, throwDimStart(), throwDimEnd(), kDim, 22);

    // Field and beam diameters, just above the floor.
    const qreal f0 = kPlot.floorX(-kPlot.halfField);
    const qreal f1 = kPlot.floorX(kPlot.halfField);
    const qreal b0 = kPlot.floorX(-kPlot.halfBeam);
    const qreal b1 = kPlot.floorX(kPlot.halfBeam);
    p.setPen(pen(kDim));
    for (qreal x : {f0, f1})
        p.drawLine(QPointF(x, y - 1), QPointF(x, kPlot.fieldDimY - 4));
    for (qreal x : {b0, b1})
        p.drawLine(QPointF(x, y - 1), QPointF(x, kPlot.beamDimY - 4));
    dimension(p, QPointF(f0, kPlot.fieldDimY), QPointF(f1, kPlot.fieldDimY), kDim);
    dimension(p, QPointF(b0, kPlot.beamDimY), QPointF(b1, kPlot.beamDimY), kDim);

    // Horizontal distances below the floor: to the aim point and to the
    // near edge of the field.
    p.setPen(pen(kDim));
    p.drawLine(QPointF(kPlot.aim.x(), y + 10), QPointF(kPlot.aim.x(), kPlot.xDimY + 5));
    p.drawLine(QPointF(f0, y + 10), QPointF(f0, kPlot.yDimY + 5));
    dimension(p, QPointF(a.x(), kPlot.xDimY), QPointF(kPlot.aim.x(), kPlot.xDimY), kDim);
    dimension(p, QPointF(a.x(), kPlot.yDimY), QPointF(f0, kPlot.yDimY), kDim);
}

// x where a ray `offset` degrees off the axis crosses the height y.
qreal rayX(qreal offset, qreal y)
{
    const qreal t = (y - kPlot.apex.y()) / (kPlot.floorY - kPlot.apex.y());
    return kPlot.apex.x() + t * (kPlot.floorX(offset) - kPlot.apex.x());
}

// The diameter letters sit on their lines where no cone edge crosses:
// F between the beam edge and the field edge, K between the axis and the
// beam edge.
QPointF fieldLetterCentre()
{
    const qreal y = kPlot.fieldDimY;
    return {(rayX(kPlot.halfBeam, y) + rayX(kPlot.halfField, y)) / 2, y};
}

QPointF beamLetterCentre()
{
    const qreal y = kPlot.beamDimY;
    return {(rayX(0, y) + rayX(kPlot.halfBeam, y)) / 2, y};
}

}  // namespace

void drawPhotometricPlot(QPainter& p)
{
    drawCones(p);
    drawDimensions(p);

    // Open the diameter lines under their letters (same tint as the cone there).
    p.setPen(Qt::NoPen);
    p.setBrush(kBeamTint);
    p.drawRect(letterAt(beamLetterCentre()).adjusted(-2, 0, 2, 0));
    p.setBrush(kFieldTint);
    p.drawRect(letterAt(fieldLetterCentre()).adjusted(-2, 0, 2, 0));

    drawFixture(p);

    // Stage floor with its section hatching.
    p.setPen(pen(kLine, 1.5));
    p.drawLine(QPointF(8, kPlot.floorY), QPointF(292, kPlot.floorY));
    hatchBelow(p, 8, 292, kPlot.floorY + 1, 8, 6, QColor(150, 156, 166));
}

std::vector<Spot> photometricSpots()
{
    const QPointF a = kPlot.apex;
    const QPointF throwMid = (throwDimStart() + throwDimEnd()) / 2;
    return {
        {QStringLiteral("H"), QRectF(96, 8, 12, 14)},
        {QStringLiteral("C"), QRectF(96, 28, 12, 14)},
        {QStringLiteral("V"), letterAt(QPointF(kPlot.vDimX, (a.y() + kPlot.floorY) / 2))},
        {QStringLiteral("D"), letterAt(throwMid)},
        {QStringLiteral("F"), letterAt(fieldLetterCentre())},
        {QStringLiteral("K"), letterAt(beamLetterCentre())},
        {QStringLiteral("X"), letterAt(QPointF(a.x() - 14, kPlot.xDimY))},
        {QStringLiteral("Y"), letterAt(QPointF(a.x() - 14, kPlot.yDimY))},
        {QStringLiteral("Stage Floor"), QRectF(196, 296, 90, 16)},
    };
}

}  // namespace resgen
