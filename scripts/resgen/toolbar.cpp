// Toolbar buttons, 26 x 26 px on the light grey of the toolbar. Coordinates
// are whole pixels; 1 px outlines sit on pixel centres (x + 0.5) so they
// stay sharp without any scaling.
#include "resgen.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace resgen {
namespace {

const QColor kBg = kToolbarGrey;

QPointF polar(QPointF c, qreal r, qreal degreesFromTop)
{
    const qreal a = degreesFromTop * std::numbers::pi / 180.0;
    return {c.x() + r * std::sin(a), c.y() - r * std::cos(a)};
}

// Photometrics: a clear light bulb with its filament and screw base.
void bulb(QPainter& p)
{
    QPainterPath glass;
    glass.addEllipse(QRectF(5.5, 1.5, 15, 15));
    QPainterPath neck;
    neck.moveTo(7.0, 13.0);
    neck.cubicTo(8.5, 15.0, 9.5, 16.0, 9.5, 18.5);
    neck.lineTo(16.5, 18.5);
    neck.cubicTo(16.5, 16.0, 17.5, 15.0, 19.0, 13.0);
    neck.closeSubpath();
    QRadialGradient shine(QPointF(11, 6), 11);
    shine.setColorAt(0.0, QColor(255, 252, 230));
    shine.setColorAt(1.0, kAmberLight);
    fillOutline(p, glass.united(neck), shine);

    // Filament: two supports and a coiled wire between them.
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(kAmberDark, 1.0));
    p.drawLine(QPointF(11.0, 18.0), QPointF(10.5, 10.5));
    p.drawLine(QPointF(15.0, 18.0), QPointF(15.5, 10.5));
    QPainterPath coil;
    coil.moveTo(10.5, 10.5);
    coil.lineTo(11.8, 8.5);
    coil.lineTo(13.0, 10.5);
    coil.lineTo(14.2, 8.5);
    coil.lineTo(15.5, 10.5);
    p.drawPath(coil);

    // Base with threads and the foot contact.
    fillOutline(p, QRectF(9.5, 18.5, 7, 4), QBrush(vertical(QRectF(9, 18, 8, 5), kSteelLight, kSteel)));
    p.setPen(pen(kSteelDark));
    p.drawLine(QPointF(10, 20.5), QPointF(16, 20.5));
    fillOutline(p, QRectF(11.5, 22.5, 3, 2), kInk);
}

// Ohm's law: the four-colour formula wheel with an Omega at its hub.
void ohmFormula(QPainter& p)
{
    const QRectF circle(1.5, 1.5, 23, 23);
    // Qt pie order: top right (I), top left (P), bottom left (E), bottom right (R).
    const QColor quarters[4] = {QColor(120, 176, 236), QColor(248, 200, 84),
                                QColor(236, 124, 112), QColor(128, 200, 128)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(quarters[i]);
        p.drawPie(circle, i * 90 * 16, 90 * 16);
    }
    p.setPen(pen(kInk));
    p.drawLine(QPointF(13, 1.5), QPointF(13, 24.5));
    p.drawLine(QPointF(1.5, 13), QPointF(24.5, 13));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(circle);
    p.setBrush(kWhite);
    p.drawEllipse(QRectF(6.0, 6.0, 14, 14));
    p.setFont(font(13, true));
    p.setPen(kInk);
    p.drawText(QRectF(6, 5.5, 14, 14), Qt::AlignCenter, QString(QChar(0x03A9)));
}

// Phase load: the face of a red 400 V CEE connector, five contacts.
void cee(QPainter& p)
{
    const QPointF c(13, 13);
    QRadialGradient body(QPointF(10, 9), 14);
    body.setColorAt(0.0, QColor(236, 86, 78));
    body.setColorAt(1.0, QColor(184, 30, 30));
    p.setBrush(body);
    p.setPen(pen(kRedDark));
    p.drawEllipse(c, 11.0, 11.0);
    p.setBrush(QColor(214, 58, 52));
    p.setPen(pen(QColor(120, 20, 20)));
    p.drawEllipse(c, 8.0, 8.0);
    // Key notch at the top.
    fillOutline(p, QRectF(12, 4, 2, 2.5), QColor(120, 20, 20), QColor(120, 20, 20), 0);
    // Three phases and neutral on a ring, the larger earth pin at the bottom.
    const qreal angles[4] = {60, 115, 245, 300};
    p.setPen(pen(kInk, 0.8));
    p.setBrush(QColor(246, 240, 226));
    for (qreal a : angles)
        p.drawEllipse(polar(c, 5.2, a), 1.5, 1.5);
    p.drawEllipse(polar(c, 5.2, 180), 2.0, 2.0);
}

