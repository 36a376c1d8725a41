#pragma once

#include "reports/ReportDefinition.h"

#include <QStringList>

#include <vector>

class AppContext;

namespace tvx {
class RecordTable;
}

// What both electrical load reports share: landscape Letter with the narrow
// margins, the list frame with the list description as second heading line
// and no report title in the footer, a column header, one detail line per
// record of the list in its current order, and the totals at the top of the
// page footer.
namespace ElectricalLoadReport {

struct Column {
    QString title;
    double widthMm = 0;
    QString field;  // empty: the running line number
    QString footer; // the totals row's text under this column
    Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter;
};

// Element names of the totals, so that code and tests can find them.
inline const QString TotalsRowName = QStringLiteral("QRLabelTotals");
inline const QString LineTotalsName = QStringLiteral("QRLabelLineTotals");

// Fills `report` (created with its report title). The first column is the
// line number; a footer text of the first column spans the first two
// columns. lineTotals: a second footer row (empty: none).
void build(ReportDefinition& report, AppContext& context, tvx::RecordTable& table, const std::vector<Column>& columns,
           const QString& description, const QStringList& lineTotals);

} // namespace ElectricalLoadReport
