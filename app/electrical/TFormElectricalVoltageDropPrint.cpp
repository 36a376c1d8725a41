#include "electrical/TFormElectricalVoltageDropPrint.h"

#include "electrical/VoltageDrop.h"
#include "reports/ReportFrames.h"
#include "shell/AppContext.h"

#include <QStringList>

#include <string>
#include <utility>
#include <vector>

namespace {

const QString ReportTitle = QStringLiteral("Voltage Drop Report");
const QString Heading = QStringLiteral("Voltage Drop Report");
const QString NoteLines = QStringLiteral("These formulas apply to copper or aluminium  wire at 75 degree Celcius\n"
                                         " A.W.G. = American Wire Gauges");

using ReportUnits::inch;
using ReportUnits::pt;

constexpr double ColumnGap = inch(0.15);
constexpr double ColumnPadding = pt(6);
constexpr double ColumnHeadingHeight = pt(20);
constexpr double RowHeight = pt(15);
constexpr int RowsPerColumn = 8; // the wire type and seven values
constexpr double ColumnHeight = ColumnPadding + ColumnHeadingHeight + RowsPerColumn * RowHeight + ColumnPadding;
constexpr double BlocksTop = ColumnHeight + pt(16);
constexpr double BlockGap = inch(0.15);
// The gauge blocks are sized for their widest line in 8 pt fixed pitch (21
// and 23 characters of 4.8 pt), with some room to spare.
constexpr double ThickTableWidth = inch(1.5);
constexpr double ThinTableWidth = inch(1.65);
constexpr double TableGap = inch(0.12);
constexpr double FormulaHeight = pt(330);
constexpr double TableHeight = pt(240);
constexpr double NotesHeight = pt(26);

QString joined(const std::vector<std::string>& lines)
{
    QStringList out;
    for (const std::string& line : lines)
        out << QString::fromStdString(line);
    return out.join(QLatin1Char('\n'));
}

// One framed column: its heading, the wire type and caption/value rows.
void addColumn(ReportBand& band, double x, double width, const QString& heading, const QString& wireType,
               const std::vector<std::pair<QString, QString>>& rows)
{
    band.add(ReportElement::frame(QRectF(x, 0, width, ColumnHeight), pt(0.75), QColor(0, 0, 128)));
    const double inner = x + ColumnPadding;
    const double innerWidth = width - 2 * ColumnPadding;
    double y = ColumnPadding;
    band.add(ReportElement::label(QRectF(inner, y, innerWidth, ColumnHeadingHeight), heading,
                                  ReportFont::arial(12).withBold().withColor(reportNavy()), Qt::AlignCenter));
    y += ColumnHeadingHeight;
    band.add(ReportElement::hLine(inner, y - pt(2), innerWidth, pt(0.5), QColor(128, 128, 128)));
    band.add(ReportElement::label(QRectF(inner, y, innerWidth, RowHeight), wireType, ReportFont::arial(9).withBold()));
    y += RowHeight;
    const double captionWidth = innerWidth * 0.47;
    for (const auto& [caption, value] : rows) {
        band.add(ReportElement::label(QRectF(inner, y, captionWidth, RowHeight), caption, ReportFont::arial(9)));
        band.add(ReportElement::label(QRectF(inner + captionWidth, y, innerWidth - captionWidth, RowHeight), value,
                                      ReportFont::arial(9).withBold()));
        y += RowHeight;
    }
}

} // namespace

