// Two-point bridle pictures. RiggingS shows the set-up (beams, legs, hoist,
// truss, stage) with dimension lines for the input fields; RiggingL shows
// the forces (leg tensions, horizontal pulls and vertical loads at the
// beams, the load under the bridle point). Neither has lettering: the
// windows lay their fields and result labels over the spots listed below.
#include "resgen.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace resgen {
namespace {

constexpr qreal kPi = std::numbers::pi;
const QColor kLine(40, 44, 52);
const QColor kDim(110, 118, 130);
const QColor kBeamFill(176, 184, 196);
const QColor kStageFill(226, 222, 212);

QPointF unit(QPointF v) { return v / std::hypot(v.x(), v.y()); }
QRectF boxAt(QPointF c, qreal w, qreal h) { return QRectF(std::round(c.x() - w / 2), std::round(c.y() - h / 2), w, h); }

// I-beam cross-section: top flange, web, bottom flange. `top` is the top
// edge, `w` the flange width, `h` the overall height.
void iBeam(QPainter& p, qreal cx, qreal top, qreal w, qreal h)
{
    const qreal flange = std::max(3.0, h * 0.18);
    const qreal web = std::max(3.0, w * 0.16);
    QPainterPath s;
    s.moveTo(cx - w / 2, top);
    s.lineTo(cx + w / 2, top);
    s.lineTo(cx + w / 2, top + flange);
    s.lineTo(cx + web / 2, top + flange);
    s.lineTo(cx + web / 2, top + h - flange);
    s.lineTo(cx + w / 2, top + h - flange);
    s.lineTo(cx + w / 2, top + h);
    s.lineTo(cx - w / 2, top + h);
    s.lineTo(cx - w / 2, top + h - flange);
    s.lineTo(cx - web / 2, top + h - flange);
    s.lineTo(cx - web / 2, top + flange);
    s.lineTo(cx - w / 2, top + flange);
    s.closeSubpath();
    fillOutline(p, s, kBeamFill, kLine, 1.0);
}

// Wire rope basket wrapped round the beam (passing over the top flange)
// and closing in a shackle at `pick`, where the leg starts. Drawn after
// the beam so the wrap shows in front of it.
void beamSling(QPainter& p, qreal cx, qreal top, qreal w, qreal h, QPointF pick)
{
    const qreal l = cx - w / 2 - 2;
    const qreal r = cx + w / 2 + 2;
    const qreal t = top - 2;
    const qreal b = top + h;
    QPainterPath wrap;
    wrap.moveTo(pick);
    wrap.lineTo(l, b);
    wrap.lineTo(l, t + 3);
    wrap.quadTo(l, t, l + 3, t);
    wrap.lineTo(r - 3, t);
    wrap.quadTo(r, t, r, t + 3);
    wrap.lineTo(r, b);
    wrap.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kLine, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(wrap);
    p.setBrush(kWhite);
    p.setPen(pen(kLine, 1.0));
    p.drawEllipse(pick, 2.2, 2.2);
}

// Where the hook of a hoist hanging from `top` ends (see hoist()).
QPointF hoistHook(QPointF top, qreal scale)
{
    return top + QPointF(0, 48 * scale + 1);
}

// Chain hoist in side view hanging from `top`; returns the hook point.
QPointF hoist(QPainter& p, QPointF top, qreal scale)
{
    const qreal s = scale;
    p.setPen(pen(kLine, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawLine(top, top + QPointF(0, 5 * s));
    const QRectF body(top.x() - 13 * s, top.y() + 5 * s, 26 * s, 30 * s);
    QPainterPath b;
    b.addRoundedRect(body, 3 * s, 3 * s);
    fillOutline(p, b, QColor(88, 96, 110), kLine);
    // Motor end cap and gearbox line.
    fillOutline(p, QRectF(body.right() - 2 * s, body.top() + 6 * s, 6 * s, 16 * s), QColor(120, 128, 142), kLine);
    p.setPen(pen(QColor(150, 158, 172), 1.0));
    p.drawLine(QPointF(body.left() + 3 * s, body.top() + 10 * s), QPointF(body.right() - 3 * s, body.top() + 10 * s));
    // Lifting chain links down to the hook.
    p.setPen(pen(kLine, 1.0));
    p.setBrush(Qt::NoBrush);
    qreal y = body.bottom() + 1;
    for (int i = 0; i < 3; ++i, y += 4 * s) {
        if (i % 2 == 0)
            p.drawRoundedRect(QRectF(top.x() - 1.5 * s, y, 3 * s, 5 * s), 1.5 * s, 1.5 * s);
        else
            p.drawLine(QPointF(top.x(), y), QPointF(top.x(), y + 5 * s));
    }
    return hoistHook(top, scale);
}

// Truss in side view: two chords with diagonal lacing.
void truss(QPainter& p, qreal x1, qreal x2, qreal top, qreal h)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(kLine, 1.5));
    p.drawLine(QPointF(x1, top), QPointF(x2, top));
    p.drawLine(QPointF(x1, top + h), QPointF(x2, top + h));
    p.setPen(pen(kLine, 1.0));
    p.drawLine(QPointF(x1, top), QPointF(x1, top + h));
    p.drawLine(QPointF(x2, top), QPointF(x2, top + h));
    const int bays = int((x2 - x1) / h);
    const qreal step = (x2 - x1) / bays;
    for (int i = 0; i < bays; ++i) {
        const qreal xa = x1 + i * step;
        if (i % 2 == 0)
            p.drawLine(QPointF(xa, top + h), QPointF(xa + step, top));
        else
            p.drawLine(QPointF(xa, top), QPointF(xa + step, top + h));
    }
}

void angleArc(QPainter& p, QPointF c, qreal r, qreal fromDeg, qreal spanDeg)
{
    // Qt arcs: degrees counter-clockwise from 3 o'clock.
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(kDim, 1.0));
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int(fromDeg * 16), int(spanDeg * 16));
}

