#pragma once

#include "reports/ReportDefinition.h"

#include <QHash>
#include <QString>

class AppContext;

// The one-page report of the phase load window: a column of caption/value
// pairs for each page of the window, side by side and separated by a line,
// and in the footer the printed warning, the date-time, the report title and
// the footer text with the user's name.
class TFormElectricalPhaseLoadPrint {
public:
    static inline const QString Title = QStringLiteral("Electrical Phase Load Report");
    // Element names of the report's own parts.
    static inline const QString WarningName = QStringLiteral("QRMemoWarning");
    static inline const QString SingleHeadingName = QStringLiteral("QRLabelSinglePhase");
    static inline const QString ThreeHeadingName = QStringLiteral("QRLabelThreePhases");

    // fieldTexts: the window's field texts by object name, as shown on screen
    // (TFormElectricalPhaseLoad::fieldTexts()).
    TFormElectricalPhaseLoadPrint(AppContext& context, const QHash<QString, QString>& fieldTexts);
    TFormElectricalPhaseLoadPrint(const TFormElectricalPhaseLoadPrint&) = delete;
    TFormElectricalPhaseLoadPrint& operator=(const TFormElectricalPhaseLoadPrint&) = delete;

    ReportDefinition& report() { return report_; }

private:
    void QuickRep1StartPage(ReportDefinition& report);

    AppContext& context_;
    ReportDefinition report_;
};
