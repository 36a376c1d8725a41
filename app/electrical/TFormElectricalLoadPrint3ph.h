#pragma once

#include "electrical/LoadList.h"
#include "reports/ReportDefinition.h"

#include <QString>

class AppContext;

// The printed three-phase electrical load list: one line per device in the
// list's current order, and the totals the window shows in the page footer.
class TFormElectricalLoadPrint3ph {
public:
    static inline const QString Title = QStringLiteral("Electrical Load Report");

    TFormElectricalLoadPrint3ph(AppContext& context, tvx::RecordTable& table, const tvx::electrical::LoadFooter& totals,
                              const QString& description);
    TFormElectricalLoadPrint3ph(const TFormElectricalLoadPrint3ph&) = delete;
    TFormElectricalLoadPrint3ph& operator=(const TFormElectricalLoadPrint3ph&) = delete;

    ReportDefinition& report() { return report_; }

private:
    ReportDefinition report_;
};
