#include "reports/ReportFrames.h"

#include "reports/ReportLayout.h"
#include "setup/SetupLayout.h"
#include "setup/SetupRecord.h"

#include <QFontMetricsF>

namespace ReportFrames {

namespace {

// The footer sentences; the user name follows directly.
const QString ProgramFooter = QStringLiteral("This report was produce by the Trovanex Voze for ");
const QString MakerFooter = QStringLiteral("This report was produce by the Trovanex for ");
// What the footer label holds until the start-of-page hook replaces it.
const QString FooterDesignCaption = QStringLiteral("This report was produce by the Trovanex");

const ReportFont FooterFont = ReportFont::arial(9);
constexpr double FooterLine = ReportUnits::pt(13);
constexpr double FooterRuleGap = ReportUnits::pt(6);
constexpr double RuleWidth = ReportUnits::pt(0.5);
const QColor RuleColor(128, 128, 128);

double textWidth(const ReportFont& font, const QString& text)
{
    return QFontMetricsF(reportQFont(font)).horizontalAdvance(text);
}

// The footer both frames share: optional notes room, a thin rule, the
// date-time / title / page line and the footer text centred below.
void addFooter(ReportDefinition& report, double notesHeight, bool titleInFooter, bool pageNumber)
{
    const double w = report.contentWidth();
    ReportBand& footer = report.addBand(BandKind::PageFooter, notesHeight + FooterRuleGap + 2 * FooterLine);
    const double ruleY = notesHeight + FooterRuleGap / 2;
    footer.add(ReportElement::hLine(0, ruleY, w, RuleWidth, RuleColor));
    const double y = notesHeight + FooterRuleGap;
    const double third = w / 3;
    footer.add(ReportElement::systemValue(QRectF(0, y, third, FooterLine), SystemValue::DateTime, FooterFont,
                                          Qt::AlignLeft | Qt::AlignVCenter, {}, DateTimeValue));
    if (titleInFooter)
        footer.add(ReportElement::systemValue(QRectF(third, y, third, FooterLine), SystemValue::ReportTitle,
                                              FooterFont, Qt::AlignCenter, {}, ReportTitleValue));
    if (pageNumber)
        footer.add(ReportElement::systemValue(QRectF(2 * third, y, third, FooterLine), SystemValue::PageNumber,
                                              FooterFont, Qt::AlignRight | Qt::AlignVCenter, {}, PageNumberValue));
    footer.add(ReportElement::label(QRectF(0, y + FooterLine, w, FooterLine), FooterDesignCaption, FooterFont,
                                    Qt::AlignCenter, FooterTextLabel));
}

} // namespace

void addListFrame(ReportDefinition& report, const QString& heading, const ListFrameOptions& options)
{
    const double w = report.contentWidth();
    const ReportFont headingFont = ReportFont::arial(20).withBold().withColor(reportNavy());
    const double headingHeight = ReportUnits::pt(30);
    const double secondHeight = options.secondLine.isEmpty() ? 0 : ReportUnits::pt(17);
    ReportBand& header =
        report.addBand(BandKind::PageHeader, headingHeight + secondHeight + ReportUnits::pt(8));
    header.add(ReportElement::label(QRectF(0, 0, w, headingHeight), heading, headingFont, Qt::AlignCenter,
                                    HeadingLabel));
    if (!options.secondLine.isEmpty())
        header.add(ReportElement::label(QRectF(0, headingHeight, w, secondHeight), options.secondLine,
                                        ReportFont::arial(11).withBold(), Qt::AlignCenter, SubHeadingLabel));
    addFooter(report, options.notesHeight, options.titleInFooter, true);
}

void addCalculationFrame(ReportDefinition& report, const QString& heading, double notesHeight)
{
    const double w = report.contentWidth();
    const ReportFont brandFont = ReportFont::arial(24).withBold().withUnderline().withColor(reportNavy());
    const ReportFont headingFont = ReportFont::arial(16).withBold().withColor(reportNavy());
    const QString brand = QStringLiteral("Trovanex");
    const double lineHeight = ReportUnits::pt(34);
    ReportBand& title = report.addBand(BandKind::Title, lineHeight + ReportUnits::pt(16));
    const double brandWidth = textWidth(brandFont, brand) + ReportUnits::pt(2);
    title.add(ReportElement::label(QRectF(0, 0, brandWidth, lineHeight), brand, brandFont,
                                   Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("QRLabelTrovanex")));
    // The heading sits on the same baseline as the larger product name.
    const double x = brandWidth + ReportUnits::pt(14);
    const QFontMetricsF big(reportQFont(brandFont));
    const QFontMetricsF small(reportQFont(headingFont));
    title.add(ReportElement::label(QRectF(x, 0, w - x, lineHeight - (big.descent() - small.descent())), heading,
                                   headingFont, Qt::AlignLeft | Qt::AlignBottom, HeadingLabel));
    title.add(ReportElement::hLine(0, lineHeight + ReportUnits::pt(5), w, ReportUnits::pt(1), reportNavy()));
    addFooter(report, notesHeight, true, false);
}

QString footerText(const tvx::SetupRecord& setup, FooterKind kind)
{
    const QString name = QString::fromStdString(setup.get(tvx::setup::UserName));
    return (kind == FooterKind::Program ? ProgramFooter : MakerFooter) + name;
}

void setFooterText(ReportDefinition& report, const tvx::SetupRecord& setup, FooterKind kind)
{
    report.setText(FooterTextLabel, footerText(setup, kind));
}

} // namespace ReportFrames