// Electrical load list: a list sheet with a mains plug in front.
void plugList(QPainter& p)
{
    sheet(p, 2, 1, 15, 21, 5);
    halo(p, QRectF(12, 8, 13, 18), kBg);
    // Pins upwards, moulded body, cable leaving downwards.
    fillOutline(p, QRectF(15.5, 9.5, 2, 4), kSteelLight, kSteelDark);
    fillOutline(p, QRectF(20.5, 9.5, 2, 4), kSteelLight, kSteelDark);
    QPainterPath body;
    body.addRoundedRect(QRectF(13.5, 13.5, 11, 7), 2, 2);
    fillOutline(p, body, QBrush(vertical(QRectF(13, 13, 12, 8), QColor(92, 98, 110), kCaseBlack)));
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(kCaseBlack, 2.0));
    QPainterPath cable;
    cable.moveTo(19, 20.5);
    cable.cubicTo(19, 24, 16, 24, 13, 25);
    p.drawPath(cable);
}

// Voltage drop: V with a falling arrow above a cable.
void voltageDrop(QPainter& p)
{
    p.setFont(font(15, true));
    p.setPen(kBlueDark);
    p.drawText(QRectF(0, 0, 14, 16), Qt::AlignCenter, QStringLiteral("V"));
    blockArrow(p, QPointF(19.5, 1.5), QPointF(19.5, 15.5), 4, 10, 6, kRed, kRedDark);

    // Cable end: black sheath, then the bare copper conductor.
    fillOutline(p, QRectF(0, 19, 20, 5), QBrush(vertical(QRectF(0, 19, 20, 5), QColor(100, 108, 122), kInk)), kInk, 0);
    p.setPen(pen(QColor(140, 148, 160), 1.0));
    p.drawLine(QPointF(0, 20.5), QPointF(19, 20.5));
    fillOutline(p, QRectF(20, 20, 5, 3), QBrush(vertical(QRectF(20, 20, 5, 3), QColor(240, 176, 96), kAmberDark)), kAmberDark, 0);
}

// Resistor colour code: a resistor with four bands.
void resistor(QPainter& p)
{
    p.setPen(pen(kSteelDark, 1.5));
    p.drawLine(QPointF(0, 13), QPointF(26, 13));
    QPainterPath body;
    body.addRoundedRect(QRectF(4.5, 7.5, 17, 11), 3.5, 3.5);
    fillOutline(p, body, QBrush(vertical(QRectF(4, 7, 18, 12), QColor(238, 218, 172), QColor(206, 176, 120))), kInk);
    p.save();
    p.setClipPath(body);
    const struct { qreal x; qreal w; QColor c; } bands[] = {
        {7.0, 2.0, QColor(128, 64, 24)},
        {10.5, 2.0, QColor(24, 24, 24)},
        {14.0, 2.0, QColor(214, 40, 30)},
        {18.0, 1.5, QColor(212, 164, 36)},
    };
    p.setPen(Qt::NoPen);
    for (const auto& b : bands) {
        p.setBrush(b.c);
        p.drawRect(QRectF(b.x, 7, b.w, 12));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(kInk));
    p.drawPath(body);
}

// Bridle rigging: two beams, two legs to one point, a chain hoist with hook.
void bridle(QPainter& p)
{
    fillOutline(p, QRectF(0.5, 1.5, 8, 3), kSteelDark, kInk);
    fillOutline(p, QRectF(17.5, 1.5, 8, 3), kSteelDark, kInk);
    p.setPen(pen(kInk, 1.2));
    p.drawLine(QPointF(4.5, 4.5), QPointF(13, 12));
    p.drawLine(QPointF(21.5, 4.5), QPointF(13, 12));
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(kInk, 1.0));
    p.drawEllipse(QPointF(13, 12.5), 1.5, 1.5);
    p.drawLine(QPointF(13, 14), QPointF(13, 15.5));
    QPainterPath motor;
    motor.addRoundedRect(QRectF(8.5, 15.5, 9, 6), 1.5, 1.5);
    fillOutline(p, motor, QBrush(vertical(QRectF(8, 15, 10, 7), kBlue, kBlueDark)), kInk);
    // Hook.
    QPainterPath hook;
    hook.moveTo(13, 21.5);
    hook.lineTo(13, 23);
    hook.cubicTo(13, 25.5, 9.5, 25.5, 9.5, 23.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(kInk, 1.2));
    p.drawPath(hook);
}