TFormElectricalVoltageDropPrint::TFormElectricalVoltageDropPrint(AppContext& context,
                                                                 const VoltageDropReportTexts& t)
    : context_(context), report_(ReportTitle)
{
    report_.setOrientation(PageOrientation::Portrait);
    report_.setMargins(PageMargins::Standard);
    ReportFrames::addCalculationFrame(report_, Heading, NotesHeight);
    const double w = report_.contentWidth();

    ReportBand& detail = report_.addBand(BandKind::Detail, BlocksTop + FormulaHeight);
    const double columnWidth = (w - 2 * ColumnGap) / 3;
    const auto withUnit = [&t](const QString& distance) { return distance + QLatin1Char(' ') + t.lengthUnit; };
    addColumn(detail, 0, columnWidth, QStringLiteral("Voltage Drop"), t.wireType,
              {{QStringLiteral("Number of Phase:"), t.dropPhase},
               {QStringLiteral("Input voltage:"), t.dropVoltage},
               {QStringLiteral("Amperage:"), t.dropAmps},
               {QStringLiteral("Distance:"), withUnit(t.dropDistance)},
               {QStringLiteral("Wire size:"), t.dropGauge},
               {QStringLiteral("Voltage Drop:"), t.dropResult},
               {QStringLiteral("Percentage Drop:"), t.dropPercent}});
    addColumn(detail, columnWidth + ColumnGap, columnWidth, QStringLiteral("Wire Size"), t.wireType,
              {{QStringLiteral("Number of Phase:"), t.wirePhase},
               {QStringLiteral("Input voltage:"), t.wireVoltage},
               {QStringLiteral("Amperage:"), t.wireAmps},
               {QStringLiteral("Distance:"), withUnit(t.wireDistance)},
               {QStringLiteral("Volatge Drop:"), t.wireLimitVolts},
               {QStringLiteral("Percentage Drop:"), t.wireLimitPercent},
               {QStringLiteral("Wire size:"), t.wireSize}});
    addColumn(detail, 2 * (columnWidth + ColumnGap), columnWidth, QStringLiteral("Distance"), t.wireType,
              {{QStringLiteral("Number of Phase:"), t.distancePhase},
               {QStringLiteral("Input voltage:"), t.distanceVoltage},
               {QStringLiteral("Amperage:"), t.distanceAmps},
               {QStringLiteral("Voltage Drop:"), t.distanceLimitVolts},
               {QStringLiteral("Percentage Drop:"), t.distanceLimitPercent},
               {QStringLiteral("Wire size:"), t.distanceGauge},
               {QStringLiteral("Distance:"), t.distanceResult}});

    // The formula and its worked example at the left, the gauge table in two
    // fixed-pitch blocks at the right.
    const double thinLeft = w - ThinTableWidth;
    const double tablesLeft = thinLeft - TableGap - ThickTableWidth;
    const double formulaWidth = tablesLeft - 2 * BlockGap;
    detail.add(ReportElement::textBlock(QRectF(0, BlocksTop, formulaWidth, FormulaHeight),
                                        joined(tvx::electrical::voltageDropFormulaLines()), ReportFont::arial(9),
                                        false, FormulaName));
    ReportFont tableFont = ReportFont::arial(8);
    tableFont.family = QStringLiteral("Courier New");
    detail.add(ReportElement::frame(QRectF(tablesLeft - pt(6), BlocksTop - pt(6), w - tablesLeft + pt(6),
                                           TableHeight + pt(10)),
                                    pt(0.5), QColor(128, 128, 128), QColor(245, 245, 250)));
    detail.add(ReportElement::textBlock(QRectF(tablesLeft, BlocksTop, ThickTableWidth, TableHeight),
                                        joined(tvx::electrical::gaugeTableLinesThick()), tableFont, false,
                                        ThickTableName));
    detail.add(ReportElement::textBlock(QRectF(thinLeft, BlocksTop, ThinTableWidth, TableHeight),
                                        joined(tvx::electrical::gaugeTableLinesThin()), tableFont, false,
                                        ThinTableName));

    // The conductor notes sit above the common footer line.
    ReportBand* footer = report_.band(BandKind::PageFooter);
    footer->add(ReportElement::textBlock(QRectF(0, 0, w, NotesHeight), NoteLines, ReportFont::arial(9).withItalic(),
                                         false, NoteName))
        .alignment = Qt::AlignHCenter;

    report_.setStartPage([this](ReportDefinition& report, int) { QuickRep1StartPage(report); });
}

void TFormElectricalVoltageDropPrint::QuickRep1StartPage(ReportDefinition& report)
{
    ReportFrames::setFooterText(report, context_.setup());
}
