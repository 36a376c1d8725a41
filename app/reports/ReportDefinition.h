#pragma once

#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QRectF>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

namespace tvx {
class RecordTable;
}

// A banded report: page set-up, bands of elements and a start-of-page hook.
// A module builds one when the user prints, hands it to showReportPreview()
// (ReportPreview.h) and drops it when the preview has closed.
//
// Positions and sizes are in report units, 1200 per inch, measured from the
// top-left corner of the printable area (inside the margins) for x and from
// the top of the element's band for y. The layout, the preview, the printer,
// PDF and saved reports all use these units, so every output lays out alike.
//
// Typical use:
//
//   ReportDefinition report(QStringLiteral("Electrical Phase Load Report"));
//   ReportFrames::addCalculationFrame(report, QStringLiteral("Electrical Phase Load Report"));
//   ReportBand& detail = report.addBand(BandKind::Detail, ReportUnits::mm(120));
//   detail.add(ReportElement::label(QRectF(0, 0, ReportUnits::mm(60), ReportUnits::pt(14)),
//                                   QStringLiteral("Description:"), ReportFont::arial(10).withBold()));
//   report.setStartPage([&context](ReportDefinition& r, int) {
//       ReportFrames::setFooterText(r, context.setup());
//   });
//   showReportPreview(this, report, context);

namespace ReportUnits {
inline constexpr double perInch = 1200.0;
// Millimetres, typographic points and inches to report units.
constexpr double mm(double millimetres) { return millimetres * perInch / 25.4; }
constexpr double pt(double points) { return points * perInch / 72.0; }
constexpr double inch(double inches) { return inches * perInch; }
} // namespace ReportUnits

enum class PageOrientation { Portrait, Landscape };

// The two margin sizes reports use; all four margins are equal.
enum class PageMargins { Standard, Narrow }; // 12.7 mm, 10 mm

// Title: once, at the top of the first page (below the page header).
// PageHeader: top of every page. ColumnHeader: below the page header on
// every page. Detail: once per record of its table, or once without a table.
// PageFooter: bottom of every page.
enum class BandKind { Title, PageHeader, ColumnHeader, Detail, PageFooter };

enum class SystemValue {
    DateTime,     // date and time of printing, in the report's locale
    PageNumber,   // the bare page number, 1 for the first page
    ReportTitle,  // ReportDefinition::title()
    DetailNumber, // running number of the detail band printed, 1 for the first record
};

// Font of a text element. Sizes are typographic points; the layout measures
// text with these fonts in report units, independent of any screen.
struct ReportFont {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color = Qt::black;

    static ReportFont arial(double points)
    {
        ReportFont f;
        f.pointSize = points;
        return f;
    }
    ReportFont withBold(bool on = true) const { ReportFont f = *this; f.bold = on; return f; }
    ReportFont withItalic(bool on = true) const { ReportFont f = *this; f.italic = on; return f; }
    ReportFont withUnderline(bool on = true) const { ReportFont f = *this; f.underline = on; return f; }
    ReportFont withColor(const QColor& c) const { ReportFont f = *this; f.color = c; return f; }
};

// The navy of report headings.
inline QColor reportNavy() { return QColor(0, 0, 128); }

// One thing printed on a band. Build it with the factories below.
struct ReportElement {
    enum class Kind {
        Label,   // static text (code may replace it at run time by name)
        Field,   // a field of the band's table, in the field's display format
        System,  // a SystemValue, after the optional prefix in `text`
        Image,   // a picture: `image`, or loaded from `filePath` when laid out
        TextBlock, // word-wrapped lines: `text`, or loaded from `filePath`
        Line,    // from rect.topLeft() to rect.bottomRight() (height 0: horizontal)
        Rect,    // rectangle / frame
        Ellipse,
    };

    Kind kind = Kind::Label;
    QString name;           // lets code find it: ReportDefinition::element(name)
    QRectF rect;            // position in the band, report units
    QString text;           // Label / TextBlock text, System prefix
    QString fieldName;      // Field: exact field name of the band's table
    SystemValue system = SystemValue::PageNumber;
    QString filePath;       // Image / TextBlock: file read when the report is laid out
    QImage image;           // Image set by code (wins over filePath)
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // TextBlock: grow the band downwards when the text needs more room than
    // rect.height(); a detail band that then no longer fits on one page
    // continues its lines on the next pages.
    bool grow = false;
    // Line / Rect / Ellipse: pen width in report units (0: no outline),
    // outline colour and fill (an invalid colour: no fill).
    double penWidth = 10; // about 0.2 mm
    QColor penColor = Qt::black;
    QColor fill;
    // Image: scale to the rect keeping the aspect ratio (else stretched).
    bool keepAspect = true;