// "kg" as hand-set pixels: at this size a font turns to mush.
void pixelKg(QPainter& p, int x, int y, const QColor& c)
{
    static const char* const rows[] = {
        "X........",
        "X........",
        "X..X..XXX",
        "X.X..X..X",
        "XX...X..X",
        "X.X...XXX",
        "X..X....X",
        ".....XXX.",
    };
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int r = 0; r < 8; ++r)
        for (int k = 0; rows[r][k] != '\0'; ++k)
            if (rows[r][k] == 'X')
                p.drawRect(QRect(x + k, y + r, 1, 1));
    p.setRenderHint(QPainter::Antialiasing, true);
}

// A weight with "kg" on it and a handle on top, used on the load lists.
void weightBadge(QPainter& p, qreal cx, qreal top)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(kInk, 1.5));
    p.drawEllipse(QPointF(cx, top + 2.5), 2.5, 2.2);
    QPainterPath w;
    w.moveTo(cx - 4.5, top + 4.5);
    w.lineTo(cx + 4.5, top + 4.5);
    w.lineTo(cx + 6.5, top + 13.5);
    w.lineTo(cx - 6.5, top + 13.5);
    w.closeSubpath();
    fillOutline(p, w, QBrush(vertical(QRectF(cx - 7, top + 4, 14, 10), QColor(104, 112, 128), kCaseBlack)), kInk);
    pixelKg(p, int(cx - 4.5), int(top + 5), kWhite);
}

void weightList(QPainter& p)
{
    sheet(p, 1, 1, 15, 21, 5);
    halo(p, QRectF(10, 9, 16, 17), kBg);
    weightBadge(p, 18.5, 11);
}

// Truck load list: a box truck seen from the side.
void truck(QPainter& p)
{
    fillOutline(p, crisp(1, 5, 16, 13), QBrush(vertical(QRectF(1, 5, 16, 13), kWhite, QColor(220, 226, 236))));
    fillOutline(p, QRectF(1.5, 13.5, 15, 2), kBlue, kBlue, 0);
    QPainterPath cab;
    cab.moveTo(17.5, 17.5);
    cab.lineTo(17.5, 8.5);
    cab.lineTo(21.5, 8.5);
    cab.lineTo(24.5, 12.5);
    cab.lineTo(24.5, 17.5);
    cab.closeSubpath();
    fillOutline(p, cab, kBlue, kInk);
    QPainterPath window;
    window.moveTo(19.5, 10.5);
    window.lineTo(21.0, 10.5);
    window.lineTo(22.8, 13.0);
    window.lineTo(19.5, 13.0);
    window.closeSubpath();
    fillOutline(p, window, QColor(210, 232, 250), kInk, 0.8);
    fillOutline(p, QRectF(0.5, 17.5, 25, 2), kInk, kInk, 0);
    for (qreal x : {5.5, 20.5}) {
        p.setBrush(kCaseBlack);
        p.setPen(pen(kInk));
        p.drawEllipse(QPointF(x, 20.5), 3.0, 3.0);
        p.setBrush(kSteelLight);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(x, 20.5), 1.2, 1.2);
    }
}

// Unit converter: two opposed arrows.
void converter(QPainter& p)
{
    blockArrow(p, QPointF(2, 8.5), QPointF(24, 8.5), 4, 11, 7, kBlue, kBlueDark);
    blockArrow(p, QPointF(24, 18.5), QPointF(2, 18.5), 4, 11, 7, kGreen, kGreenDark);
}

// DMX: the face of a 5-pin XLR connector with its latch.
void xlr(QPainter& p)
{
    const QPointF c(13, 14);
    fillOutline(p, QRectF(10.5, 0.5, 5, 3), kSteelLight, kSteelDark);
    QRadialGradient shell(QPointF(9, 9), 16);
    shell.setColorAt(0.0, QColor(232, 235, 240));
    shell.setColorAt(1.0, QColor(150, 156, 166));
    p.setBrush(shell);
    p.setPen(pen(kInk));
    p.drawEllipse(c, 11.0, 11.0);
    p.setBrush(QColor(40, 44, 52));
    p.setPen(pen(QColor(24, 26, 32)));
    p.drawEllipse(c, 8.0, 8.0);
    p.setBrush(QColor(236, 212, 140));
    p.setPen(pen(QColor(150, 120, 40), 0.6));
    for (qreal a : {72.0, 144.0, 180.0, 216.0, 288.0})
        p.drawEllipse(polar(c, 5.0, a), 1.4, 1.4);
}

