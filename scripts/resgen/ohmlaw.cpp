// The Ohm's law wheel: P, I, R and E in the hub, the three ways to work
// each one out in the ring around it. Formulas are set with real fraction
// bars and root signs so they stay readable on paper.
#include "resgen.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace resgen {
namespace {

// A tiny formula layout: plain text, a fraction, or a square root over a
// fraction or plain text. Sizes are measured about the maths axis (the
// height of a fraction bar); up/down are the extents above and below it.
struct Term {
    enum Kind { Text, Fraction, Root } kind;
    QString top;      // Text: the text; Fraction/Root: numerator or radicand
    QString bottom;   // Fraction, or a Root over a fraction
};

struct Extent {
    qreal width = 0;
    qreal up = 0;
    qreal down = 0;
};

struct Setter {
    QFont font;
    QFontMetricsF fm;
    qreal axis;       // distance from the baseline up to the maths axis
    qreal cap;        // cap height

    explicit Setter(const QFont& f)
        : font(f), fm(f), axis(fm.xHeight() * 0.55), cap(fm.capHeight())
    {
    }

    qreal textWidth(const QString& s) const { return fm.horizontalAdvance(s); }

    Extent fractionExtent(const Term& t) const
    {
        const qreal w = std::max(textWidth(t.top), textWidth(t.bottom)) + 4;
        return {w, cap + 4, cap + 4};
    }

    Extent measure(const Term& t) const
    {
        switch (t.kind) {
        case Term::Text:
            return {textWidth(t.top), cap - axis + 1, axis + 1};
        case Term::Fraction:
            return fractionExtent(t);
        case Term::Root: {
            const Extent inner = t.bottom.isEmpty() ? measure({Term::Text, t.top, {}})
                                                    : fractionExtent(t);
            return {inner.width + 10, inner.up + 3, inner.down + 1};
        }
        }
        return {};
    }

