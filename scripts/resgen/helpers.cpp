// Drawing helpers shared by all pictures.
#include "resgen.h"

#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace resgen {

QRectF crisp(int x, int y, int w, int h)
{
    return QRectF(x + 0.5, y + 0.5, w - 1, h - 1);
}

QPen pen(const QColor& color, qreal width)
{
    QPen result(color, width);
    result.setJoinStyle(Qt::MiterJoin);
    result.setCapStyle(Qt::FlatCap);
    return result;
}

QFont font(int pixelSize, bool bold, bool italic)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void fillOutline(QPainter& p, const QPainterPath& path, const QBrush& fill,
                 const QColor& outline, qreal width)
{
    p.setBrush(fill);
    p.setPen(width > 0 ? pen(outline, width) : QPen(Qt::NoPen));
    p.drawPath(path);
}

void fillOutline(QPainter& p, const QRectF& rect, const QBrush& fill,
                 const QColor& outline, qreal width)
{
    p.setBrush(fill);
    p.setPen(width > 0 ? pen(outline, width) : QPen(Qt::NoPen));
    p.drawRect(rect);
}

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    return g;
}

void sheet(QPainter& p, int x, int y, int w, int h, int lines, int fold)
{
    const qreal l = x + 0.5;
    const qreal t = y + 0.5;
    const qreal r = x + w - 0.5;
    const qreal b = y + h - 0.5;
    QPainterPath outline;
    outline.moveTo(l, t);
    outline.lineTo(r - fold, t);
    outline.lineTo(r, t + fold);
    outline.lineTo(r, b);
    outline.lineTo(l, b);
    outline.closeSubpath();
    fillOutline(p, outline, kWhite);

    QPainterPath corner;
    corner.moveTo(r - fold, t);
    corner.lineTo(r - fold, t + fold);
    corner.lineTo(r, t + fold);
    fillOutline(p, corner, kPaperFold);

    p.setPen(pen(kPaperLine));
    for (int i = 0; i < lines; ++i) {
        const qreal ly = y + fold + 3 + i * 3 + 0.5;
        if (ly > b - 2)
            break;
        const qreal right = (i % 3 == 2) ? r - 5 : r - 2.5;
        p.drawLine(QPointF(l + 2.5, ly), QPointF(right, ly));
    }
}

void halo(QPainter& p, const QRectF& r, const QColor& background)
{
    p.setPen(Qt::NoPen);
    p.setBrush(background);
    p.drawRoundedRect(r, 2, 2);
}

void blockArrow(QPainter& p, QPointF from, QPointF to, qreal shaft, qreal head,
                qreal headLength, const QColor& fill, const QColor& outline)
{
    const QLineF axis(from, to);
    const qreal len = axis.length();
    const QPointF u = (to - from) / len;   // along the arrow
    const QPointF n(-u.y(), u.x());         // across it
    const QPointF neck = to - u * headLength;
    QPolygonF poly;
    poly << from + n * (shaft / 2) << neck + n * (shaft / 2) << neck + n * (head / 2) << to
         << neck - n * (head / 2) << neck - n * (shaft / 2) << from - n * (shaft / 2);
    p.setBrush(fill);
    p.setPen(pen(outline, 1.0));
    p.drawPolygon(poly);
}

void arrowHead(QPainter& p, QPointF tip, QPointF from, qreal length, qreal halfWidth,
               const QColor& color)
{
    const QLineF axis(from, tip);
    const QPointF u = (tip - from) / axis.length();
    const QPointF n(-u.y(), u.x());
    const QPointF base = tip - u * length;
    QPolygonF poly;
    poly << tip << base + n * halfWidth << base - n * halfWidth;
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(poly);
}

void dimension(QPainter& p, QPointF a, QPointF b, const QColor& color, qreal gap)
{
    const qreal head = 7.0;
    const QLineF axis(a, b);
    const QPointF u = (b - a) / axis.length();
    p.setPen(pen(color, 1.0));
    if (gap > 0) {
        const QPointF mid = (a + b) / 2;
        p.drawLine(a + u * head, mid - u * (gap / 2));
        p.drawLine(mid + u * (gap / 2), b - u * head);
    } else {
        p.drawLine(a + u * head, b - u * head);
    }
    arrowHead(p, a, a + u, head, 2.6, color);
    arrowHead(p, b, b - u, head, 2.6, color);
}

void arrowLine(QPainter& p, QPointF a, QPointF b, const QColor& color, qreal width,
               qreal headLength, qreal headHalfWidth)
{
    const QLineF axis(a, b);
    const QPointF u = (b - a) / axis.length();
    p.setPen(pen(color, width));
    p.drawLine(a, b - u * (headLength - 1));
    arrowHead(p, b, a, headLength, headHalfWidth, color);
}

void hatchBelow(QPainter& p, qreal x1, qreal x2, qreal y, qreal depth, qreal step,
                const QColor& color)
{
    p.save();
    p.setClipRect(QRectF(x1, y, x2 - x1, depth));
    p.setPen(pen(color, 1.0));
    for (qreal x = x1; x < x2 + depth; x += step)
        p.drawLine(QPointF(x, y), QPointF(x - depth, y + depth));
    p.restore();
}

void centredText(QPainter& p, const QRectF& r, const QString& text, const QFont& f,
                 const QColor& color)
{
    p.setFont(f);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

}  // namespace resgen