// The grid every catalogue button starts from: blue header, two body rows.
void tableGrid(QPainter& p)
{
    fillOutline(p, crisp(1, 2, 20, 17), kWhite);
    fillOutline(p, crisp(1, 2, 20, 5), kBlue);
    p.setPen(pen(kPaperLine));
    p.drawLine(QPointF(2, 11.5), QPointF(20, 11.5));
    p.drawLine(QPointF(2, 15.5), QPointF(20, 15.5));
    p.drawLine(QPointF(7.5, 7), QPointF(7.5, 18));
    p.drawLine(QPointF(14.5, 7), QPointF(14.5, 18));
    p.setPen(pen(kInk));
    p.drawLine(QPointF(7.5, 3), QPointF(7.5, 6));
    p.drawLine(QPointF(14.5, 3), QPointF(14.5, 6));
}

void tableManufacturer(QPainter& p)
{
    tableGrid(p);
    halo(p, QRectF(11, 10, 15, 16), kBg);
    fillOutline(p, QRectF(13.5, 11.5, 3, 7), QColor(150, 80, 56));
    QPainterPath hall;
    hall.moveTo(12.5, 24.5);
    hall.lineTo(12.5, 18.5);
    hall.lineTo(18.5, 15.5);
    hall.lineTo(18.5, 18.5);
    hall.lineTo(24.5, 15.5);
    hall.lineTo(24.5, 24.5);
    hall.closeSubpath();
    fillOutline(p, hall, QBrush(vertical(QRectF(12, 15, 13, 10), QColor(214, 112, 80), QColor(170, 72, 48))));
    p.setPen(Qt::NoPen);
    p.setBrush(kAmberLight);
    for (qreal x : {14.0, 17.5, 21.0})
        p.drawRect(QRectF(x, 20, 2, 2));
}

void tableFixture(QPainter& p)
{
    tableGrid(p);
    halo(p, QRectF(11, 10, 15, 16), kBg);
    // Front view of a spot: clamp, yoke around the body, lit lens.
    fillOutline(p, QRectF(17, 10.5, 3, 2.5), kSteelDark, kInk, 0);
    QPainterPath yoke;
    yoke.moveTo(13.0, 19.5);
    yoke.lineTo(13.0, 13.5);
    yoke.lineTo(24.0, 13.5);
    yoke.lineTo(24.0, 19.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(kInk, 1.6));
    p.drawPath(yoke);
    p.setBrush(QBrush(vertical(QRectF(13, 14, 11, 11), QColor(100, 108, 122), kCaseBlack)));
    p.setPen(pen(kInk));
    p.drawEllipse(QPointF(18.5, 19.5), 5.0, 5.0);
    QRadialGradient lens(QPointF(17.5, 18.5), 4);
    lens.setColorAt(0.0, QColor(255, 252, 220));
    lens.setColorAt(1.0, kAmber);
    p.setBrush(lens);
    p.setPen(pen(kAmberDark, 0.8));
    p.drawEllipse(QPointF(18.5, 19.5), 3.0, 3.0);
}

void tableRoadCase(QPainter& p)
{
    tableGrid(p);
    halo(p, QRectF(11, 11, 15, 15), kBg);
    // Flight case: black panels, aluminium lid edge and ball corners, castors.
    fillOutline(p, crisp(12, 13, 13, 10), QBrush(vertical(QRectF(12, 13, 13, 10), QColor(84, 90, 102), kCaseBlack)));
    p.setPen(pen(kSteelLight));
    p.drawLine(QPointF(13, 16.5), QPointF(24, 16.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kSteelLight);
    for (QPointF corner : {QPointF(12, 13), QPointF(22, 13), QPointF(12, 20), QPointF(22, 20)})
        p.drawRect(QRectF(corner, QSizeF(3, 3)));
    p.setBrush(kAmber);
    p.drawRect(QRectF(17.5, 15.5, 2, 2));  // butterfly latch
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(14.5, 24.0), 1.6, 1.6);
    p.drawEllipse(QPointF(22.5, 24.0), 1.6, 1.6);
}

