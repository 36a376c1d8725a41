#pragma once

#include "reports/ReportDefinition.h"

#include <QFont>
#include <QStringList>

#include <vector>

// A report laid out into pages of positioned items, in report units from the
// top-left corner of the sheet. This is what the painter draws and what tests
// read.
struct LaidOutItem {
    enum class Kind { Text, Line, Rect, Ellipse, Image };

    Kind kind = Kind::Text;
    BandKind band = BandKind::Detail;
    QString name;  // the element's name (every line of a text block carries it)
    QRectF rect;   // Line: from topLeft() to bottomRight()
    QString text;  // Text: one line
    QFont font;    // Text: pixel size in report units
    QColor color;  // Text colour / outline colour
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    double penWidth = 0;
    QColor fill;
    QImage image;
};

struct LaidOutPage {
    std::vector<LaidOutItem> items;

    // Every text of the page in drawing order.
    QStringList texts() const;
    // Texts of the items with this element name.
    QStringList textsNamed(const QString& name) const;
    bool hasText(const QString& text) const { return texts().contains(text); }
};

struct LaidOutReport {
    QString title;
    PageOrientation orientation = PageOrientation::Portrait;
    double pageWidth = 0; // report units
    double pageHeight = 0;
    double margin = 0;
    std::vector<LaidOutPage> pages;

    int pageCount() const { return int(pages.size()); }
};

// Builds the pages, calling the report's start-of-page hook before each one.
// Tables are read by row (recordCount/recordAt); their cursors do not move.
LaidOutReport layoutReport(ReportDefinition& report);

// The font of a text item: pixel size in report units, so that it measures
// the same on every device.
QFont reportQFont(const ReportFont& font);
