#include "electrical/TFormElectricalPhaseLoadPrint.h"

#include "electrical/PhaseLoad.h"
#include "reports/ReportFrames.h"
#include "reports/ReportLayout.h"
#include "shell/AppContext.h"

#include <QFile>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Row {
    const char* caption;
    const char* field; // object name of the window's field
    const char* unit;  // appended to the field's text
};

const char* const kVolt = " volt";
const char* const kAmps = " Amps";
const char* const kKva = " KVA";
const char* const kNone = "";

const std::vector<Row> kSingleRows = {
    {"Description:", "EditDescription1", kNone},
    {"Voltage Phase-Phase:", "EditVoltagePhasePhase1", kVolt},
    {"Voltage Phase-Neutral:", "EditVoltagePhaseNeutral1", kVolt},
    {"Max. Amps Per Phase:", "EditMaxAmpsPhase1", kAmps},
    {"Maximum Available KVA:", "EditMaxAvailableKVA1", kKva},
    {"Load KVA X-N:", "EditLoadKVA_XN1", kKva},
    {"Load KVA Y-N:", "EditLoadKVA_YN1", kKva},
    {"Load KVA X-Y:", "EditLoadKVA_XY1", kKva},
    {"Amps X-N:", "EditAmpsXN1", kAmps},
    {"Amps Y-N:", "EditAmpsYN1", kAmps},
    {"Amps X-Y:", "EditAmpsXY1", kAmps},
    {"Amps X:", "EditAmpsX1", kAmps},
    {"Amps Y:", "EditAmpsY1", kAmps},
    {"Amps N:", "EditAmpsN1", kAmps},
    {"% X:", "EditPercentX1", kNone},
    {"% Y:", "EditPercentY1", kNone},
    {"% N:", "EditPercentN1", kNone},
    {"Total Load KVA:", "EditTotalLoadKVA1", kKva},
    {"% Available KVA:", "EditPercentAvailableKVA1", kNone},
};

const std::vector<Row> kThreeRows = {
    {"Description:", "EditDescription3", kNone},
    {"Voltage Phase-Phase:", "EditVoltagePhasePhase", kVolt},
    {"Voltage Phase-Neutral:", "EditVoltagePhaseNeutral", kVolt},
    {"Max. Amps Per Phase:", "EditMaxAmpsPhase", kAmps},
    {"Maximum Available KVA:", "EditMaxAvailableKVA", kKva},
    {"Load KVA X-N:", "EditLoadKVA_XN", kKva},
    {"Load KVA Y-N:", "EditLoadKVA_YN", kKva},
    {"Load KVA Z-N:", "EditLoadKVA_ZN", kKva},
    {"Load KVA X-Y:", "EditLoadKVA_XY", kKva},
    {"Load KVA Y-Z:", "EditLoadKVA_YZ", kKva},
    {"Load KVA Z-X:", "EditLoadKVA_ZX", kKva},
    {"Amps X-N:", "EditAmpsXN", kAmps},
    {"Amps Y-N:", "EditAmpsYN", kAmps},
    {"Amps Z-N:", "EditAmpsZN", kAmps},
    {"Amps X-Y:", "EditAmpsXY", kAmps},
    {"Amps Y-Z:", "EditAmpsYZ", kAmps},
    {"Amps Z-X:", "EditAmpsZX", kAmps},
    {"Amps X:", "EditAmpsX", kAmps},
    {"Amps Y:", "EditAmpsY", kAmps},
    {"Amps Z:", "EditAmpsZ", kAmps},
    {"Amps N:", "EditAmpsN", kAmps},
    {"% X:", "EditPercentX", kNone},
    {"% Y:", "EditPercentY", kNone},
    {"% Z:", "EditPercentZ", kNone},
    {"% N:", "EditPercentN", kNone},
    {"Total Load KVA:", "EditTotalLoadKVA", kKva},
    {"% Available KVA:", "EditPercentAvailableKVA", kNone},
};

const ReportFont kHeadingFont = ReportFont::arial(12).withBold().withColor(reportNavy());
const ReportFont kCaptionFont = ReportFont::arial(10);
const ReportFont kValueFont = ReportFont::arial(10).withBold();
const ReportFont kWarningFont = ReportFont::arial(9).withItalic();
constexpr double kRowHeight = ReportUnits::pt(15);
constexpr double kHeadingHeight = ReportUnits::pt(22);
constexpr double kColumnGap = ReportUnits::mm(8);
constexpr double kRuleWidth = ReportUnits::pt(0.5);
const QColor kRowRuleColor(210, 210, 210);

// Lines a text block of this width needs, wrapping between words as the
// report layout does.
int wrappedLines(const QString& text, const QFontMetricsF& fm, double width)
{
    int lines = 0;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        double used = 0;
        int paragraphLines = 1;
        for (const QString& word : paragraph.split(QLatin1Char(' '))) {
            const double w = fm.horizontalAdvance(word);
            const double withBlank = used == 0 ? w : used + fm.horizontalAdvance(QLatin1Char(' ')) + w;
            if (used == 0 || withBlank <= width) {
                used = withBlank;
                // A word wider than the block is cut over several lines.
                while (used > width) {
                    ++paragraphLines;
                    used -= width;
                }
            } else {
                ++paragraphLines;
                used = w;
            }
        }
        lines += paragraphLines;
    }
    return std::max(lines, 1);
}

