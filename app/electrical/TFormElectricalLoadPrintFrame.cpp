#include "electrical/TFormElectricalLoadPrintFrame.h"

#include "reports/ReportFrames.h"
#include "shell/AppContext.h"

namespace ElectricalLoadReport {

namespace {

constexpr double kRowHeight = ReportUnits::pt(13);
constexpr double kHeaderHeight = ReportUnits::pt(17);
constexpr double kPad = ReportUnits::pt(2);

} // namespace

void build(ReportDefinition& report, AppContext& context, tvx::RecordTable& table, const std::vector<Column>& columns,
           const QString& description, const QStringList& lineTotals)
{
    report.setOrientation(PageOrientation::Landscape);
    report.setMargins(PageMargins::Narrow);

    const double totalsHeight = kRowHeight + ReportUnits::pt(4) + (lineTotals.isEmpty() ? 0 : kRowHeight);
    ReportFrames::ListFrameOptions options;
    options.secondLine = description;
    options.titleInFooter = false;
    options.notesHeight = totalsHeight;
    ReportFrames::addListFrame(report, QStringLiteral("Electrical Load Report"), options);

    const double width = report.contentWidth();
    double requested = 0;
    for (const Column& c : columns)
        requested += ReportUnits::mm(c.widthMm);
    const double scale = requested > 0 ? width / requested : 1;

    const ReportFont headFont = ReportFont::arial(9).withBold();
    const ReportFont lineFont = ReportFont::arial(9);
    const ReportFont totalsFont = ReportFont::arial(9).withBold();

    ReportBand& head = report.addBand(BandKind::ColumnHeader, kHeaderHeight);
    head.add(ReportElement::frame(QRectF(0, 0, width, kHeaderHeight - ReportUnits::pt(2)), 0, Qt::transparent,
                                  QColor(0xE4, 0xE8, 0xF2)));
    ReportBand& detail = report.addBand(BandKind::Detail, kRowHeight, &table);
    ReportBand* footer = report.band(BandKind::PageFooter);

    double x = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Column& c = columns[i];
        const double w = ReportUnits::mm(c.widthMm) * scale;
        const QRectF cell(x + kPad, 0, w - 2 * kPad, kRowHeight);
        head.add(ReportElement::label(QRectF(cell.x(), 0, cell.width(), kHeaderHeight - ReportUnits::pt(2)), c.title,
                                      headFont.withColor(reportNavy()), c.alignment));
        if (c.field.isEmpty())
            detail.add(ReportElement::systemValue(cell, SystemValue::DetailNumber, lineFont, c.alignment));
        else
            detail.add(ReportElement::field(cell, c.field, lineFont, c.alignment));
        if (footer != nullptr && !c.footer.isEmpty()) {
            // The first column's total spans the first two columns.
            QRectF totalCell(cell.x(), ReportUnits::pt(2), cell.width(), kRowHeight);
            Qt::Alignment align = c.alignment;
            if (i == 0 && columns.size() > 1) {
                totalCell.setWidth(w + ReportUnits::mm(columns[1].widthMm) * scale - 2 * kPad);
                align = Qt::AlignLeft | Qt::AlignVCenter;
            }
            footer->add(ReportElement::label(totalCell, c.footer, totalsFont, align,
                                             TotalsRowName + QString::number(i)));
        }
        x += w;
    }
    head.add(ReportElement::hLine(0, kHeaderHeight - ReportUnits::pt(2), width, ReportUnits::pt(0.75), reportNavy()));
    if (footer != nullptr) {
        footer->add(ReportElement::hLine(0, ReportUnits::pt(1), width, ReportUnits::pt(0.75), reportNavy()));
        const double third = width / 3;
        for (int i = 0; i < lineTotals.size(); ++i)
            footer->add(ReportElement::label(QRectF(third * i, ReportUnits::pt(2) + kRowHeight, third, kRowHeight),
                                             lineTotals.at(i), totalsFont, Qt::AlignCenter,
                                             LineTotalsName + QString::number(i)));
    }

    report.setStartPage([&context](ReportDefinition& r, int) { ReportFrames::setFooterText(r, context.setup()); });
}

} // namespace ElectricalLoadReport
