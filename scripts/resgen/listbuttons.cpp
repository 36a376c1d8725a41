// Buttons of the list windows, 24 x 24 px, same style as the toolbar.
#include "resgen.h"

#include <QPainterPath>
#include <QPolygonF>

namespace resgen {
namespace {

const QColor kBg = kToolbarGrey;

// A green plus sign with a dark rim, centred on (cx, cy).
void plusSign(QPainter& p, qreal cx, qreal cy, qreal arm, qreal thick)
{
    QPainterPath plus;
    plus.addRect(QRectF(cx - thick / 2, cy - arm, thick, 2 * arm));
    plus.addRect(QRectF(cx - arm, cy - thick / 2, 2 * arm, thick));
    plus.setFillRule(Qt::WindingFill);
    fillOutline(p, plus.simplified(), kGreen, kGreenDark);
}

// Table rows: one white bar per row; `marked` gets the tint.
void rows(QPainter& p, int count, int marked, const QColor& tint, int right = 23)
{
    for (int i = 0; i < count; ++i) {
        const int y = 2 + i * 5;
        fillOutline(p, crisp(1, y, right - 1, 4), i == marked ? tint : kWhite, kInkSoft);
        p.setPen(pen(kPaperLine));
        if (i != marked)
            p.drawLine(QPointF(3, y + 2), QPointF(right - 6, y + 2));
    }
}

void save(QPainter& p)
{
    QPainterPath disk;
    disk.moveTo(2.5, 2.5);
    disk.lineTo(18.5, 2.5);
    disk.lineTo(21.5, 5.5);
    disk.lineTo(21.5, 21.5);
    disk.lineTo(2.5, 21.5);
    disk.closeSubpath();
    fillOutline(p, disk, QBrush(vertical(QRectF(2, 2, 20, 20), QColor(70, 130, 214), kBlueDark)));
    fillOutline(p, crisp(6, 2, 11, 7), kSteelLight, kInk);
    fillOutline(p, QRectF(13, 4, 2, 3), kInk, kInk, 0);
    fillOutline(p, crisp(5, 12, 14, 10), kWhite, kInk);
    p.setPen(pen(kPaperLine));
    p.drawLine(QPointF(7, 15.5), QPointF(17, 15.5));
    p.drawLine(QPointF(7, 18.5), QPointF(17, 18.5));
}

void open(QPainter& p)
{
    QPainterPath back;
    back.moveTo(1.5, 19.5);
    back.lineTo(1.5, 4.5);
    back.lineTo(8.5, 4.5);
    back.lineTo(10.5, 6.5);
    back.lineTo(19.5, 6.5);
    back.lineTo(19.5, 19.5);
    back.closeSubpath();
    fillOutline(p, back, QColor(214, 160, 56), QColor(140, 96, 20));
    sheet(p, 5, 2, 12, 12, 2, 3);
    QPainterPath front;
    front.moveTo(1.5, 19.5);
    front.lineTo(5.5, 9.5);
    front.lineTo(22.5, 9.5);
    front.lineTo(18.5, 19.5);
    front.closeSubpath();
    fillOutline(p, front, QBrush(vertical(QRectF(1, 9, 22, 11), QColor(255, 222, 130), QColor(236, 184, 70))),
                QColor(140, 96, 20));
}

void printer(QPainter& p, int top = 0)
{
    sheet(p, 6, 1 + top, 12, 8, 1, 3);
    QPainterPath body;
    body.addRoundedRect(QRectF(1.5, 8.5 + top, 21, 9), 2, 2);
    fillOutline(p, body, QBrush(vertical(QRectF(1, 8, 22, 10), kSteelLight, kSteel)));
    fillOutline(p, QRectF(5.5, 14.5 + top, 13, 2), kInk, kInk, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(19, 11.5 + top), 1.2, 1.2);
    fillOutline(p, crisp(6, 15 + top, 12, 8 - top), kWhite);
    p.setPen(pen(kPaperLine));
    p.drawLine(QPointF(8, 18.5 + top), QPointF(16, 18.5 + top));
}

void print(QPainter& p) { printer(p); }

void deleteLine(QPainter& p)
{
    rows(p, 4, 1, QColor(250, 200, 196), 20);
    halo(p, QRectF(13, 4, 11, 11), kBg);
    p.setBrush(kRed);
    p.setPen(pen(kRedDark));
    p.drawEllipse(QPointF(18.5, 9.5), 5.0, 5.0);
    fillOutline(p, QRectF(15.5, 8.5, 6, 2), kWhite, kWhite, 0);
}

void clearList(QPainter& p)
{
    sheet(p, 1, 1, 15, 20, 5);
    halo(p, QRectF(10, 10, 14, 14), kBg);
    p.setPen(QPen(kRedDark, 4.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(12.5, 12.5), QPointF(21.5, 21.5));
    p.drawLine(QPointF(21.5, 12.5), QPointF(12.5, 21.5));
    p.setPen(QPen(kRed, 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(12.5, 12.5), QPointF(21.5, 21.5));
    p.drawLine(QPointF(21.5, 12.5), QPointF(12.5, 21.5));
}

void add(QPainter& p) { plusSign(p, 12, 12, 9.5, 6); }

void printPreview(QPainter& p)
{
    sheet(p, 2, 1, 15, 20, 5);
    halo(p, QRectF(9, 8, 15, 16), kBg);
    p.setPen(QPen(kInk, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18.5, 18.5), QPointF(22, 22));
    QRadialGradient lens(QPointF(13, 12), 6);
    lens.setColorAt(0.0, kWhite);
    lens.setColorAt(1.0, kBlueLight);
    p.setBrush(lens);
    p.setPen(pen(kInk, 1.5));
    p.drawEllipse(QPointF(15, 14.5), 4.8, 4.8);
}

void addMultiple(QPainter& p)
{
    rows(p, 4, -1, kWhite, 17);
    halo(p, QRectF(9, 9, 15, 15), kBg);
    plusSign(p, 17, 17, 6.0, 4);
}

void applyLine(QPainter& p)
{
    rows(p, 4, 2, QColor(200, 236, 206), 18);
    halo(p, QRectF(10, 4, 14, 14), kBg);
    QPainterPath tick;
    tick.moveTo(11.5, 11.0);
    tick.lineTo(15.5, 15.0);
    tick.lineTo(22.5, 5.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGreenDark, 4.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(tick);
    p.setPen(QPen(kGreen, 2.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(tick);
}

// Phase balancing: a pair of scales.
void balance(QPainter& p)
{
    const QColor brass(186, 140, 40);
    const QColor brassDark(120, 84, 10);
    fillOutline(p, QRectF(11, 4, 2, 15), brass, brassDark, 0.8);
    QPainterPath foot;
    foot.addRoundedRect(QRectF(6.5, 19.5, 11, 3), 1, 1);
    fillOutline(p, foot, brass, brassDark);
    fillOutline(p, QRectF(2.5, 5.5, 19, 1.6), brass, brassDark, 0.8);
    p.setBrush(brass);
    p.setPen(pen(brassDark, 0.8));
    p.drawEllipse(QPointF(12, 4), 1.8, 1.8);
    p.setPen(pen(kInkSoft, 0.8));
    for (qreal x : {4.0, 20.0}) {
        p.drawLine(QPointF(x, 7), QPointF(x - 3.5, 13.5));
        p.drawLine(QPointF(x, 7), QPointF(x + 3.5, 13.5));
        QPainterPath pan;
        pan.moveTo(x - 4, 13.5);
        pan.lineTo(x + 4, 13.5);
        pan.cubicTo(x + 3.5, 17, x - 3.5, 17, x - 4, 13.5);
        fillOutline(p, pan, QColor(232, 196, 100), brassDark);
    }
}

void arrowLeft(QPainter& p)
{
    blockArrow(p, QPointF(21.5, 12), QPointF(2, 12), 7, 17, 9, kBlue, kBlueDark);
}

void arrowRight(QPainter& p)
{
    blockArrow(p, QPointF(2.5, 12), QPointF(22, 12), 7, 17, 9, kBlue, kBlueDark);
}

// Chart: a pie with one slice pulled out.
void pie(QPainter& p)
{
    const QRectF r(1.5, 3.5, 19, 19);
    const struct { int start; int span; QColor c; } slices[] = {
        {90, 140, kBlue}, {230, 80, kGreen}, {310, 80, kAmber}};
    p.setPen(pen(kInk));
    for (const auto& s : slices) {
        p.setBrush(s.c);
        p.drawPie(r, s.start * 16, s.span * 16);
    }
    p.setBrush(kRed);
    p.drawPie(r.translated(2.0, -2.0), 30 * 16, 60 * 16);
}

// Rigging formulas for printing: a sheet with a bridle sketch above a
// formula (F = fraction), drawn stroke by stroke to stay sharp.
void formulaSheet(QPainter& p)
{
    sheet(p, 3, 1, 18, 22, 0, 5);
    fillOutline(p, QRectF(5, 4, 4, 2), kInk, kInk, 0);
    fillOutline(p, QRectF(12, 4, 4, 2), kInk, kInk, 0);
    p.setPen(pen(kBlue, 1.2));
    p.drawLine(QPointF(7, 6), QPointF(10.5, 10));
    p.drawLine(QPointF(14, 6), QPointF(10.5, 10));
    p.setPen(pen(kInk, 1.0));
    p.drawLine(QPointF(10.5, 10), QPointF(10.5, 11.5));

    // "F"
    p.drawLine(QPointF(6.5, 13), QPointF(6.5, 19));
    p.drawLine(QPointF(6, 13.5), QPointF(9.5, 13.5));
    p.drawLine(QPointF(6, 15.5), QPointF(9, 15.5));
    // "="
    p.drawLine(QPointF(11, 15.5), QPointF(13, 15.5));
    p.drawLine(QPointF(11, 17.5), QPointF(13, 17.5));
    // fraction
    p.setPen(pen(kInkSoft, 1.0));
    p.drawLine(QPointF(15.5, 14.5), QPointF(18.5, 14.5));
    p.drawLine(QPointF(15.5, 18.5), QPointF(18.5, 18.5));
    p.setPen(pen(kInk, 1.0));
    p.drawLine(QPointF(14.5, 16.5), QPointF(19.5, 16.5));
    p.setPen(pen(kPaperLine));
    p.drawLine(QPointF(6, 20.5), QPointF(18, 20.5));
}

}  // namespace

std::vector<Picture> listPictures()
{
    return {
        {QStringLiteral("Save.bmp"), 24, 24, kBg, save},
        {QStringLiteral("Open.bmp"), 24, 24, kBg, open},
        {QStringLiteral("Print.bmp"), 24, 24, kBg, print},
        {QStringLiteral("DeleteLine.bmp"), 24, 24, kBg, deleteLine},
        {QStringLiteral("ClearList.bmp"), 24, 24, kBg, clearList},
        {QStringLiteral("Add.bmp"), 24, 24, kBg, add},
        {QStringLiteral("PrintPreview.bmp"), 24, 24, kBg, printPreview},
        {QStringLiteral("AddMultiple.bmp"), 24, 24, kBg, addMultiple},
        {QStringLiteral("ApplyLine.bmp"), 24, 24, kBg, applyLine},
        {QStringLiteral("balance.bmp"), 24, 24, kBg, balance},
        {QStringLiteral("ARROWLeft.BMP"), 24, 24, kBg, arrowLeft},
        {QStringLiteral("ARROWRight.BMP"), 24, 24, kBg, arrowRight},
        {QStringLiteral("grphpie.bmp"), 24, 24, kBg, pie},
        {QStringLiteral("RiggingPrintFormulas.bmp"), 24, 24, kBg, formulaSheet},
    };
}

}  // namespace resgen
