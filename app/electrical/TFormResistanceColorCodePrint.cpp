#include "electrical/TFormResistanceColorCodePrint.h"

#include "reports/ReportFrames.h"
#include "reports/ReportLayout.h"
#include "shell/AppContext.h"

#include <QFontMetricsF>

#include <algorithm>

namespace {

using ReportUnits::inch;
using ReportUnits::pt;
using tvx::electrical::ResistorColour;

const QString Heading = QStringLiteral("Resistance Color Code Report");

const ReportFont LetterFont = ReportFont::arial(9).withBold().withColor(QColor(90, 90, 90));
const ReportFont BandFont = ReportFont::arial(12).withBold();
const ReportFont CaptionFont = ReportFont::arial(11).withBold();
const ReportFont ValueFont = ReportFont::arial(11);
const ReportFont HeadingFont = ReportFont::arial(14).withBold().withColor(reportNavy());
const ReportFont ChartFont = ReportFont::arial(9);
const ReportFont FormulaFont = ReportFont::arial(10);
const ReportFont FormulaCaptionFont = ReportFont::arial(10).withBold();

constexpr double BandGap = inch(0.25);
constexpr double BandHeight = inch(0.55);
constexpr double BandPen = pt(4);
constexpr double LetterHeight = pt(14);
constexpr double ResultRow = pt(18);
constexpr double ResultCaptionWidth = inch(1.9);
constexpr double ChartRow = pt(16);
constexpr double ChartSwatchWidth = inch(1.0);
constexpr double ChartColumn = inch(0.5);
constexpr double FormulaX = inch(3.3);
constexpr double FormulaLine = pt(15);
constexpr double ThinPen = pt(0.5);
const QColor Grey(128, 128, 128);

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QColor colourOf(ResistorColour colour)
{
    return QColor(QRgb(tvx::electrical::colourInfo(colour).rgb));
}

QColor textOn(const QColor& background)
{
    const double luminance = 0.299 * background.red() + 0.587 * background.green() + 0.114 * background.blue();
    return luminance > 140 ? QColor(Qt::black) : QColor(Qt::white);
}

double textWidth(const ReportFont& font, const QString& text)
{
    return QFontMetricsF(reportQFont(font)).horizontalAdvance(text);
}

// "Total Resistance = " and a fraction with a rule between its parts; returns
// the height used.
double addFraction(ReportBand& band, double x, double y, const QString& numerator, const QString& denominator)
{
    const QString lead = QStringLiteral("Total Resistance = ");
    const double leadWidth = textWidth(FormulaFont, lead);
    const double width = std::max(textWidth(FormulaFont, numerator), textWidth(FormulaFont, denominator)) + pt(8);
    const double fx = x + leadWidth;
    band.add(ReportElement::label(QRectF(x, y + FormulaLine / 2, leadWidth + pt(2), FormulaLine), lead, FormulaFont));
    band.add(ReportElement::label(QRectF(fx, y, width, FormulaLine), numerator, FormulaFont, Qt::AlignCenter));
    band.add(ReportElement::hLine(fx, y + FormulaLine, width, ThinPen * 2));
    band.add(ReportElement::label(QRectF(fx, y + FormulaLine, width, FormulaLine), denominator, FormulaFont,
                                  Qt::AlignCenter));
    return 2 * FormulaLine;
}

// The colour chart as on the window: column letters, then one row per
// colour with its swatch and what it means on each band. Returns its height.
double addChart(ReportBand& band, double y)
{
    const char* letters[] = {"A", "B", "C", "D"};
    for (int c = 0; c < 4; ++c)
        band.add(ReportElement::label(QRectF(ChartSwatchWidth + c * ChartColumn, y, ChartColumn, ChartRow),
                                      QLatin1String(letters[c]), ChartFont.withBold(), Qt::AlignCenter));
    double rowY = y + ChartRow;
    for (const ResistorColour colour : tvx::electrical::chartOrder()) {
        const auto& info = tvx::electrical::colourInfo(colour);
        const QColor fill = colourOf(colour);
        const QRectF swatch(0, rowY + pt(1), ChartSwatchWidth, ChartRow - pt(2));
        band.add(ReportElement::frame(swatch, ThinPen, Grey, fill));
        band.add(ReportElement::label(swatch, qs(info.name), ChartFont.withColor(textOn(fill)), Qt::AlignCenter));
        const std::string_view texts[] = {info.digitText, info.digitText, info.multiplierText, info.toleranceText};
        for (int c = 0; c < 4; ++c)
            band.add(ReportElement::label(QRectF(ChartSwatchWidth + c * ChartColumn, rowY, ChartColumn, ChartRow),
                                          qs(texts[c]), ChartFont, Qt::AlignCenter));
        rowY += ChartRow;
    }
    band.add(ReportElement::frame(QRectF(-pt(3), y - pt(2), ChartSwatchWidth + 4 * ChartColumn + pt(6),
                                         rowY - y + pt(4)),
                                  ThinPen, Grey));
    return rowY - y + pt(2);
}

} // namespace