QString warningText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return QString::fromStdString(
        tvx::electrical::warningFileText(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
}

// One section: its heading, a rule, then caption/value rows. Returns the
// height it takes.
double addSection(ReportBand& band, double x, double width, double captionWidth, const QString& heading,
                  const QString& headingName, const std::vector<Row>& rows, const QHash<QString, QString>& texts)
{
    band.add(ReportElement::label(QRectF(x, 0, width, kHeadingHeight), heading, kHeadingFont,
                                  Qt::AlignLeft | Qt::AlignVCenter, headingName));
    band.add(ReportElement::hLine(x, kHeadingHeight, width, kRuleWidth * 2, reportNavy()));
    double y = kHeadingHeight + ReportUnits::pt(4);
    const double valueX = x + captionWidth;
    const double valueWidth = width - captionWidth;
    const QFontMetricsF valueMetrics(reportQFont(kValueFont));
    for (const Row& row : rows) {
        const QString field = QLatin1String(row.field);
        const QString value = texts.value(field) + QLatin1String(row.unit);
        double height = kRowHeight;
        if (field.startsWith(QLatin1String("EditDescription"))) {
            // A long description wraps inside the value column.
            const int lines = wrappedLines(value, valueMetrics, valueWidth);
            const double lineSpacing = valueMetrics.lineSpacing();
            height = std::max(kRowHeight, lines * lineSpacing + (kRowHeight - lineSpacing));
            band.add(ReportElement::label(QRectF(x, y, captionWidth, kRowHeight), QLatin1String(row.caption),
                                          kCaptionFont));
            band.add(ReportElement::textBlock(
                QRectF(valueX, y + (kRowHeight - lineSpacing) / 2, valueWidth, lines * lineSpacing + 1), value,
                kValueFont, false, field));
        } else {
            band.add(ReportElement::label(QRectF(x, y, captionWidth, kRowHeight), QLatin1String(row.caption),
                                          kCaptionFont));
            band.add(ReportElement::label(QRectF(valueX, y, valueWidth, kRowHeight), value, kValueFont,
                                          Qt::AlignLeft | Qt::AlignVCenter, field));
        }
        y += height;
        band.add(ReportElement::hLine(x, y, width, kRuleWidth, kRowRuleColor));
    }
    return y;
}

} // namespace

TFormElectricalPhaseLoadPrint::TFormElectricalPhaseLoadPrint(AppContext& context,
                                                             const QHash<QString, QString>& fieldTexts)
    : context_(context), report_(Title)
{
    report_.setOrientation(PageOrientation::Portrait);
    report_.setMargins(PageMargins::Standard);
    const double w = report_.contentWidth();

    // The printed warning sits at the top of the page footer.
    const QString warning = warningText(context_.resourcePath(QStringLiteral("Printphasewarning.txt")));
    double notesHeight = 0;
    double warningHeight = 0;
    if (!warning.isEmpty()) {
        const QFontMetricsF fm(reportQFont(kWarningFont));
        warningHeight = wrappedLines(warning, fm, w) * fm.lineSpacing() + 1;
        notesHeight = warningHeight + ReportUnits::pt(4);
    }
    ReportFrames::addCalculationFrame(report_, Title, notesHeight);
    if (!warning.isEmpty()) {
        if (ReportBand* footer = report_.band(BandKind::PageFooter))
            footer->add(ReportElement::textBlock(QRectF(0, 0, w, warningHeight), warning, kWarningFont, false,
                                                 WarningName));
    }

    // Two columns, one per page of the window, with a line between them.
    const double columnWidth = (w - kColumnGap) / 2;
    const QFontMetricsF captionMetrics(reportQFont(kCaptionFont));
    double captionWidth = 0;
    for (const auto* rows : {&kSingleRows, &kThreeRows})
        for (const Row& row : *rows)
            captionWidth = std::max(captionWidth, captionMetrics.horizontalAdvance(QLatin1String(row.caption)));
    captionWidth += ReportUnits::pt(8);

    ReportBand& detail = report_.addBand(BandKind::Detail, 0);
    const double left = addSection(detail, 0, columnWidth, captionWidth, QStringLiteral("Single Phase"),
                                   SingleHeadingName, kSingleRows, fieldTexts);
    const double right = addSection(detail, columnWidth + kColumnGap, columnWidth, captionWidth,
                                    QStringLiteral("Three Phases"), ThreeHeadingName, kThreeRows, fieldTexts);
    const double height = std::max(left, right);
    detail.add(ReportElement::line(QPointF(columnWidth + kColumnGap / 2, 0),
                                   QPointF(columnWidth + kColumnGap / 2, height), kRuleWidth, QColor(128, 128, 128)));
    detail.height = height + ReportUnits::pt(6);

    report_.setStartPage([this](ReportDefinition& r, int) { QuickRep1StartPage(r); });
}

void TFormElectricalPhaseLoadPrint::QuickRep1StartPage(ReportDefinition& report)
{
    ReportFrames::setFooterText(report, context_.setup());
}
