#include "electrical/TFormElectricalBasicFormulaPrint.h"

#include "reports/ReportFrames.h"
#include "shell/AppContext.h"

#include <QStringList>

namespace {

const QString ReportTitle = QStringLiteral("Basic Electrical Formulas");
const QString Heading = QStringLiteral("Basic Electrical Formulas Report");
const QString Note = QStringLiteral("These formulas apply to DC circuits, and common AC circuits in which the phase "
                                    "is 0 degree and impedance is equal to resistance.");

using ReportUnits::inch;
using ReportUnits::pt;

constexpr double ImageSize = inch(2.6);
constexpr double LegendGap = inch(0.45);
constexpr double LegendLine = pt(20);
constexpr double MemoTop = ImageSize + pt(18);
constexpr double MemoHeight = pt(14);
constexpr double WarningHeight = pt(24);

} // namespace

TFormElectricalBasicFormulaPrint::TFormElectricalBasicFormulaPrint(AppContext& context,
                                                                   const tvx::electrical::BasicLawInputs& inputs,
                                                                   const tvx::electrical::BasicLawResults& results)
    : context_(context), report_(ReportTitle)
{
    QStringList lines;
    for (const std::string& line : tvx::electrical::basicLawReportLines(inputs, results))
        lines << QString::fromStdString(line);
    memoText_ = lines.join(QLatin1Char('\n'));

    report_.setOrientation(PageOrientation::Portrait);
    report_.setMargins(PageMargins::Standard);
    ReportFrames::addCalculationFrame(report_, Heading, WarningHeight);
    const double w = report_.contentWidth();

    ReportBand& detail = report_.addBand(BandKind::Detail, MemoTop + MemoHeight);
    detail.add(ReportElement::imageFile(QRectF(0, pt(6), ImageSize, ImageSize),
                                        context_.resourcePath(QStringLiteral("ohmlaw.bmp")), ImageName));
    const ReportFont legendFont = ReportFont::arial(12).withBold();
    const double legendX = ImageSize + LegendGap;
    const QString legend[] = {QStringLiteral("P = Watts"), QStringLiteral("I = Amps"),
                              QStringLiteral("R = Resistance (Ohms)"), QStringLiteral("E = Volts")};
    double y = (ImageSize - 4 * LegendLine) / 2;
    for (const QString& text : legend) {
        detail.add(ReportElement::label(QRectF(legendX, y, w - legendX, LegendLine), text, legendFont));
        y += LegendLine;
    }
    detail.add(ReportElement::hLine(0, MemoTop - pt(8), w, pt(0.5), QColor(128, 128, 128)));
    detail.add(ReportElement::textBlock(QRectF(0, MemoTop, w, MemoHeight), QString(), ReportFont::arial(12), true,
                                        MemoName));

    // The DC note sits above the common footer line.
    ReportBand* footer = report_.band(BandKind::PageFooter);
    footer->add(ReportElement::textBlock(QRectF(0, 0, w, WarningHeight), Note, ReportFont::arial(9).withItalic(),
                                         false, WarningName))
        .alignment = Qt::AlignHCenter;

    report_.setStartPage([this](ReportDefinition& report, int) { QuickRep1StartPage(report); });
}

void TFormElectricalBasicFormulaPrint::QuickRep1StartPage(ReportDefinition& report)
{
    ReportFrames::setFooterText(report, context_.setup());
    report.setText(MemoName, QString());
    report.setText(MemoName, memoText_);
}
