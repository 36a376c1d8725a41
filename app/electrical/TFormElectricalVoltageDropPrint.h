#pragma once

#include "reports/ReportDefinition.h"

#include <QString>

class AppContext;

// The texts of the voltage drop window the report prints, as they stand on
// screen (phase texts as the report words them).
struct VoltageDropReportTexts {
    QString wireType;   // "Wire type: Copper"
    QString lengthUnit; // "feet" or "meter"

    QString dropPhase, dropVoltage, dropAmps, dropDistance, dropGauge, dropResult, dropPercent;
    QString wirePhase, wireVoltage, wireAmps, wireDistance, wireLimitVolts, wireLimitPercent, wireSize;
    QString distancePhase, distanceVoltage, distanceAmps, distanceLimitVolts, distanceLimitPercent, distanceGauge,
        distanceResult;
};

// The one-page report of the voltage drop window: the three sections side by
// side, the formula with a worked example, and the gauge table.
class TFormElectricalVoltageDropPrint {
public:
    // Element names of the report's own parts.
    static inline const QString FormulaName = QStringLiteral("QRMemoFormula");
    static inline const QString ThickTableName = QStringLiteral("QRMemoTable1");
    static inline const QString ThinTableName = QStringLiteral("QRMemoTable2");
    static inline const QString NoteName = QStringLiteral("QRLabelNote");

    TFormElectricalVoltageDropPrint(AppContext& context, const VoltageDropReportTexts& texts);
    TFormElectricalVoltageDropPrint(const TFormElectricalVoltageDropPrint&) = delete;
    TFormElectricalVoltageDropPrint& operator=(const TFormElectricalVoltageDropPrint&) = delete;

    ReportDefinition& report() { return report_; }

private:
    void QuickRep1StartPage(ReportDefinition& report);

    AppContext& context_;
    ReportDefinition report_;
};