TFormResistanceColorCodePrint::TFormResistanceColorCodePrint(AppContext& context,
                                                             const tvx::electrical::ColourBands& bands,
                                                             const tvx::electrical::ColourCodeResults& results)
    : context_(context), report_(Title)
{
    report_.setOrientation(PageOrientation::Portrait);
    report_.setMargins(PageMargins::Standard);
    ReportFrames::addCalculationFrame(report_, Heading);
    const double w = report_.contentWidth();

    ReportBand& detail = report_.addBand(BandKind::Detail, 0);

    // The four bands side by side, each outlined in its colour; a thin grey
    // frame keeps white and silver bands visible on paper.
    const double bandWidth = (w - 3 * BandGap) / 4;
    const char* letters[] = {"A", "B", "C", "D"};
    for (std::size_t b = 0; b < tvx::electrical::ColourBandCount; ++b) {
        const double x = double(b) * (bandWidth + BandGap);
        const ResistorColour colour = bands.bands[b].colour;
        detail.add(ReportElement::label(QRectF(x, 0, bandWidth, LetterHeight), QLatin1String(letters[b]), LetterFont,
                                        Qt::AlignCenter));
        const QRectF outer(x, LetterHeight, bandWidth, BandHeight);
        detail.add(ReportElement::frame(outer, ThinPen, Grey));
        const double inset = ThinPen + BandPen / 2;
        detail.add(ReportElement::frame(outer.adjusted(inset, inset, -inset, -inset), BandPen, colourOf(colour)));
        detail.add(ReportElement::label(outer, qs(tvx::electrical::colourInfo(colour).name), BandFont, Qt::AlignCenter,
                                        BandName + QLatin1String(letters[b])));
    }

    double y = LetterHeight + BandHeight + pt(16);
    const struct {
        const char* caption;
        const std::string* text;
        const QString* name;
    } rows[] = {
        {"Result in Ohms:", &results.ohms, &OhmsName},
        {"Result in KiloOhms:", &results.kiloOhms, &KiloOhmsName},
        {"Result in MegaOhms:", &results.megaOhms, &MegaOhmsName},
    };
    for (const auto& row : rows) {
        detail.add(ReportElement::label(QRectF(0, y, ResultCaptionWidth, ResultRow), QLatin1String(row.caption),
                                        CaptionFont));
        detail.add(ReportElement::label(QRectF(ResultCaptionWidth, y, w - ResultCaptionWidth, ResultRow),
                                        QString::fromStdString(*row.text), ValueFont,
                                        Qt::AlignLeft | Qt::AlignVCenter, *row.name));
        y += ResultRow;
    }

    y += pt(10);
    detail.add(ReportElement::hLine(0, y, w, ThinPen * 2, Grey));
    y += pt(8);
    detail.add(ReportElement::label(QRectF(0, y, w, pt(22)), QStringLiteral("Formulas"), HeadingFont));
    y += pt(30);

    const double chartHeight = addChart(detail, y);

    double fy = y;
    const double fw = w - FormulaX;
    const auto caption = [&](const char* text) {
        detail.add(ReportElement::label(QRectF(FormulaX, fy, fw, FormulaLine), QLatin1String(text),
                                        FormulaCaptionFont));
        fy += FormulaLine + pt(2);
    };
    caption("Formula for Resistors in Series:");
    detail.add(ReportElement::label(QRectF(FormulaX, fy, fw, FormulaLine),
                                    QStringLiteral("Total Resistance = Resistance1+ Resistance2 + Resistance3 ....."),
                                    FormulaFont));
    fy += FormulaLine + pt(18);
    caption("Formula for 2 Resistors in Parallel:");
    fy += addFraction(detail, FormulaX, fy, QStringLiteral("Resistance1 * Resistance2"),
                      QStringLiteral("Resistance1 + Resistance2")) +
          pt(18);
    caption("Formula for Multiple Resistors in Parallel:");
    fy += addFraction(detail, FormulaX, fy, QStringLiteral("1"), QStringLiteral("1/Resistance1 + 1/Resistance2 +...."));

    detail.height = std::max(y + chartHeight, fy) + pt(6);

    report_.setStartPage([this](ReportDefinition& r, int) { QuickRep1StartPage(r); });
}

void TFormResistanceColorCodePrint::QuickRep1StartPage(ReportDefinition& report)
{
    ReportFrames::setFooterText(report, context_.setup());
}