qreal qtAngleOf(QPointF v) { return std::atan2(-v.y(), v.x()) * 180.0 / kPi; }

// ---- Set-up picture -------------------------------------------------------
struct Setup {
    qreal beamW = 36, beamH = 28;
    QPointF beamA{70, 40};     // centre of the top edge
    QPointF beamB{350, 72};
    qreal pickDrop = 7;        // sling below the bottom flange
    QPointF point{200, 180};   // bridle point
    qreal trussX1 = 110, trussX2 = 290, trussH = 18;
    qreal stageY = 302;
    qreal axY = 16, ayX = 30, byX = 392, ax1Y = 288;

    QPointF pickA() const { return beamA + QPointF(0, beamH + pickDrop); }
    QPointF pickB() const { return beamB + QPointF(0, beamH + pickDrop); }
};
const Setup kS;
const QSizeF kField(52, 20);
const QSizeF kAngleField(44, 18);
constexpr qreal kHoistScale = 1.3;

qreal trussTopFor(QPointF hook) { return hook.y() + 8; }

QPointF legNormalUp(QPointF from, QPointF to)
{
    const QPointF u = unit(to - from);
    QPointF n(u.y(), -u.x());
    if (n.y() > 0)
        n = -n;
    return n;
}

// Bisector of the angle between straight down and the leg at a pick point.
QPointF pickBisector(QPointF pick)
{
    return unit(unit(kS.point - pick) + QPointF(0, 1));
}

}  // namespace

