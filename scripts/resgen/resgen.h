// Shared pieces of the resource picture generator: the list of pictures,
// the palette and the small drawing helpers every picture uses.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

namespace resgen {

// One picture written into the Resources folder. draw() paints onto a
// canvas already filled with `background`, antialiasing switched on.
struct Picture {
    QString fileName;
    int width;
    int height;
    QColor background;
    void (*draw)(QPainter&);
};

std::vector<Picture> toolbarPictures();   // 26x26 toolbar buttons and the tray icon
std::vector<Picture> listPictures();      // 24x24 list-window buttons
std::vector<Picture> diagramPictures();   // logo, Ohm's law wheel, photometric and rigging plots

void drawTrayIcon(QPainter& p);        // 32x32
void drawLogo(QPainter& p);            // 200x200
void drawOhmLawWheel(QPainter& p);     // 260x260
void drawPhotometricPlot(QPainter& p); // 300x330
void drawRiggingSetup(QPainter& p);    // 420x330
void drawRiggingLoads(QPainter& p);    // 300x220

// A labelled rectangle drawn only on the annotated preview, never in the
// shipped picture: shows where the window puts a letter or an input field.
struct Spot {
    QString name;
    QRectF box;
};
std::vector<Spot> photometricSpots();
std::vector<Spot> riggingSSpots();
std::vector<Spot> riggingLSpots();

// Palette ------------------------------------------------------------------
inline const QColor kToolbarGrey(240, 240, 240);
inline const QColor kWhite(255, 255, 255);
inline const QColor kInk(38, 44, 56);           // outlines and text
inline const QColor kInkSoft(96, 104, 118);     // secondary strokes
inline const QColor kDimGrey(120, 128, 140);    // dimension lines on plots
inline const QColor kPaperLine(150, 162, 180);  // text lines on a sheet
inline const QColor kPaperFold(214, 220, 230);
inline const QColor kBlue(40, 104, 196);
inline const QColor kBlueDark(24, 70, 150);
inline const QColor kBlueLight(168, 198, 240);
inline const QColor kRed(204, 44, 44);
inline const QColor kRedDark(150, 24, 24);
inline const QColor kGreen(38, 150, 68);
inline const QColor kGreenDark(22, 104, 44);
inline const QColor kAmber(244, 178, 24);
inline const QColor kAmberLight(255, 230, 130);
inline const QColor kAmberDark(196, 118, 0);
inline const QColor kSteel(150, 158, 170);
inline const QColor kSteelLight(208, 213, 221);
inline const QColor kSteelDark(84, 92, 106);
inline const QColor kCaseBlack(52, 56, 64);

// Helpers ------------------------------------------------------------------
// Rectangle whose 1 px outline covers exactly the pixels x..x+w-1, y..y+h-1.
QRectF crisp(int x, int y, int w, int h);
QPen pen(const QColor& color, qreal width = 1.0);
QFont font(int pixelSize, bool bold = false, bool italic = false);

void fillOutline(QPainter& p, const QPainterPath& path, const QBrush& fill,
                 const QColor& outline = kInk, qreal width = 1.0);
void fillOutline(QPainter& p, const QRectF& rect, const QBrush& fill,
                 const QColor& outline = kInk, qreal width = 1.0);
QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom);

// Paper sheet with a folded top-right corner and `lines` grey text lines.
void sheet(QPainter& p, int x, int y, int w, int h, int lines, int fold = 4);
// Clears a rounded patch in the background colour so a badge stands out.
void halo(QPainter& p, const QRectF& r, const QColor& background);
// Filled arrow with shaft and head, from `from` to the tip `to`.
void blockArrow(QPainter& p, QPointF from, QPointF to, qreal shaft, qreal head,
                qreal headLength, const QColor& fill, const QColor& outline = kInk);
// Solid triangular arrow head whose tip is `tip`, pointing away from `from`.
void arrowHead(QPainter& p, QPointF tip, QPointF from, qreal length, qreal halfWidth,
               const QColor& color);
// Thin line with arrow heads at both ends; `gap` px are left open in the
// middle (room for a label or an input field laid over the picture).
void dimension(QPainter& p, QPointF a, QPointF b, const QColor& color, qreal gap = 0.0);
// Line with an arrow head at `b` only; `width` is the shaft width.
void arrowLine(QPainter& p, QPointF a, QPointF b, const QColor& color, qreal width,
               qreal headLength, qreal headHalfWidth);
// Short diagonal hatching below the segment (x1..x2, y), as for a floor section.
void hatchBelow(QPainter& p, qreal x1, qreal x2, qreal y, qreal depth, qreal step,
                const QColor& color);
// Text centred in a rectangle.
void centredText(QPainter& p, const QRectF& r, const QString& text, const QFont& f,
                 const QColor& color);

}  // namespace resgen
