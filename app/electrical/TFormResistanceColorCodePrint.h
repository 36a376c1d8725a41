#pragma once

#include "electrical/ColorCode.h"
#include "reports/ReportDefinition.h"

#include <QString>

class AppContext;

// The one-page report of the colour code window: the four bands with their
// colour names, the three results, the colour chart and the resistor
// formulas.
class TFormResistanceColorCodePrint {
public:
    static inline const QString Title = QStringLiteral("Resistance Color Code Report");
    // Element names of the report's own parts: BandName + "A" ... "D".
    static inline const QString BandName = QStringLiteral("QRLabelBand");
    static inline const QString OhmsName = QStringLiteral("QRLabelOhms");
    static inline const QString KiloOhmsName = QStringLiteral("QRLabelKiloOhms");
    static inline const QString MegaOhmsName = QStringLiteral("QRLabelMegaOhms");

    // results: the window's result texts as they stand on screen.
    TFormResistanceColorCodePrint(AppContext& context, const tvx::electrical::ColourBands& bands,
                                  const tvx::electrical::ColourCodeResults& results);
    TFormResistanceColorCodePrint(const TFormResistanceColorCodePrint&) = delete;
    TFormResistanceColorCodePrint& operator=(const TFormResistanceColorCodePrint&) = delete;

    ReportDefinition& report() { return report_; }

private:
    void QuickRep1StartPage(ReportDefinition& report);

    AppContext& context_;
    ReportDefinition report_;
};