// Preferences: a gear wheel.
void gear(QPainter& p)
{
    const QPointF c(13, 13);
    const int teeth = 8;
    QPolygonF poly;
    for (int i = 0; i < teeth; ++i) {
        const qreal mid = i * 360.0 / teeth;
        poly << polar(c, 8.6, mid - 16) << polar(c, 11.8, mid - 9) << polar(c, 11.8, mid + 9)
             << polar(c, 8.6, mid + 16);
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 3.5, 3.5);
    QRadialGradient g(QPointF(9, 8), 16);
    g.setColorAt(0.0, kSteelLight);
    g.setColorAt(1.0, kSteel);
    fillOutline(p, path.subtracted(hole), g);
}

// Help: a question mark in a blue disc.
void help(QPainter& p)
{
    QRadialGradient g(QPointF(9, 7), 18);
    g.setColorAt(0.0, QColor(96, 160, 240));
    g.setColorAt(1.0, kBlue);
    p.setBrush(g);
    p.setPen(pen(kBlueDark));
    p.drawEllipse(QRectF(1.5, 1.5, 23, 23));
    p.setFont(font(18, true));
    p.setPen(kWhite);
    p.drawText(QRectF(1, 1, 24, 24), Qt::AlignCenter, QStringLiteral("?"));
}

void windowFrame(QPainter& p)
{
    fillOutline(p, crisp(2, 3, 22, 20), kWhite);
    fillOutline(p, crisp(2, 3, 22, 5), QBrush(vertical(QRectF(2, 3, 22, 5), QColor(80, 140, 220), kBlue)));
}

void minimized(QPainter& p)
{
    windowFrame(p);
    fillOutline(p, crisp(7, 17, 12, 3), kInk, kInk);
}

void closeWindow(QPainter& p)
{
    windowFrame(p);
    p.setPen(QPen(kRed, 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(9, 10.5), QPointF(17, 18.5));
    p.drawLine(QPointF(17, 10.5), QPointF(9, 18.5));
}

// Down to the tray: an arrow dropping into an open tray.
void downArrow(QPainter& p)
{
    QPainterPath tray;
    tray.moveTo(2.5, 15.5);
    tray.lineTo(2.5, 23.5);
    tray.lineTo(23.5, 23.5);
    tray.lineTo(23.5, 15.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(kInk, 2.0));
    p.drawPath(tray);
    fillOutline(p, QRectF(4, 20, 18, 2.5), kSteelLight, kSteelLight, 0);
    blockArrow(p, QPointF(13, 1.5), QPointF(13, 19.5), 5, 13, 8, kGreen, kGreenDark);
}

}  // namespace

std::vector<Picture> toolbarPictures()
{
    return {
        {QStringLiteral("Bulboff.bmp"), 26, 26, kBg, bulb},
        {QStringLiteral("Electrical_Formula.bmp"), 26, 26, kBg, ohmFormula},
        {QStringLiteral("Electrical Load.bmp"), 26, 26, kBg, cee},
        {QStringLiteral("Electrical Load List.bmp"), 26, 26, kBg, plugList},
        {QStringLiteral("Voltage Drop.bmp"), 26, 26, kBg, voltageDrop},
        {QStringLiteral("Resistance.bmp"), 26, 26, kBg, resistor},
        {QStringLiteral("Rigging.bmp"), 26, 26, kBg, bridle},
        {QStringLiteral("Weight Load List.bmp"), 26, 26, kBg, weightList},
        {QStringLiteral("Truck Load List.bmp"), 26, 26, kBg, truck},
        {QStringLiteral("Converter.bmp"), 26, 26, kBg, converter},
        {QStringLiteral("DMX.bmp"), 26, 26, kBg, xlr},
        {QStringLiteral("TABLEmanufacturer.BMP"), 26, 26, kBg, tableManufacturer},
        {QStringLiteral("TABLEFixture.BMP"), 26, 26, kBg, tableFixture},
        {QStringLiteral("TABLERoadCase.BMP"), 26, 26, kBg, tableRoadCase},
        {QStringLiteral("Preferences.bmp"), 26, 26, kBg, gear},
        {QStringLiteral("Help.bmp"), 26, 26, kBg, help},
        {QStringLiteral("MinimizedWindow.bmp"), 26, 26, kBg, minimized},
        {QStringLiteral("CloseWindow.bmp"), 26, 26, kBg, closeWindow},
        {QStringLiteral("DownArrow.bmp"), 26, 26, kBg, downArrow},
        {QStringLiteral("TrayIcon.bmp"), 32, 32, kBg, drawTrayIcon},
    };
}

}  // namespace resgen
