#pragma once

#include "electrical/LoadList.h"
#include "reports/ReportDefinition.h"

#include <QString>

class AppContext;

// The printed single-phase electrical load list: one line per device in the
// list's current order, and the totals the window shows in the page footer.
class TFormElectricalLoadPrint1ph {
public:
    static inline const QString Title = QStringLiteral("Electrical Load Report 1 Phase");

    TFormElectricalLoadPrint1ph(AppContext& context, tvx::RecordTable& table, const tvx::electrical::LoadFooter& totals,
                              const QString& description);
    TFormElectricalLoadPrint1ph(const TFormElectricalLoadPrint1ph&) = delete;
    TFormElectricalLoadPrint1ph& operator=(const TFormElectricalLoadPrint1ph&) = delete;

    ReportDefinition& report() { return report_; }

private:
    ReportDefinition report_;
};