    static ReportElement label(const QRectF& rect, const QString& text, const ReportFont& font = {},
                               Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, const QString& name = {});
    static ReportElement field(const QRectF& rect, const QString& fieldName, const ReportFont& font = {},
                               Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, const QString& name = {});
    static ReportElement systemValue(const QRectF& rect, SystemValue value, const ReportFont& font = {},
                                     Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter,
                                     const QString& prefix = {}, const QString& name = {});
    // A missing or unreadable file prints nothing in its place.
    static ReportElement imageFile(const QRectF& rect, const QString& filePath, const QString& name = {});
    static ReportElement textBlock(const QRectF& rect, const QString& text, const ReportFont& font = {},
                                   bool grow = true, const QString& name = {});
    // The file is read as UTF-8, or as Windows-1252 when it is not valid
    // UTF-8. A missing or unreadable file prints an empty block. (Formatted
    // text such as RTF: convert it and set the text by code instead.)
    static ReportElement textFile(const QRectF& rect, const QString& filePath, const ReportFont& font = {},
                                  bool grow = false, const QString& name = {});
    // Horizontal line across `width` at `y` of the band.
    static ReportElement hLine(double x, double y, double width, double penWidth = 10, const QColor& color = Qt::black);
    static ReportElement line(const QPointF& from, const QPointF& to, double penWidth = 10,
                              const QColor& color = Qt::black);
    static ReportElement frame(const QRectF& rect, double penWidth = 10, const QColor& color = Qt::black,
                               const QColor& fill = {});
    static ReportElement ellipse(const QRectF& rect, double penWidth = 10, const QColor& color = Qt::black,
                                 const QColor& fill = {});
};

struct ReportBand {
    BandKind kind = BandKind::Detail;
    double height = 0;                 // report units; growing text blocks may add to it
    tvx::RecordTable* table = nullptr; // Detail: print once per visible record
    std::vector<ReportElement> elements;

    ReportElement& add(ReportElement element)
    {
        elements.push_back(std::move(element));
        return elements.back();
    }
};

struct ReportOptions {
    bool headerOnFirstPage = true; // the page header prints on the first page too
    bool footerOnLastPage = true;  // the page footer prints on the last page too
    bool printIfEmpty = true;      // an empty table still prints headers and footers
};

class ReportDefinition {
public:
    // Called before each page is laid out, with the 1-based page number.
    using StartPageHook = std::function<void(ReportDefinition& report, int page)>;

    explicit ReportDefinition(QString title = {});

    // --- page: US Letter, one column
    void setOrientation(PageOrientation orientation) { orientation_ = orientation; }
    PageOrientation orientation() const { return orientation_; }
    void setMargins(PageMargins margins) { margins_ = margins; }
    PageMargins margins() const { return margins_; }
    double marginUnits() const; // one margin, report units
    double pageWidth() const;   // whole sheet, report units
    double pageHeight() const;
    double contentWidth() const; // inside the margins: what bands can use
    double contentHeight() const;

    // --- report title (the ReportTitle system value)
    const QString& title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }

    ReportOptions& options() { return options_; }
    const ReportOptions& options() const { return options_; }

    // --- bands, printed per kind in the order they were added. References
    // to bands stay valid while more bands are added.
    ReportBand& addBand(BandKind kind, double height, tvx::RecordTable* table = nullptr);
    std::deque<ReportBand>& bands() { return bands_; }
    const std::deque<ReportBand>& bands() const { return bands_; }
    // The first band of a kind, nullptr when there is none.
    ReportBand* band(BandKind kind);

    // --- elements by name, across all bands (nullptr / false when unknown)
    ReportElement* element(const QString& name);
    // Replaces the text of a label or a text block (or the prefix of a system value).
    bool setText(const QString& name, const QString& text);
    bool setImage(const QString& name, const QImage& image);

    // --- run time
    void setStartPage(StartPageHook hook) { startPage_ = std::move(hook); }
    const StartPageHook& startPage() const { return startPage_; }
    // Numbers of field values and the date-time are shown in this locale
    // (default: the user's).
    void setLocale(const QLocale& locale) { locale_ = locale; }
    const QLocale& locale() const { return locale_; }
    // The moment printed by the DateTime value; invalid (the default) means
    // "now" when the report is laid out.
    void setPrintTime(const QDateTime& when) { printTime_ = when; }
    const QDateTime& printTime() const { return printTime_; }

private:
    QString title_;
    PageOrientation orientation_ = PageOrientation::Portrait;
    PageMargins margins_ = PageMargins::Standard;
    ReportOptions options_;
    std::deque<ReportBand> bands_;
    StartPageHook startPage_;
    QLocale locale_;
    QDateTime printTime_;
};