void drawRiggingSetup(QPainter& p)
{
    const QPointF pA = kS.pickA();
    const QPointF pB = kS.pickB();
    const QPointF P = kS.point;

    // Stage deck.
    p.setPen(Qt::NoPen);
    p.setBrush(kStageFill);
    p.drawRect(QRectF(0, kS.stageY, 420, 330 - kS.stageY));
    p.setPen(pen(kLine, 1.5));
    p.drawLine(QPointF(0, kS.stageY), QPointF(420, kS.stageY));

    // Plumb lines from the picks (references for Ax1, Ay, By).
    QPen plumb = pen(kDim, 1.0);
    plumb.setDashPattern({4, 3});
    p.setPen(plumb);
    p.drawLine(pA, QPointF(pA.x(), kS.stageY));
    p.drawLine(P + QPointF(0, 4), QPointF(P.x(), kS.stageY));
    p.drawLine(pB, pB + QPointF(0, 46));

    // Ax: between the beam centres, above them.
    p.setPen(pen(kDim));
    p.drawLine(QPointF(kS.beamA.x(), kS.beamA.y() - 3), QPointF(kS.beamA.x(), kS.axY - 6));
    p.drawLine(QPointF(kS.beamB.x(), kS.beamB.y() - 3), QPointF(kS.beamB.x(), kS.axY - 6));
    dimension(p, QPointF(kS.beamA.x(), kS.axY), QPointF(kS.beamB.x(), kS.axY), kDim, kField.width() + 12);

    // Ay and By: pick heights above the stage.
    p.setPen(pen(kDim));
    p.drawLine(QPointF(pA.x() - 4, pA.y()), QPointF(kS.ayX - 6, pA.y()));
    p.drawLine(QPointF(pB.x() + 4, pB.y()), QPointF(kS.byX + 6, pB.y()));
    dimension(p, QPointF(kS.ayX, pA.y()), QPointF(kS.ayX, kS.stageY), kDim, kField.height() + 10);
    dimension(p, QPointF(kS.byX, pB.y()), QPointF(kS.byX, kS.stageY), kDim, kField.height() + 10);

    // Ax1: from beam A to the bridle point, near the floor.
    dimension(p, QPointF(pA.x(), kS.ax1Y), QPointF(P.x(), kS.ax1Y), kDim, kField.width() + 10);

    // Angle arcs: each leg against the vertical at the beams, and between the legs.
    angleArc(p, pA, 30, -90, qtAngleOf(P - pA) + 90);
    angleArc(p, pB, 30, qtAngleOf(P - pB), -90 - qtAngleOf(P - pB));
    angleArc(p, P, 24, qtAngleOf(pB - P), qtAngleOf(pA - P) - qtAngleOf(pB - P));

    // Beams with their slings, then the legs.
    iBeam(p, kS.beamA.x(), kS.beamA.y(), kS.beamW, kS.beamH);
    iBeam(p, kS.beamB.x(), kS.beamB.y(), kS.beamW, kS.beamH);
    beamSling(p, kS.beamA.x(), kS.beamA.y(), kS.beamW, kS.beamH, pA);
    beamSling(p, kS.beamB.x(), kS.beamB.y(), kS.beamW, kS.beamH, pB);
    p.setPen(pen(kLine, 2.0));
    p.drawLine(pA + unit(P - pA) * 2, P + unit(pA - P) * 4);
    p.drawLine(pB + unit(P - pB) * 2, P + unit(pB - P) * 4);
    p.setBrush(kWhite);
    p.setPen(pen(kLine, 1.5));
    p.drawEllipse(P, 4.0, 4.0);

    // Hoist under the point, truss on its hook.
    const QPointF hook = hoist(p, P + QPointF(0, 4), kHoistScale);
    const qreal trussTop = trussTopFor(hook);
    p.setPen(pen(kLine, 1.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath h;
    h.moveTo(hook);
    h.cubicTo(hook + QPointF(0, 6), hook + QPointF(-6, 6), hook + QPointF(-5, 2));
    p.drawPath(h);
    p.drawLine(hook + QPointF(0, 4), QPointF(P.x() - 6, trussTop));
    p.drawLine(hook + QPointF(0, 4), QPointF(P.x() + 6, trussTop));
    truss(p, kS.trussX1, kS.trussX2, trussTop, kS.trussH);

    // Truss height above the stage, right of the truss.
    const qreal hx = kS.trussX2 + 12;
    p.setPen(pen(kDim));
    p.drawLine(QPointF(kS.trussX2 + 3, trussTop + kS.trussH), QPointF(hx + 5, trussTop + kS.trussH));
    dimension(p, QPointF(hx, trussTop + kS.trussH), QPointF(hx, kS.stageY), kDim);
}

std::vector<Spot> riggingSSpots()
{
    const QPointF pA = kS.pickA();
    const QPointF pB = kS.pickB();
    const QPointF P = kS.point;
    const qreal tTop = trussTopFor(hoistHook(P + QPointF(0, 4), kHoistScale));
    const qreal tBottom = tTop + kS.trussH;
    const qreal hx = kS.trussX2 + 12;

    const QPointF legAMid = (pA + P) / 2 + legNormalUp(pA, P) * 30;
    const QPointF legBMid = (pB + P) / 2 + legNormalUp(pB, P) * 30;
    return {
        {QStringLiteral("Ax"), boxAt(QPointF((kS.beamA.x() + kS.beamB.x()) / 2, kS.axY), kField.width(), kField.height())},
        {QStringLiteral("Ay"), boxAt(QPointF(kS.ayX, (pA.y() + kS.stageY) / 2), kField.width(), kField.height())},
        {QStringLiteral("By"), boxAt(QPointF(kS.byX, (pB.y() + kS.stageY) / 2), kField.width(), kField.height())},
        {QStringLiteral("LegA"), boxAt(legAMid, kField.width(), kField.height())},
        {QStringLiteral("LegB"), boxAt(legBMid, kField.width(), kField.height())},
        {QStringLiteral("Ax1"), boxAt(QPointF((pA.x() + P.x()) / 2, kS.ax1Y), kField.width(), kField.height())},
        {QStringLiteral("TM"), boxAt(QPointF(hx + 36, tTop + 2), kField.width(), kField.height())},
        {QStringLiteral("Height1"), boxAt(QPointF(hx + 36, (tBottom + kS.stageY) / 2 + 4), kField.width(), kField.height())},
        {QStringLiteral("Stage"), boxAt(QPointF(P.x(), (kS.stageY + 330) / 2), kField.width(), kField.height())},
        {QStringLiteral("AngleA"), boxAt(pA + pickBisector(pA) * 62, kAngleField.width(), kAngleField.height())},
        {QStringLiteral("AngleB"), boxAt(pB + pickBisector(pB) * 62, kAngleField.width(), kAngleField.height())},
        {QStringLiteral("AngleP"), boxAt(P + QPointF(0, -46), kAngleField.width(), kAngleField.height())},
    };
}

// ---- Load picture ---------------------------------------------------------
namespace {

struct Loads {
    qreal beamW = 26, beamH = 20;
    QPointF beamA{54, 16};
    QPointF beamB{246, 30};
    qreal pickDrop = 5;
    QPointF point{150, 112};
    QPointF pickA() const { return beamA + QPointF(0, beamH + pickDrop); }
    QPointF pickB() const { return beamB + QPointF(0, beamH + pickDrop); }
};
const Loads kL;
const QColor kTension(200, 40, 40);
const QColor kHorizontal(30, 96, 190);
const QColor kVertical(24, 130, 56);
const QSizeF kResult(56, 16);

// Tension arrow drawn beside a leg, on its upper side, pointing to the beam.
void tensionArrow(QPainter& p, QPointF pick, QPointF point)
{
    const QPointF n = legNormalUp(pick, point);
    const QPointF from = point + (pick - point) * 0.25 + n * 9;
    const QPointF to = point + (pick - point) * 0.72 + n * 9;
    arrowLine(p, from, to, kTension, 2.0, 9, 3.8);
}

// Result label for a tension: under the leg, the arrow being above it.
QPointF tensionLabel(QPointF pick, QPointF point)
{
    return (pick + point) / 2 - legNormalUp(pick, point) * 28;
}

}  // namespace

void drawRiggingLoads(QPainter& p)
{
    const QPointF pA = kL.pickA();
    const QPointF pB = kL.pickB();
    const QPointF P = kL.point;

    iBeam(p, kL.beamA.x(), kL.beamA.y(), kL.beamW, kL.beamH);
    iBeam(p, kL.beamB.x(), kL.beamB.y(), kL.beamW, kL.beamH);
    beamSling(p, kL.beamA.x(), kL.beamA.y(), kL.beamW, kL.beamH, pA);
    beamSling(p, kL.beamB.x(), kL.beamB.y(), kL.beamW, kL.beamH, pB);
    p.setPen(pen(kLine, 2.0));
    p.drawLine(pA + unit(P - pA) * 2, P + unit(pA - P) * 3.5);
    p.drawLine(pB + unit(P - pB) * 2, P + unit(pB - P) * 3.5);
    p.setBrush(kWhite);
    p.setPen(pen(kLine, 1.5));
    p.drawEllipse(P, 3.5, 3.5);

    // Load: shackle, a weight block, and the load arrow under it.
    p.setPen(pen(kLine, 1.0));
    p.drawLine(P + QPointF(0, 3.5), P + QPointF(0, 12));
    QPainterPath block;
    block.addRoundedRect(QRectF(P.x() - 20, P.y() + 12, 40, 24), 2, 2);
    fillOutline(p, block, QBrush(vertical(QRectF(P.x() - 20, P.y() + 12, 40, 24), QColor(120, 128, 142), QColor(70, 76, 88))));
    arrowLine(p, P + QPointF(0, 40), P + QPointF(0, 92), kLine, 2.5, 11, 5);

    // Leg tensions.
    tensionArrow(p, pA, P);
    tensionArrow(p, pB, P);

    // Horizontal pulls at the beams: each leg drags its beam towards the point.
    arrowLine(p, QPointF(kL.beamA.x() + 20, kL.beamA.y() + 10), QPointF(kL.beamA.x() + 56, kL.beamA.y() + 10),
              kHorizontal, 2.0, 9, 3.8);
    arrowLine(p, QPointF(kL.beamB.x() - 20, kL.beamB.y() + 10), QPointF(kL.beamB.x() - 56, kL.beamB.y() + 10),
              kHorizontal, 2.0, 9, 3.8);

    // Vertical loads on the beams, beside them on the outer side.
    arrowLine(p, QPointF(kL.beamA.x() - 26, kL.beamA.y() + 4), QPointF(kL.beamA.x() - 26, kL.beamA.y() + 46),
              kVertical, 2.0, 9, 3.8);
    arrowLine(p, QPointF(kL.beamB.x() + 26, kL.beamB.y() + 4), QPointF(kL.beamB.x() + 26, kL.beamB.y() + 46),
              kVertical, 2.0, 9, 3.8);
}

std::vector<Spot> riggingLSpots()
{
    const QPointF pA = kL.pickA();
    const QPointF pB = kL.pickB();
    const QPointF P = kL.point;
    const qreal w = kResult.width();
    const qreal h = kResult.height();
    return {
        {QStringLiteral("TensionA"), boxAt(tensionLabel(pA, P), w, h)},
        {QStringLiteral("TensionB"), boxAt(tensionLabel(pB, P), w, h)},
        {QStringLiteral("HorizA"), boxAt(QPointF(kL.beamA.x() + 40, kL.beamA.y() - 3), w, h)},
        {QStringLiteral("HorizB"), boxAt(QPointF(kL.beamB.x() - 40, kL.beamB.y() - 3), w, h)},
        {QStringLiteral("VertA"), boxAt(QPointF(kL.beamA.x() - 24, kL.beamA.y() + 58), w, h)},
        {QStringLiteral("VertB"), boxAt(QPointF(kL.beamB.x() + 24, kL.beamB.y() + 58), w, h)},
        {QStringLiteral("Load"), boxAt(P + QPointF(44, 70), w, h)},
    };
}

}  // namespace resgen