    // Draws `t` with its left edge at x and the maths axis at y.
    void draw(QPainter& p, const Term& t, qreal x, qreal y) const
    {
        p.setFont(font);
        p.setPen(kInk);
        switch (t.kind) {
        case Term::Text:
            p.drawText(QPointF(x, y + axis), t.top);
            break;
        case Term::Fraction: {
            const qreal w = fractionExtent(t).width;
            p.drawText(QPointF(x + (w - textWidth(t.top)) / 2, y - 2.5), t.top);
            p.drawText(QPointF(x + (w - textWidth(t.bottom)) / 2, y + cap + 3.5), t.bottom);
            p.setPen(pen(kInk, 1.0));
            p.drawLine(QPointF(x + 0.5, y + 0.5), QPointF(x + w - 0.5, y + 0.5));
            break;
        }
        case Term::Root: {
            const bool frac = !t.bottom.isEmpty();
            const Term inner = frac ? Term{Term::Fraction, t.top, t.bottom} : Term{Term::Text, t.top, {}};
            const Extent e = measure(inner);
            const qreal top = y - e.up - 1.5;
            const qreal foot = y + e.down;
            QPainterPath sign;
            sign.moveTo(x, y + 1);
            sign.lineTo(x + 2.5, y - 0.5);
            sign.lineTo(x + 5, foot);
            sign.lineTo(x + 8, top);
            sign.lineTo(x + 9 + e.width + 1, top);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            p.drawPath(sign);
            draw(p, inner, x + 9, y);
            break;
        }
        }
    }
};

struct Formula {
    QString lhs;               // "E"
    std::vector<Term> rhs;     // what it equals
};

// "E = " with thin spaces: the ring is narrow and the wheel reads fine without wider gaps.
QString equalsHead(const Formula& f)
{
    return f.lhs + QChar(0x2009) + QLatin1Char('=') + QChar(0x2009);
}

Extent measureFormula(const Setter& s, const Formula& f)
{
    Extent e = s.measure({Term::Text, equalsHead(f), {}});
    for (const Term& t : f.rhs) {
        const Extent te = s.measure(t);
        e.width += te.width;
        e.up = std::max(e.up, te.up);
        e.down = std::max(e.down, te.down);
    }
    return e;
}

void drawFormula(QPainter& p, const Setter& s, const Formula& f, QPointF centre)
{
    const Extent e = measureFormula(s, f);
    qreal x = centre.x() - e.width / 2;
    // Centre the ink, not the axis: shift by half the up/down imbalance.
    const qreal y = centre.y() + (e.up - e.down) / 2;
    const Term head{Term::Text, equalsHead(f), {}};
    s.draw(p, head, x, y);
    x += s.measure(head).width;
    for (const Term& t : f.rhs) {
        s.draw(p, t, x, y);
        x += s.measure(t).width;
    }
}

QPointF onCircle(QPointF c, qreal r, qreal degreesFromTop)
{
    const qreal a = degreesFromTop * std::numbers::pi / 180.0;
    return {c.x() + r * std::sin(a), c.y() - r * std::cos(a)};
}

// How far a w x h box centred at `at` (relative to the wheel centre) keeps
// from the edges of the ring segment between `from` and `to` degrees
// (clockwise from the top). Negative when it sticks out.
qreal clearance(QPointF at, qreal w, qreal h, qreal hub, qreal rim, qreal from, qreal to)
{
    const QPointF corners[4] = {at + QPointF(-w / 2, -h / 2), at + QPointF(w / 2, -h / 2),
                                at + QPointF(w / 2, h / 2), at + QPointF(-w / 2, h / 2)};
    const qreal mid = (from + to) / 2;
    qreal best = 1e9;
    for (const QPointF& q : corners) {
        const qreal r = std::hypot(q.x(), q.y());
        qreal phi = std::atan2(q.x(), -q.y()) * 180.0 / std::numbers::pi;
        while (phi < mid - 180)
            phi += 360;
        while (phi > mid + 180)
            phi -= 360;
        const auto toRad = [](qreal d) { return d * std::numbers::pi / 180.0; };
        best = std::min({best, rim - r, r * std::sin(toRad(std::clamp(phi - from, -90.0, 90.0))),
                         r * std::sin(toRad(std::clamp(to - phi, -90.0, 90.0)))});
    }
    // Nearest point of the box to the centre, against the hub circle.
    const qreal nx = std::clamp(0.0, at.x() - w / 2, at.x() + w / 2);
    const qreal ny = std::clamp(0.0, at.y() - h / 2, at.y() + h / 2);
    return std::min(best, std::hypot(nx, ny) - hub);
}

// Centre for a w x h box in a ring segment with the most room all round.
QPointF roomiestSpot(qreal w, qreal h, qreal hub, qreal rim, qreal from, qreal to)
{
    QPointF bestAt;
    qreal best = -1e9;
    for (qreal r = hub; r <= rim; r += 0.5) {
        for (qreal a = from; a <= to; a += 0.5) {
            const QPointF at = onCircle(QPointF(0, 0), r, a);
            const qreal c = clearance(at, w, h, hub, rim, from, to);
            if (c > best) {
                best = c;
                bestAt = at;
            }
        }
    }
    return bestAt;
}

Term text(const char* s) { return {Term::Text, QString::fromUtf8(s), {}}; }
Term frac(const char* a, const char* b) { return {Term::Fraction, QString::fromUtf8(a), QString::fromUtf8(b)}; }
Term root(const char* a, const char* b = "") { return {Term::Root, QString::fromUtf8(a), QString::fromUtf8(b)}; }

}  // namespace

