#pragma once

#include "electrical/BasicLaws.h"
#include "reports/ReportDefinition.h"

#include <QString>

class AppContext;

// The one-page report of the basic laws window: the formula wheel, its
// legend and one numbered line per formula the user filled in.
class TFormElectricalBasicFormulaPrint {
public:
    // Element names of the report's own parts.
    static inline const QString ImageName = QStringLiteral("QRImageElectricLaws");
    static inline const QString MemoName = QStringLiteral("MemoText");
    static inline const QString WarningName = QStringLiteral("QRLabelWarning");

    // inputs and results: the window's texts as they stand on screen.
    TFormElectricalBasicFormulaPrint(AppContext& context, const tvx::electrical::BasicLawInputs& inputs,
                                     const tvx::electrical::BasicLawResults& results);
    TFormElectricalBasicFormulaPrint(const TFormElectricalBasicFormulaPrint&) = delete;
    TFormElectricalBasicFormulaPrint& operator=(const TFormElectricalBasicFormulaPrint&) = delete;

    ReportDefinition& report() { return report_; }

private:
    void QuickRep1StartPage(ReportDefinition& report);

    AppContext& context_;
    QString memoText_;
    ReportDefinition report_;
};