void drawOhmLawWheel(QPainter& p)
{
    const QPointF c(130, 130);
    const qreal hub = 58;
    const qreal rim = 127;

    // Quadrants clockwise from the top left: P, I, R, E.
    struct Quadrant {
        QString letter;
        QString unit;
        QColor ring;
        QColor core;
        Formula formulas[3];   // clockwise within the quadrant
    };
    const Quadrant quads[4] = {
        {QStringLiteral("P"), QStringLiteral("Watts"), QColor(255, 238, 190), QColor(250, 208, 110),
         {{QStringLiteral("P"), {text("I²×R")}},
          {QStringLiteral("P"), {text("E×I")}},
          {QStringLiteral("P"), {frac("E²", "R")}}}},
        {QStringLiteral("I"), QStringLiteral("Amps"), QColor(210, 228, 252), QColor(140, 186, 240),
         {{QStringLiteral("I"), {frac("E", "R")}},
          {QStringLiteral("I"), {frac("P", "E")}},
          {QStringLiteral("I"), {root("P", "R")}}}},
        {QStringLiteral("R"), QStringLiteral("Ohms"), QColor(214, 238, 214), QColor(150, 210, 150),
         {{QStringLiteral("R"), {frac("E", "I")}},
          {QStringLiteral("R"), {frac("E²", "P")}},
          {QStringLiteral("R"), {frac("P", "I²")}}}},
        {QStringLiteral("E"), QStringLiteral("Volts"), QColor(252, 218, 212), QColor(240, 150, 138),
         {{QStringLiteral("E"), {frac("P", "I")}},
          {QStringLiteral("E"), {text("I×R")}},
          {QStringLiteral("E"), {root("P×R")}}}},
    };

    const QRectF rimRect(c.x() - rim, c.y() - rim, 2 * rim, 2 * rim);
    const QRectF hubRect(c.x() - hub, c.y() - hub, 2 * hub, 2 * hub);
    // Qt pie angles run counter-clockwise from 3 o'clock; quadrant q starts at
    // 270 - 90 * q degrees from the top, i.e. at Qt angle 180 - 90 * q.
    p.setPen(Qt::NoPen);
    for (int q = 0; q < 4; ++q) {
        const int startQt = (180 - 90 * q) * 16;
        p.setBrush(quads[q].ring);
        p.drawPie(rimRect, startQt, -90 * 16);
        p.setBrush(quads[q].core);
        p.drawPie(hubRect, startQt, -90 * 16);
    }

    // Segment lines inside the ring, then the main circles and cross.
    p.setPen(pen(kInkSoft, 1.0));
    for (int k = 0; k < 12; ++k) {
        if (k % 3 == 0)
            continue;
        p.drawLine(onCircle(c, hub, k * 30.0), onCircle(c, rim, k * 30.0));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(kInk, 2.0));
    p.drawEllipse(c, rim, rim);
    p.drawEllipse(c, hub, hub);
    p.drawLine(QPointF(c.x(), c.y() - rim), QPointF(c.x(), c.y() + rim));
    p.drawLine(QPointF(c.x() - rim, c.y()), QPointF(c.x() + rim, c.y()));

    // Hub letters with their units.
    for (int q = 0; q < 4; ++q) {
        const QPointF at = onCircle(c, 30, 270 + 90 * q + 45);
        centredText(p, QRectF(at.x() - 20, at.y() - 19, 40, 28), quads[q].letter, font(28, true), kInk);
        centredText(p, QRectF(at.x() - 20, at.y() + 7, 40, 12), quads[q].unit, font(10, false), kInk);
    }

    // Formulas, each where its 30-degree segment leaves it the most room.
    const Setter setter(font(13));
    for (int q = 0; q < 4; ++q) {
        for (int k = 0; k < 3; ++k) {
            const Formula& f = quads[q].formulas[k];
            const Extent e = measureFormula(setter, f);
            const qreal from = 270 + 90 * q + 30 * k;
            const QPointF at = roomiestSpot(e.width, e.up + e.down, hub, rim, from, from + 30);
            drawFormula(p, setter, f, c + at);
        }
    }
}

}  // namespace resgen
